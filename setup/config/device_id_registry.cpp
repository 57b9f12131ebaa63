// The device-id group's copy in the registry, read by the installed components.
#include <windows.h>

#include <string>
#include <vector>

#include "device_id_mgr.h"

namespace DEVICEID_MGR {

namespace {

// The number a value name stands for when it is written the way the group numbers its values
// ("1", "2", ...), else 0.
unsigned long GroupValueNumber(const std::wstring& name) {
  if (name.empty() || name.size() > 9 || name[0] == L'0') return 0;
  unsigned long number = 0;
  for (wchar_t unit : name) {
    if (unit < L'0' || unit > L'9') return 0;
    number = number * 10 + (unit - L'0');
  }
  return number;
}

// Numbered values above the new count would keep device ids that the group no longer holds. A
// value that cannot be read here (a name too long for the buffer is no group number anyway) is
// passed over, so the values after it are still swept.
void RemoveValuesAbove(HKEY key, unsigned long count) {
  DWORD valueCount = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount,
                       nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return;
  std::vector<std::wstring> stale;
  wchar_t name[256];
  for (DWORD index = 0; index < valueCount; ++index) {
    DWORD length = ARRAYSIZE(name);
    if (RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS &&
        GroupValueNumber(name) > count)
      stale.push_back(name);
  }
  for (const std::wstring& value : stale) RegDeleteValueW(key, value.c_str());
}

}  // namespace

int CDeviceIdMgr::SaveGroupToRegistry(const std::wstring& groupName) const {
  const std::wstring path = L"SOFTWARE\\" + groupName;
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    return 1;
  int result = 0;
  unsigned long counter = 1;
  for (const auto& entry : entries_) {
    const std::wstring name = std::to_wstring(counter++);
    const std::wstring data = entry.first + L"," + entry.second;
    if (RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS)
      result = 2;
  }
  RemoveValuesAbove(key, counter - 1);
  RegFlushKey(key);
  RegCloseKey(key);
  return result;
}

}  // namespace DEVICEID_MGR
