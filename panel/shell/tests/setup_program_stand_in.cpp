// Takes the setup program's place where a test starts it: after a pause long enough that a caller
// which did not wait would already be back, it appends its command line's arguments to
// "<its own path>.log" and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  Sleep(300);
  std::wstring self(32768, L'\0');
  self.resize(GetModuleFileNameW(nullptr, &self[0], static_cast<DWORD>(self.size())));
  const std::wstring log = self + L".log";
  HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  const std::wstring line = std::wstring(arguments) + L"\n";
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(file);
  return 0;
}
