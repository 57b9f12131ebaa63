// Stand-in of the audio device service program. It registers itself under its own file name on
// "/Service", removes itself on "/UnregServer", runs as a service when the Service Control Manager
// starts it, and logs every run and every control to "<name>.log" beside itself. A Windows
// program, so that no console window opens on each run.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::wstring g_programPath;
std::wstring g_serviceName;
SERVICE_STATUS_HANDLE g_statusHandle = nullptr;
HANDLE g_stopEvent = nullptr;

void Log(const std::wstring& line) {
  const std::wstring logPath = g_programPath.substr(0, g_programPath.rfind(L'.')) + L".log";
  if (FILE* file = _wfopen(logPath.c_str(), L"ab")) {
    std::fprintf(file, "%ls\n", line.c_str());
    std::fclose(file);
  }
}

void ReportState(DWORD state) {
  SERVICE_STATUS status = {};
  status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
  status.dwCurrentState = state;
  status.dwControlsAccepted = state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0;
  SetServiceStatus(g_statusHandle, &status);
}

DWORD WINAPI ControlHandler(DWORD control, DWORD, void*, void*) {
  Log(L"control " + std::to_wstring(control));
  if (control == SERVICE_CONTROL_STOP) {
    ReportState(SERVICE_STOP_PENDING);
    SetEvent(g_stopEvent);
  }
  return NO_ERROR;
}

void WINAPI ServiceMain(DWORD, LPWSTR*) {
  g_statusHandle = RegisterServiceCtrlHandlerExW(g_serviceName.c_str(), ControlHandler, nullptr);
  if (!g_statusHandle) return;
  g_stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ReportState(SERVICE_RUNNING);
  Log(L"service running");
  WaitForSingleObject(g_stopEvent, INFINITE);
  Log(L"service stopped");
  ReportState(SERVICE_STOPPED);
}

int Register() {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  if (!manager) return 1;
  const std::wstring binary = L"\"" + g_programPath + L"\"";
  SC_HANDLE service =
      CreateServiceW(manager, g_serviceName.c_str(), g_serviceName.c_str(), SERVICE_ALL_ACCESS,
                     SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL,
                     binary.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
  if (!service && GetLastError() == ERROR_SERVICE_EXISTS) {
    service = OpenServiceW(manager, g_serviceName.c_str(), SERVICE_ALL_ACCESS);
    if (service)
      ChangeServiceConfigW(service, SERVICE_NO_CHANGE, SERVICE_DEMAND_START, SERVICE_NO_CHANGE,
                           binary.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  }
  const int result = service ? 0 : 1;
  if (service) CloseServiceHandle(service);
  CloseServiceHandle(manager);
  return result;
}

int Unregister() {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  if (!manager) return 1;
  SC_HANDLE service = OpenServiceW(manager, g_serviceName.c_str(), DELETE);
  const bool deleted = service && DeleteService(service);
  if (service) CloseServiceHandle(service);
  CloseServiceHandle(manager);
  return deleted ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 1;
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  g_programPath = path;
  const size_t slash = g_programPath.rfind(L'\\') + 1;
  g_serviceName = g_programPath.substr(slash, g_programPath.rfind(L'.') - slash);

  std::wstring arguments;
  for (int i = 1; i < argc; ++i) arguments += (i > 1 ? L" " : L"") + std::wstring(argv[i]);
  const bool hasArguments = argc > 1;
  LocalFree(argv);
  Log(L"run: " + arguments);

  if (arguments == L"/Service") return Register();
  if (arguments == L"/UnregServer") return Unregister();
  if (hasArguments) return 0;  // "/silent /uninstall" and the like: nothing of ours to do
  SERVICE_TABLE_ENTRYW table[] = {{&g_serviceName[0], ServiceMain}, {nullptr, nullptr}};
  return StartServiceCtrlDispatcherW(table) ? 0 : 1;
}
