// The filter driver's service key and file, the service program, and service control.
#include <windows.h>

#include "install_mgr.h"
#include "registry_values.h"

namespace INSTALL_MGR {

namespace {

const DWORD kProgramRunLimitMs = 100000;
const int kServicePolls = 30;
const DWORD kServicePollMs = 300;

// Starts the command line and waits for it: 0 ended, 1 still running after the limit, 2 no start.
int RunAndWaitForProgram(const std::wstring& program, const std::wstring& arguments) {
  // The path is quoted: the folders may hold blanks.
  std::wstring commandLine = L"\"" + program + L"\" " + arguments;
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, HIGH_PRIORITY_CLASS,
                      nullptr, nullptr, &startup, &process))
    return 2;
  const DWORD wait = WaitForSingleObject(process.hProcess, kProgramRunLimitMs);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return wait == WAIT_OBJECT_0 ? 0 : 1;
}

// Polls until the service reaches the state: true when it did.
bool WaitForServiceState(SC_HANDLE service, DWORD state) {
  for (int poll = 0; poll < kServicePolls; ++poll) {
    SERVICE_STATUS status = {};
    if (QueryServiceStatus(service, &status) && status.dwCurrentState == state) return true;
    Sleep(kServicePollMs);
  }
  return false;
}

int ControlOpenService(SC_HANDLE service, DWORD control) {
  SERVICE_STATUS status = {};
  if (!QueryServiceStatus(service, &status)) return 3;
  if (control == SERVICE_CONTROL_STOP) {
    if (status.dwCurrentState == SERVICE_STOPPED) return 0;
    if (!ControlService(service, SERVICE_CONTROL_STOP, &status)) return 4;
    return WaitForServiceState(service, SERVICE_STOPPED) ? 0 : 5;
  }
  if (control == 0) {
    if (status.dwCurrentState == SERVICE_RUNNING) return 0;
    if (!StartServiceW(service, 0, nullptr)) return 6;
    return WaitForServiceState(service, SERVICE_RUNNING) ? 0 : 7;
  }
  ControlService(service, control, &status);
  return 0;
}

}  // namespace

class CInstallMgr::Wow64Off {
 public:
  explicit Wow64Off(bool is64BitOs) : active_(is64BitOs) {
    if (active_) DisableWow64Redirection(&value_);
  }
  ~Wow64Off() {
    if (active_) RevertWow64Redirection(value_);
  }
  Wow64Off(const Wow64Off&) = delete;
  Wow64Off& operator=(const Wow64Off&) = delete;

 private:
  bool active_;
  PVOID value_ = nullptr;
};

int ControlServiceByName(const wchar_t* name, DWORD control) {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  if (!manager) return 1;
  SC_HANDLE service = OpenServiceW(manager, name, SERVICE_ALL_ACCESS);
  if (!service) {
    CloseServiceHandle(manager);
    return 2;
  }
  const int result = ControlOpenService(service, control);
  CloseServiceHandle(service);
  CloseServiceHandle(manager);
  return result;
}

int CInstallMgr::CreateDriverServiceKey(const std::wstring& name) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (L"SYSTEM\\CurrentControlSet\\Services\\" + name).c_str(),
                      0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return 1;
  SetDwordValue(key, L"ErrorControl", SERVICE_ERROR_NORMAL);
  SetDwordValue(key, L"Start", SERVICE_DEMAND_START);
  SetDwordValue(key, L"Type", SERVICE_KERNEL_DRIVER);
  SetStringValue(key, L"ImagePath", L"System32\\DRIVERS\\" + name + L".sys", REG_EXPAND_SZ);
  RegFlushKey(key);
  RegCloseKey(key);
  return 0;
}

int CInstallMgr::InstallDriver(const std::wstring& name, int resourceId,
                               const std::wstring& resourceType) {
  if (CreateDriverServiceKey(name) != 0) return 1;
  Wow64Off redirectionOff(Is64BitOs == 1);
  DWORD size = 0;
  const void* data = LoadEmbeddedResource(resourceId, resourceType, &size);
  if (!data) return 2;
  if (WriteBufferToFile(NativeSystemFolder + L"drivers\\" + name + L".sys", data, size) != 0)
    return 3;
  return 0;
}

int CInstallMgr::InstallService(const std::wstring& name, int resourceId,
                                const std::wstring& resourceType, const std::wstring& arguments) {
  ControlServiceByName(name.c_str(), SERVICE_CONTROL_STOP);
  {
    Wow64Off redirectionOff(Is64BitOs == 1);
    DWORD size = 0;
    const void* data = LoadEmbeddedResource(resourceId, resourceType, &size);
    if (!data) return 1;
    const std::wstring program = NativeSystemFolder + name + L".exe";
    if (WriteBufferToFile(program, data, size) != 0) return 2;
    const int run = RunAndWaitForProgram(program, arguments);
    if (run == 2) return 4;
    if (run == 1) return 3;
  }
  ControlServiceByName(name.c_str(), 0);
  return 0;
}

int CInstallMgr::RunServiceProgram(const std::wstring& name, const std::wstring& arguments) {
  ControlServiceByName(name.c_str(), SERVICE_CONTROL_STOP);
  Wow64Off redirectionOff(Is64BitOs == 1);
  return RunAndWaitForProgram(NativeSystemFolder + name + L".exe", arguments);
}

}  // namespace INSTALL_MGR
