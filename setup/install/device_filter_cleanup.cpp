// Takes the filter driver out of the filter lists of matching devices and restarts them.
#include <windows.h>

#include <setupapi.h>

#include <cstring>
#include <memory>
#include <vector>

#include "install_mgr.h"
#include "text_decoding.h"

const DeviceStateCalls kSetupApiDeviceState = {SetupDiSetClassInstallParamsW,
                                               SetupDiCallClassInstaller,
                                               SetupDiGetDeviceInstallParamsW, Sleep};

namespace INSTALL_MGR {

namespace {

const DWORD kRestartPauseMs = 1000;

using PropertyBuffer = std::unique_ptr<wchar_t[]>;

// The property's bytes in a zeroed buffer with room behind the data, so that a list that lacks
// its final NUL still ends; null when the property cannot be read.
wchar_t* GetDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA* device, DWORD property,
                                   DWORD* type) {
  DWORD required = 0;
  if (SetupDiGetDeviceRegistryPropertyW(set, device, property, nullptr, nullptr, 0, &required) ||
      GetLastError() != ERROR_INSUFFICIENT_BUFFER || required == 0)
    return nullptr;
  const DWORD bytes = required * 2 + 4;
  wchar_t* buffer = new (std::nothrow) wchar_t[(bytes + 1) / 2]();
  if (!buffer) return nullptr;
  if (!SetupDiGetDeviceRegistryPropertyW(set, device, property, type,
                                         reinterpret_cast<BYTE*>(buffer), bytes, nullptr)) {
    delete[] buffer;
    return nullptr;
  }
  return buffer;
}

// The entries of a REG_MULTI_SZ list up to the empty entry that ends it.
std::vector<std::wstring> MultiSzEntries(const wchar_t* list) {
  std::vector<std::wstring> entries;
  for (const wchar_t* entry = list; *entry; entry += wcslen(entry) + 1) entries.push_back(entry);
  return entries;
}

bool DevicePropertyHasName(HDEVINFO set, SP_DEVINFO_DATA* device, const std::wstring& name,
                           DWORD property) {
  DWORD type = 0;
  PropertyBuffer buffer(GetDeviceRegistryProperty(set, device, property, &type));
  if (!buffer || type != REG_MULTI_SZ) return false;
  for (const std::wstring& entry : MultiSzEntries(buffer.get()))
    if (_wcsicmp(entry.c_str(), name.c_str()) == 0) return true;
  return false;
}

// Calls `act` for every device of the list whose first hardware id has the length and matches
// the group. 1 when the list cannot be had, else 0.
template <typename Act>
int ForEachMatchingDevice(const GUID& classGuid, DWORD flags, size_t hardwareIdLength,
                          const DEVICEID_MGR::CDeviceIdMgr& group, Act act) {
  HDEVINFO set = SetupDiGetClassDevsW(&classGuid, nullptr, nullptr, flags);
  if (set == INVALID_HANDLE_VALUE) return 1;
  SP_DEVINFO_DATA device = {};
  device.cbSize = sizeof(device);
  for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
    DWORD type = 0;
    PropertyBuffer ids(GetDeviceRegistryProperty(set, &device, SPDRP_HARDWAREID, &type));
    if (!ids) continue;
    const std::wstring firstId = ids.get();
    ids.reset();
    if (firstId.size() != hardwareIdLength || !group.MatchHardwareId(firstId)) continue;
    act(set, &device);
  }
  SetupDiDestroyDeviceInfoList(set);
  return 0;
}

}  // namespace

static bool ChangeDeviceState(const DeviceStateCalls& calls, HDEVINFO set, SP_DEVINFO_DATA* device,
                              DWORD state, DWORD scope, int setFailure, int callFailure,
                              int* result) {
  SP_PROPCHANGE_PARAMS change = {};
  change.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
  change.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
  change.StateChange = state;
  change.Scope = scope;
  change.HwProfile = 0;
  if (!calls.SetClassInstallParams(set, device, &change.ClassInstallHeader, sizeof(change))) {
    *result = setFailure;
    return false;
  }
  if (!calls.CallClassInstaller(DIF_PROPERTYCHANGE, set, device)) {
    *result = callFailure;
    return false;
  }
  return true;
}

int DisableDevice(const DeviceStateCalls& calls, HDEVINFO set, SP_DEVINFO_DATA* device) {
  int result = 0;
  ChangeDeviceState(calls, set, device, DICS_DISABLE, DICS_FLAG_CONFIGSPECIFIC, 1, 2, &result);
  return result;
}

