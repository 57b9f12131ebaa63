#include "ini_section.h"

#include "text_decoding.h"

namespace REGINI_MGR {

std::wstring TrimIniLine(const std::wstring& line) {
  std::wstring text = line;
  std::wstring trimmed;
  TrimChar(trimmed, text, L' ');
  TrimChar(trimmed, text, L'\r');
  TrimChar(trimmed, text, L'\n');
  return text;
}

bool IsSectionHeader(const std::wstring& line) {
  return line.size() >= 2 && line.front() == L'[' && line.back() == L']';
}

void CIniSection::Parse(const std::vector<std::wstring>& rawLines) {
  for (const std::wstring& raw : rawLines) {
    const std::wstring line = TrimIniLine(raw);
    if (line.empty() || line[0] == L';') continue;
    if (IsSectionHeader(line)) {
      name_ = line.substr(1, line.size() - 2);
      continue;
    }
    const size_t equals = line.find(L'=');
    if (equals == std::wstring::npos) continue;
    pairs_.emplace_back(line.substr(0, equals), line.substr(equals + 1));
  }
}

void CIniSection::GetKeys(std::vector<std::wstring>& keys) const {
  keys.clear();
  for (const auto& pair : pairs_) keys.push_back(pair.first);
}

std::wstring CIniSection::GetValue(const std::wstring& key) const {
  if (key.empty()) return {};
  for (const auto& pair : pairs_)
    if (pair.first == key) return pair.second;
  return {};
}

}  // namespace REGINI_MGR
