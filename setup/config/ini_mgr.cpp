// Grouping of the decoded lines into sections, and the section lookups.
#include "ini_mgr.h"

namespace REGINI_MGR {

const char kConfigHeader[39] = "{65BB2052-271D-492E-8383-AA1847735C43}";
static_assert(sizeof(kConfigHeader) - 1 == kConfigHeaderLength, "header length");

void CIniMgr::Clear() {
  lines_.clear();
  sections_.clear();
}

int CIniMgr::BuildSections() {
  CIniSectionDefine* current = nullptr;
  for (const std::wstring& line : lines_) {
    if (line.empty() || line[0] == L';') continue;
    // A header is recognised the way the section reads its lines, so "[NAME] " from a file with
    // CR LF line ends still opens its own section instead of renaming the one before it.
    const std::wstring trimmed = TrimIniLine(line);
    if (IsSectionHeader(trimmed)) {
      auto define = std::make_unique<CIniSectionDefine>();
      define->name = trimmed.substr(1, trimmed.size() - 2);
      define->rawLines.push_back(line);
      current = define.get();
      sections_.push_back(std::move(define));
    } else if (current != nullptr) {
      current->rawLines.push_back(line);
    }
  }
  for (auto& define : sections_) define->section.Parse(define->rawLines);
  return 0;
}

const CIniSectionDefine* CIniMgr::FindSection(const std::wstring& name) const {
  for (const auto& define : sections_)
    if (define->name == name) return define.get();
  return nullptr;
}

bool CIniMgr::HasSection(const std::wstring& name) const { return FindSection(name) != nullptr; }

void CIniMgr::GetSectionKeys(const std::wstring& name, std::vector<std::wstring>& keys) const {
  if (const CIniSectionDefine* define = FindSection(name)) define->section.GetKeys(keys);
}

std::wstring CIniMgr::GetValue(const std::wstring& name, const std::wstring& key) const {
  const CIniSectionDefine* define = FindSection(name);
  return define ? define->section.GetValue(key) : std::wstring();
}

}  // namespace REGINI_MGR
