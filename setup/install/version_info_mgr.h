#pragma once
#include <windows.h>

#include <string>

// Processor width of Windows, the version a file carries, and the running Windows version.
namespace VERSIONINFO_MGR {

class CVersionInfoMgr {
 public:
  // Both outputs get 1 on x64 Windows, 0 on x86; 0 success, 1 any other processor (outputs kept).
  static int GetOsBits(int* is64BitOs, int* is64BitOsCopy);
  // "%d.%d.%d.%d" of the file version; 0 success (also when the fixed block has no signature,
  // then the output is kept), 1 no version information, 2 loading failed, 3 no root block,
  // 4 empty root block.
  int GetFileVersionString(std::wstring path, std::wstring& version);
  // Family code, version code and service pack; null outputs are skipped. 0 success,
  // 1 RtlGetVersion not found, 2 RtlGetVersion failed.
  int GetWindowsVersion(int* family, int* versionCode, int* servicePackMajor);
};

// The width decision of GetOsBits for one processor architecture.
int OsBitsFromArchitecture(WORD architecture, int* is64BitOs, int* is64BitOsCopy);
// -1 unlisted, 0 NT 4, 2 for 5.x, 3 Vista, 4 Windows 7, 5 Windows 8 and 8.1, 6 Windows 10 and up.
int WindowsFamilyCode(DWORD major, DWORD minor);
// major * 256 + minor for the listed versions, else -1.
int WindowsVersionCode(DWORD major, DWORD minor);

}  // namespace VERSIONINFO_MGR
