// The uninstaller file and its Windows uninstall entry.
#include "install_mgr.h"
#include "registry_values.h"

namespace INSTALL_MGR {

int CInstallMgr::InstallUninstaller(int resourceId, const std::wstring& /*resourceType*/,
                                    const std::wstring& destination,
                                    const _REG_UNINSTALL_INFO* info) {
  DWORD size = 0;
  const void* data = LoadEmbeddedResource(resourceId, L"UNINSTALL", &size);
  if (!data) return 1;
  if (WriteBufferToFile(destination, data, size) != 0) return 2;
  if (info) WriteUninstallInfo(info);
  return 0;
}

bool CInstallMgr::WriteUninstallInfo(const _REG_UNINSTALL_INFO* info) {
  HKEY key = nullptr;
  if (RegOpenKeyW(HKEY_LOCAL_MACHINE, info->SubKey.c_str(), &key) != ERROR_SUCCESS &&
      RegCreateKeyW(HKEY_LOCAL_MACHINE, info->SubKey.c_str(), &key) != ERROR_SUCCESS)
    return false;
  SetStringValue(key, L"DisplayName", info->DisplayName);
  SetStringValue(key, L"UninstallString", info->UninstallString);
  SetStringValue(key, L"DisplayIcon", info->DisplayIcon);
  SetStringValue(key, L"DisplayVersion", info->DisplayVersion);
  SetStringValue(key, L"Publisher", info->Publisher);
  SetDwordValue(key, L"EstimatedSize", info->EstimatedSize);
  RegCloseKey(key);
  return true;
}

}  // namespace INSTALL_MGR
