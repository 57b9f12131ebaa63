#include "setup_test_helpers.h"

std::wstring ReadMachineString(const std::wstring& keyPath, const wchar_t* valueName) {
  wchar_t data[2048] = {};
  DWORD size = sizeof(data) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_LOCAL_MACHINE, keyPath.c_str(), valueName,
                   RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, data,
                   &size) != ERROR_SUCCESS)
    return L"<missing>";
  return data;
}

DWORD ReadMachineDword(const std::wstring& keyPath, const wchar_t* valueName) {
  DWORD data = MAXDWORD;
  DWORD size = sizeof(data);
  RegGetValueW(HKEY_LOCAL_MACHINE, keyPath.c_str(), valueName, RRF_RT_REG_DWORD, nullptr, &data,
               &size);
  return data;
}

bool MachineKeyExists(const std::wstring& keyPath) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

std::wstring TestProgramFolder() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.rfind(L'\\') + 1);
}

bool WindowsIs64Bit() {
  if (sizeof(void*) == 8) return true;
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

HANDLE StartProgram(const std::wstring& path, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

DWORD RunProgram(const std::wstring& path, const std::wstring& arguments, DWORD limitMs) {
  HANDLE process = StartProgram(path, arguments);
  if (!process) return MAXDWORD;
  DWORD code = MAXDWORD;
  if (WaitForSingleObject(process, limitMs) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code;
}

ProgressListener::ProgressListener()
    : message_(RegisterWindowMessageW(L"WM_INSTALL7D1_RESULT")),
      ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  thread_ = std::thread([this] { Loop(); });
  WaitForSingleObject(ready_, 10000);
}

ProgressListener::~ProgressListener() {
  PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
  thread_.join();
  CloseHandle(ready_);
}

std::vector<DWORD> ProgressListener::Codes() {
  std::lock_guard<std::mutex> hold(lock_);
  return codes_;
}

LRESULT CALLBACK ProgressListener::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<ProgressListener*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && msg == self->message_) {
    std::lock_guard<std::mutex> hold(self->lock_);
    self->codes_.push_back(static_cast<DWORD>(wParam));
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

void ProgressListener::Loop() {
  threadId_ = GetCurrentThreadId();
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"InstallProgressListener";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"listener", WS_OVERLAPPED, 0, 0, 0,
                                0, nullptr, nullptr, windowClass.hInstance, nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  MSG msg;
  PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists before `ready_`
  SetEvent(ready_);
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  DestroyWindow(window);
}
