#include "data_folders.h"

#include <shlobj.h>
#include <shlwapi.h>

std::wstring DocumentsFolder(HWND owner) {
  wchar_t buffer[MAX_PATH] = {};  // the size this shell call is defined for
  if (!SHGetSpecialFolderPathW(owner, buffer, CSIDL_PERSONAL, TRUE)) return {};
  std::wstring path = buffer;
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}

std::wstring EnsureSubFolder(const std::wstring& parent, const wchar_t* name) {
  if (parent.empty()) return {};
  std::wstring path = parent + name;
  if (!PathFileExistsW(path.c_str())) CreateDirectoryW(path.c_str(), nullptr);
  return path + L'\\';
}

std::wstring ProfileRootFolder(HWND owner) { return EnsureSubFolder(DocumentsFolder(owner), L"KARVO"); }

std::wstring DeviceProfileFolder(HWND owner, const wchar_t* kind) {
  return EnsureSubFolder(ProfileRootFolder(owner), kind);
}
