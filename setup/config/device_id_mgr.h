#pragma once
#include <map>
#include <string>
#include <vector>

#include "ini_mgr.h"

// One device-id group: the verified hardware-id patterns of one section of "AudioConfig.bin",
// their copy in the registry, and the matching of a device's hardware id against them.
namespace DEVICEID_MGR {

class CDeviceIdMgr {
 public:
  CDeviceIdMgr() = default;
  ~CDeviceIdMgr() { Clear(); }
  CDeviceIdMgr(const CDeviceIdMgr&) = delete;
  CDeviceIdMgr& operator=(const CDeviceIdMgr&) = delete;

  // 0; 1 the file did not load; 2 no such section; 3 the section has no keys; 4 an entry has an
  // empty pattern or check.
  int LoadFromConfig(const std::wstring& path, const std::wstring& sectionName);
  // Keeps each "pattern,check" value whose check decrypts to the pattern; 0, or 1 for an empty
  // part.
  static int ParseEntries(const std::vector<std::wstring>& values,
                          std::multimap<std::wstring, std::wstring>& entries);
  // True when the id, upper-cased, equals a pattern with 'X' matching any character.
  bool MatchHardwareId(std::wstring hardwareId) const;
  // Writes the entries as values "1", "2", ... under HKLM\SOFTWARE\<group name> and removes the
  // numbered values an earlier, larger group left behind. 0; 1 the key cannot be created or
  // opened; 2 a value cannot be written.
  int SaveGroupToRegistry(const std::wstring& groupName) const;
  void Clear();

  const std::multimap<std::wstring, std::wstring>& Entries() const { return entries_; }

 private:
  REGINI_MGR::CIniMgr reader_;
  std::vector<std::wstring> values_;
  std::multimap<std::wstring, std::wstring> entries_;
};

}  // namespace DEVICEID_MGR
