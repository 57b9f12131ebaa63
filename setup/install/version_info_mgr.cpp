#include "version_info_mgr.h"

#include <vector>

#include "system_library.h"

namespace VERSIONINFO_MGR {

namespace {

const DWORD kFixedInfoSignature = 0xFEEF04BD;
typedef LONG(WINAPI* RtlGetVersionProc)(OSVERSIONINFOEXW*);

// The version calls, taken from the system folder's "version.dll" (see system_library.h).
struct VersionApi {
  typedef DWORD(WINAPI* GetSizeProc)(LPCWSTR, LPDWORD);
  typedef BOOL(WINAPI* GetInfoProc)(LPCWSTR, DWORD, DWORD, LPVOID);
  typedef BOOL(WINAPI* QueryValueProc)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

  VersionApi() {
    HMODULE module = LoadSystemLibrary(L"version.dll");
    GetSize = ModuleFunction<GetSizeProc>(module, "GetFileVersionInfoSizeW");
    GetInfo = ModuleFunction<GetInfoProc>(module, "GetFileVersionInfoW");
    QueryValue = ModuleFunction<QueryValueProc>(module, "VerQueryValueW");
  }
  bool Loaded() const { return GetSize && GetInfo && QueryValue; }

  GetSizeProc GetSize;
  GetInfoProc GetInfo;
  QueryValueProc QueryValue;
};

const VersionApi& Version() {
  static const VersionApi api;
  return api;
}

}  // namespace

int OsBitsFromArchitecture(WORD architecture, int* is64BitOs, int* is64BitOsCopy) {
  int width;
  if (architecture == PROCESSOR_ARCHITECTURE_INTEL)
    width = 0;
  else if (architecture == PROCESSOR_ARCHITECTURE_AMD64)
    width = 1;
  else
    return 1;
  *is64BitOs = width;
  *is64BitOsCopy = width;
  return 0;
}

int CVersionInfoMgr::GetOsBits(int* is64BitOs, int* is64BitOsCopy) {
  SYSTEM_INFO info = {};
  GetNativeSystemInfo(&info);
  return OsBitsFromArchitecture(info.wProcessorArchitecture, is64BitOs, is64BitOsCopy);
}

int CVersionInfoMgr::GetFileVersionString(std::wstring path, std::wstring& version) {
  const VersionApi& api = Version();
  if (!api.Loaded()) return 1;
  DWORD handle = 0;
  const DWORD size = api.GetSize(path.c_str(), &handle);
  if (size == 0) return 1;
  std::vector<BYTE> buffer((size + 1) * 2);
  if (!api.GetInfo(path.c_str(), handle, size, buffer.data())) return 2;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!api.QueryValue(buffer.data(), L"\\", reinterpret_cast<void**>(&fixed), &length)) return 3;
  if (length == 0) return 4;
  if (fixed->dwSignature != kFixedInfoSignature) return 0;
  wchar_t text[64];
  _snwprintf(text, ARRAYSIZE(text) - 1, L"%d.%d.%d.%d", HIWORD(fixed->dwFileVersionMS),
             LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
             LOWORD(fixed->dwFileVersionLS));
  text[ARRAYSIZE(text) - 1] = L'\0';
  version = text;
  return 0;
}

int WindowsFamilyCode(DWORD major, DWORD minor) {
  if (major == 4) return 0;
  if (major == 5) return 2;
  if (major == 6 && minor == 0) return 3;
  if (major == 6 && minor == 1) return 4;
  if (major == 6 && (minor == 2 || minor == 3)) return 5;
  if (major == 10) return 6;
  return -1;
}

int WindowsVersionCode(DWORD major, DWORD minor) {
  static const DWORD kListed[] = {0x0400, 0x0500, 0x0501, 0x0502, 0x0600,
                                  0x0601, 0x0602, 0x0603, 0x0A00};
  const DWORD code = major * 256 + minor;
  for (DWORD listed : kListed)
    if (code == listed && minor < 256) return static_cast<int>(code);
  return -1;
}

int CVersionInfoMgr::GetWindowsVersion(int* family, int* versionCode, int* servicePackMajor) {
  OSVERSIONINFOEXW info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  auto rtlGetVersion =
      ModuleFunction<RtlGetVersionProc>(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
  if (!rtlGetVersion) return 1;
  if (rtlGetVersion(&info) != 0) return 2;
  if (family) *family = WindowsFamilyCode(info.dwMajorVersion, info.dwMinorVersion);
  if (versionCode) *versionCode = WindowsVersionCode(info.dwMajorVersion, info.dwMinorVersion);
  if (servicePackMajor) *servicePackMajor = info.wServicePackMajor;
  return 0;
}

}  // namespace VERSIONINFO_MGR
