#pragma once
#include <windows.h>

#include <setupapi.h>
#include <shellapi.h>

#include <string>

#include "device_id_mgr.h"
#include "device_state_calls.h"
#include "install_records.h"
#include "version_info_mgr.h"

// The installation engine: platform facts and folders, the components carried as resources,
// driver and service installation, the device filter clean-up, the uninstaller with its entry and
// the Windows update package.
namespace INSTALL_MGR {

class CInstallMgr {
 public:
  CInstallMgr();
  CInstallMgr(const CInstallMgr&) = delete;
  CInstallMgr& operator=(const CInstallMgr&) = delete;

  std::wstring GetSystemX86Folder() const { return SystemX86Folder; }
  std::wstring GetNativeSystemFolder() const { return NativeSystemFolder; }
  std::wstring GetProgramFilesFolder() const { return ProgramFilesFolder; }

  // Bytes of a resource of the program's own module, valid for the process; null when missing or
  // empty. `size` is written on success only.
  static const void* LoadEmbeddedResource(int id, const std::wstring& type, DWORD* size);
  // 0 written completely; 1 cannot open; 2 short write.
  static int WriteBufferToFile(const std::wstring& path, const void* data, DWORD size);
  static void DisableWow64Redirection(PVOID* value);
  static void RevertWow64Redirection(PVOID value);
  // 1 when the key opens in the 64-bit or else the 32-bit view of HKLM, else 0.
  static int RegistryKeyExists(const std::wstring& keyPath);
  // HKLM\SOFTWARE\<keyName>: 0 written; 1 the key cannot be created; 2 the value write failed.
  static int WriteSoftwareValue(const std::wstring& keyName, const std::wstring& valueName,
                                const std::wstring& data);

  // Driver and service program.
  static int CreateDriverServiceKey(const std::wstring& name);
  int InstallDriver(const std::wstring& name, int resourceId, const std::wstring& resourceType);
  int InstallService(const std::wstring& name, int resourceId, const std::wstring& resourceType,
                     const std::wstring& arguments);
  int RunServiceProgram(const std::wstring& name, const std::wstring& arguments);

  // Device filter clean-up and restart.
  static wchar_t* GetMultiSzDeviceProperty(HDEVINFO set, SP_DEVINFO_DATA* device, DWORD property);
  static int GetMultiSzLength(const wchar_t* list);
  static bool RemoveNameFromDeviceProperty(HDEVINFO set, SP_DEVINFO_DATA* device,
                                           const std::wstring& name, DWORD property);
  int RemoveFilterFromMatchingDevices(const GUID& classGuid, size_t hardwareIdLength,
                                      const DEVICEID_MGR::CDeviceIdMgr& group,
                                      const std::wstring& filterName, DWORD property);
  int RestartMatchingDevices(const GUID& classGuid, size_t hardwareIdLength,
                             const DEVICEID_MGR::CDeviceIdMgr& group);
  void RemoveFilterAndRestart(const GUID& classGuid, size_t hardwareIdLength,
                              const DEVICEID_MGR::CDeviceIdMgr& group,
                              const std::wstring& filterName, DWORD property);

  // Uninstaller and its entry.
  int InstallUninstaller(int resourceId, const std::wstring& resourceType,
                         const std::wstring& destination, const _REG_UNINSTALL_INFO* info);
  static bool WriteUninstallInfo(const _REG_UNINSTALL_INFO* info);

  // Windows update package.
  int WriteWindowPatchFile(int resourceId, const std::wstring& resourceType);
  int InstallWindowPatchIfNeeded();
  static bool IsPackageApplicabilityCached(const std::wstring& packageName);
  static bool FindServicingPackage(const std::wstring& updateNumber);
  static int RunAndWait(const wchar_t* path, int unused, int timeoutMs);
  // The shell call that RunAndWait starts the package with; tests put a recording stand-in here.
  static BOOL(WINAPI* StartWithShell)(SHELLEXECUTEINFOW* request);

  std::wstring WindowPatchPath() const;

  // Platform facts, filled by the constructor (tests set them to walk the other branches).
  int Is64BitOs = 0;
  int Is64BitOsCopy = 0;
  int WindowsFamily = 0;
  int WindowsVersionCode = 0;
  int ServicePackMajor = 0;
  std::wstring SystemX86Folder;
  std::wstring NativeSystemFolder;
  std::wstring ProgramFilesFolder;
  VERSIONINFO_MGR::CVersionInfoMgr VersionInfoMgr;
  const DeviceStateCalls* DeviceState = &kSetupApiDeviceState;

 private:
  // Switches redirection off for the calling thread when Windows is 64-bit, back on when it ends.
  class Wow64Off;
};

// Device restart through the class installer. Disable: 0, 1 request not set, 2 installer failed.
// Enable: 0; 1, 2 global enable; 3, 4 profile enable; 5 no install parameters; 6 reboot needed.
int DisableDevice(const DeviceStateCalls& calls, HDEVINFO set, SP_DEVINFO_DATA* device);
int EnableDevice(const DeviceStateCalls& calls, HDEVINFO set, SP_DEVINFO_DATA* device);
// Disable, pause 1000 ms, enable; true when the enable gave 0.
bool RestartDevice(const DeviceStateCalls& calls, HDEVINFO set, SP_DEVINFO_DATA* device);

// 0 start (and wait for running), 1 stop (and wait for stopped), any other code sent once.
// 0 done; 1 no manager; 2 no service; 3 no status; 4 stop refused; 5 not stopped in time;
// 6 start refused; 7 not running in time.
int ControlServiceByName(const wchar_t* name, DWORD control);

}  // namespace INSTALL_MGR
