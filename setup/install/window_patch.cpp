// The Windows update package: written on every Windows, started only on 64-bit Windows 7 with a
// service pack that shows no sign of the update.
#include <windows.h>

#include <shellapi.h>

#include "diagnostics.h"
#include "install_mgr.h"

namespace INSTALL_MGR {

namespace {

const wchar_t kPackageFile[] = L"Windows6.1-KB3033929-x64.msu";
const wchar_t kPackageName[] = L"Package_for_KB3033929~31bf3856ad364e35~amd64~~6.1.1.1";
const wchar_t kServicingKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\";
const int kWindows7Family = 4;

}  // namespace

BOOL(WINAPI* CInstallMgr::StartWithShell)(SHELLEXECUTEINFOW*) = ShellExecuteExW;

std::wstring CInstallMgr::WindowPatchPath() const { return NativeSystemFolder + kPackageFile; }

int CInstallMgr::WriteWindowPatchFile(int resourceId, const std::wstring& resourceType) {
  DWORD size = 0;
  const void* data = LoadEmbeddedResource(resourceId, resourceType, &size);
  if (!data) return 1;
  if (WriteBufferToFile(WindowPatchPath(), data, size) != 0) return 2;
  SetFileAttributesW(WindowPatchPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  return 0;
}

int CInstallMgr::InstallWindowPatchIfNeeded() {
  if (Is64BitOsCopy == 0) {
    DebugLine(L"##### The OS is 32-Bit #####\n");
    return 0;
  }
  if (WindowsFamily != kWindows7Family) {
    DebugLine(L"##### The OS is not Win7 #####\n");
    return 0;
  }
  if (ServicePackMajor == 0) {
    DebugLine(L"##### The OS is Win7, but not install the service pack! #####\n");
    return 0;
  }
  if (IsPackageApplicabilityCached(kPackageName) || FindServicingPackage(L"KB3033929")) return 0;
  DebugLine(L"***** Service pack KDB3033929 not EXIST! *****\n");
  if (RunAndWait(WindowPatchPath().c_str(), 1, -1) != 0) {
    DebugLine(L"***** InstallKB3033929 *****\n");
    return 1;
  }
  return 0;
}

bool CInstallMgr::IsPackageApplicabilityCached(const std::wstring& packageName) {
  const std::wstring path =
      std::wstring(kServicingKey) + L"ApplicabilityEvaluationCache\\" + packageName;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
      ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool CInstallMgr::FindServicingPackage(const std::wstring& updateNumber) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(kServicingKey) + L"Packages").c_str(), 0,
                    KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
    return false;
  DWORD subKeys = 0;
  wchar_t className[MAX_PATH] = {};
  DWORD classLength = MAX_PATH;
  bool found = false;
  if (RegQueryInfoKeyW(key, className, &classLength, nullptr, &subKeys, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
    const std::wstring prefix = L"Package_for_" + updateNumber + L"~";
    for (DWORD index = 0; index < subKeys && !found; ++index) {
      wchar_t name[MAX_PATH];
      DWORD length = MAX_PATH;
      if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
          ERROR_SUCCESS)
        continue;
      found = std::wstring(name, length).compare(0, prefix.size(), prefix) == 0;
    }
  }
  RegCloseKey(key);
  return found;
}

int CInstallMgr::RunAndWait(const wchar_t* path, int /*unused*/, int timeoutMs) {
  SHELLEXECUTEINFOW request = {};
  request.cbSize = sizeof(request);
  request.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  request.lpFile = path;
  request.nShow = SW_HIDE;
  if (!StartWithShell(&request)) return 1;
  // A start that hands the file to a running program gives no process to wait on.
  if (request.hProcess) {
    if (timeoutMs < 0) WaitForSingleObject(request.hProcess, INFINITE);
    CloseHandle(request.hProcess);
  }
  if (timeoutMs > 0) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start <= static_cast<DWORD>(timeoutMs)) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
  }
  return 0;
}

}  // namespace INSTALL_MGR