int EnableDevice(const DeviceStateCalls& calls, HDEVINFO set, SP_DEVINFO_DATA* device) {
  int result = 0;
  if (!ChangeDeviceState(calls, set, device, DICS_ENABLE, DICS_FLAG_GLOBAL, 1, 2, &result) ||
      !ChangeDeviceState(calls, set, device, DICS_ENABLE, DICS_FLAG_CONFIGSPECIFIC, 3, 4, &result))
    return result;
  SP_DEVINSTALL_PARAMS_W params = {};
  params.cbSize = sizeof(params);
  if (!calls.GetDeviceInstallParams(set, device, &params)) return 5;
  return (params.Flags & DI_NEEDREBOOT) ? 6 : 0;
}

bool RestartDevice(const DeviceStateCalls& calls, HDEVINFO set, SP_DEVINFO_DATA* device) {
  DisableDevice(calls, set, device);
  calls.Pause(kRestartPauseMs);
  return EnableDevice(calls, set, device) == 0;
}

wchar_t* CInstallMgr::GetMultiSzDeviceProperty(HDEVINFO set, SP_DEVINFO_DATA* device,
                                               DWORD property) {
  DWORD type = 0;
  wchar_t* buffer = GetDeviceRegistryProperty(set, device, property, &type);
  if (buffer && type != REG_MULTI_SZ) {
    delete[] buffer;
    return nullptr;
  }
  return buffer;
}

int CInstallMgr::GetMultiSzLength(const wchar_t* list) {
  int length = 0;
  for (const wchar_t* entry = list; *entry; entry += wcslen(entry) + 1)
    length += static_cast<int>(wcslen(entry)) + 1;
  return length == 0 ? 0 : length + 1;
}

bool CInstallMgr::RemoveNameFromDeviceProperty(HDEVINFO set, SP_DEVINFO_DATA* device,
                                               const std::wstring& name, DWORD property) {
  PropertyBuffer buffer(GetMultiSzDeviceProperty(set, device, property));
  if (!buffer) return true;
  const std::vector<std::wstring> entries = MultiSzEntries(buffer.get());
  if (entries.empty()) return false;
  // Rewritten in place: the kept entries are never longer than the list they come from.
  const std::wstring upperName = REGINI_MGR::UpperCaseCLocale(name);
  wchar_t* out = buffer.get();
  for (const std::wstring& entry : entries) {
    const std::wstring upperEntry = REGINI_MGR::UpperCaseCLocale(entry);
    if (upperEntry == upperName) continue;
    std::memcpy(out, upperEntry.c_str(), (upperEntry.size() + 1) * sizeof(wchar_t));
    out += upperEntry.size() + 1;
  }
  *out = L'\0';
  const DWORD bytes = GetMultiSzLength(buffer.get()) * sizeof(wchar_t);
  if (bytes == 0) {
    SetupDiSetDeviceRegistryPropertyW(set, device, property, nullptr, 0);
    return true;
  }
  return SetupDiSetDeviceRegistryPropertyW(set, device, property,
                                           reinterpret_cast<const BYTE*>(buffer.get()), bytes);
}

int CInstallMgr::RemoveFilterFromMatchingDevices(const GUID& classGuid, size_t hardwareIdLength,
                                                 const DEVICEID_MGR::CDeviceIdMgr& group,
                                                 const std::wstring& filterName, DWORD property) {
  return ForEachMatchingDevice(classGuid, DIGCF_ALLCLASSES, hardwareIdLength, group,
                               [&](HDEVINFO set, SP_DEVINFO_DATA* device) {
                                 if (DevicePropertyHasName(set, device, filterName, property))
                                   RemoveNameFromDeviceProperty(set, device, filterName, property);
                               });
}

int CInstallMgr::RestartMatchingDevices(const GUID& classGuid, size_t hardwareIdLength,
                                        const DEVICEID_MGR::CDeviceIdMgr& group) {
  return ForEachMatchingDevice(
      classGuid, DIGCF_ALLCLASSES | DIGCF_PRESENT, hardwareIdLength, group,
      [&](HDEVINFO set, SP_DEVINFO_DATA* device) { RestartDevice(*DeviceState, set, device); });
}

void CInstallMgr::RemoveFilterAndRestart(const GUID& classGuid, size_t hardwareIdLength,
                                         const DEVICEID_MGR::CDeviceIdMgr& group,
                                         const std::wstring& filterName, DWORD property) {
  if (RemoveFilterFromMatchingDevices(classGuid, hardwareIdLength, group, filterName, property) ==
      0)
    RestartMatchingDevices(classGuid, hardwareIdLength, group);
}

}  // namespace INSTALL_MGR
