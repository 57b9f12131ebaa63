#include "device_id_mgr.h"

#include "des_decryption.h"
#include "text_decoding.h"

namespace DEVICEID_MGR {

namespace {

const int kCheckCapacity = 4096;

// The check decrypted, cut at its first zero byte and widened byte by byte as signed 8-bit
// numbers (so bytes from 0x80 become U+FF80 and up); false when it does not decrypt.
bool DecryptCheck(const std::wstring& check, std::wstring* plain) {
  std::string narrow;
  for (wchar_t unit : check) narrow.push_back(static_cast<char>(unit & 0xFF));
  std::string output(kCheckCapacity, '\0');
  int size = kCheckCapacity;
  if (REGINI_MGR::DecryptBase64Entry(reinterpret_cast<const unsigned char*>(narrow.data()),
                                     static_cast<int>(narrow.size()),
                                     reinterpret_cast<unsigned char*>(&output[0]), &size) != 0)
    return false;
  plain->clear();
  for (char byte : output) {
    if (byte == 0) break;
    plain->push_back(static_cast<wchar_t>(static_cast<signed char>(byte)));
  }
  return true;
}

}  // namespace

int CDeviceIdMgr::LoadFromConfig(const std::wstring& path, const std::wstring& sectionName) {
  if (reader_.LoadEncrypted(path) != 0) return 1;
  if (!reader_.HasSection(sectionName)) return 2;
  std::vector<std::wstring> keys;
  reader_.GetSectionKeys(sectionName, keys);
  if (keys.empty()) return 3;
  for (const std::wstring& key : keys) values_.push_back(reader_.GetValue(sectionName, key));
  if (ParseEntries(values_, entries_) != 0) return 4;
  return 0;
}

int CDeviceIdMgr::ParseEntries(const std::vector<std::wstring>& values,
                               std::multimap<std::wstring, std::wstring>& entries) {
  for (const std::wstring& value : values) {
    const size_t comma = value.find(L',');
    if (comma == std::wstring::npos) continue;
    std::wstring pattern = value.substr(0, comma);
    std::wstring check = value.substr(comma + 1);
    std::wstring trimmed;
    REGINI_MGR::TrimCharInPlace(trimmed, pattern, L' ');
    REGINI_MGR::TrimCharInPlace(trimmed, check, L' ');
    if (pattern.empty() || check.empty()) return 1;
    std::wstring plain;
    if (DecryptCheck(check, &plain) && plain == pattern) entries.emplace(pattern, check);
  }
  return 0;
}

bool CDeviceIdMgr::MatchHardwareId(std::wstring hardwareId) const {
  hardwareId = REGINI_MGR::UpperCaseCLocale(hardwareId);
  for (const auto& entry : entries_) {
    const std::wstring& pattern = entry.first;
    if (pattern.size() != hardwareId.size()) continue;
    std::wstring masked = hardwareId;
    for (size_t i = 0; i < pattern.size(); ++i)
      if (pattern[i] == L'X') masked[i] = L'X';
    if (masked == pattern) return true;
  }
  return false;
}

void CDeviceIdMgr::Clear() {
  values_.clear();
  entries_.clear();
}

}  // namespace DEVICEID_MGR
