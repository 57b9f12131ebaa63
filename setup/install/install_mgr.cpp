// Platform facts, folders, embedded components, file writing, redirection and registry helpers.
#include "install_mgr.h"

#include <shlobj.h>

#include <cstdio>
#include <memory>

#include "diagnostics.h"
#include "registry_values.h"
#include "system_library.h"

namespace INSTALL_MGR {

namespace {

std::wstring WithTrailingBackslash(const wchar_t* folder) {
  std::wstring text = folder;
  if (text.empty() || text.back() != L'\\') text += L'\\';
  return text;
}

// Looked up at every call: 32-bit Windows before XP SP2 has no such functions.
template <typename Proc>
Proc Kernel32Function(const char* name) {
  return ModuleFunction<Proc>(GetModuleHandleW(L"kernel32"), name);
}

}  // namespace

CInstallMgr::CInstallMgr() {
  wchar_t folder[512] = {};
  SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, folder);
  ProgramFilesFolder = WithTrailingBackslash(folder);

  VERSIONINFO_MGR::CVersionInfoMgr::GetOsBits(&Is64BitOsCopy, &Is64BitOs);

  wchar_t system[MAX_PATH] = {};
  SHGetSpecialFolderPathW(nullptr, system, Is64BitOsCopy == 1 ? CSIDL_SYSTEMX86 : CSIDL_SYSTEM,
                          TRUE);
  SystemX86Folder = std::wstring(system) + L"\\";

  PVOID redirection = nullptr;
  if (Is64BitOsCopy == 1) DisableWow64Redirection(&redirection);
  wchar_t native[MAX_PATH] = {};
  GetSystemDirectoryW(native, MAX_PATH);
  NativeSystemFolder = std::wstring(native) + L"\\";
  if (Is64BitOsCopy == 1) RevertWow64Redirection(redirection);

  if (VersionInfoMgr.GetWindowsVersion(&WindowsFamily, &WindowsVersionCode, &ServicePackMajor) != 0)
    DebugLine(L"CInstallMgr::CInstallMgr ***** GetWindowsVersion FAIL! *****\n");
}

const void* CInstallMgr::LoadEmbeddedResource(int id, const std::wstring& type, DWORD* size) {
  HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(id), type.c_str());
  if (!resource) return nullptr;
  const DWORD bytes = SizeofResource(nullptr, resource);
  if (bytes == 0) return nullptr;
  HGLOBAL loaded = LoadResource(nullptr, resource);
  if (!loaded) return nullptr;
  const void* data = LockResource(loaded);
  if (!data) return nullptr;
  *size = bytes;
  return data;
}

int CInstallMgr::WriteBufferToFile(const std::wstring& path, const void* data, DWORD size) {
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) return 1;
  const size_t written = std::fwrite(data, 1, size, file);
  std::fclose(file);
  return written == size ? 0 : 2;
}

void CInstallMgr::DisableWow64Redirection(PVOID* value) {
  typedef BOOL(WINAPI * DisableProc)(PVOID*);
  if (auto disable = Kernel32Function<DisableProc>("Wow64DisableWow64FsRedirection"))
    disable(value);
}

void CInstallMgr::RevertWow64Redirection(PVOID value) {
  typedef BOOL(WINAPI * RevertProc)(PVOID);
  if (auto revert = Kernel32Function<RevertProc>("Wow64RevertWow64FsRedirection")) revert(value);
}

int CInstallMgr::RegistryKeyExists(const std::wstring& keyPath) {
  for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_ALL_ACCESS | view, &key) ==
        ERROR_SUCCESS) {
      RegCloseKey(key);
      return 1;
    }
  }
  return 0;
}

int CInstallMgr::WriteSoftwareValue(const std::wstring& keyName, const std::wstring& valueName,
                                    const std::wstring& data) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\" + keyName).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return 1;
  const LONG result = SetStringValue(key, valueName.c_str(), data);
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? 0 : 2;
}

}  // namespace INSTALL_MGR
