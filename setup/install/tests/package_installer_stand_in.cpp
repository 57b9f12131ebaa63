// Stands in for the Windows program that installs an update package: it takes a moment, then
// appends its command line to "<its own path>.log". A test that finds the line as soon as the
// starter returns knows that the starter waited for it.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR commandLine, int) {
  Sleep(300);
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (FILE* log = _wfopen((std::wstring(path) + L".log").c_str(), L"ab")) {
    std::fprintf(log, "ran: %ls\n", commandLine);
    std::fclose(log);
  }
  return 0;
}
