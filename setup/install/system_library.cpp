#include "system_library.h"

#include <string>

void RestrictDllSearchToSystemFolder() {
  // Windows 7 without its loader update lacks this call; there the current folder still goes.
  typedef BOOL(WINAPI * SetDefaultDllDirectoriesProc)(DWORD);
  if (auto setDefault = ModuleFunction<SetDefaultDllDirectoriesProc>(
          GetModuleHandleW(L"kernel32"), "SetDefaultDllDirectories"))
    setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
  SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const wchar_t* fileName) {
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder) + L"\\" + fileName;
  return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
