#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "setup_test_helpers.h"
#include "test_files.h"
#include "version_info_mgr.h"

using namespace VERSIONINFO_MGR;

namespace {

TEST(VersionInfo, FamilyAndVersionCodes) {
  const struct {
    DWORD major, minor;
    int family, code;
  } cases[] = {{4, 0, 0, 0x400}, {4, 1, 0, -1},    {4, 10, 0, -1},   {5, 0, 2, 0x500},
               {5, 1, 2, 0x501}, {5, 2, 2, 0x502}, {6, 0, 3, 0x600}, {6, 1, 4, 0x601},
               {6, 2, 5, 0x602}, {6, 3, 5, 0x603}, {6, 4, -1, -1},   {10, 0, 6, 0xA00},
               {10, 1, 6, -1},   {3, 51, -1, -1},  {5, 256, 2, -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.family, WindowsFamilyCode(c.major, c.minor)) << c.major << "." << c.minor;
    EXPECT_EQ(c.code, WindowsVersionCode(c.major, c.minor)) << c.major << "." << c.minor;
  }
}

TEST(VersionInfo, ProcessorWidthByArchitecture) {
  const struct {
    WORD architecture;
    int result, width;
  } cases[] = {{PROCESSOR_ARCHITECTURE_INTEL, 0, 0},
               {PROCESSOR_ARCHITECTURE_AMD64, 0, 1},
               {PROCESSOR_ARCHITECTURE_IA64, 1, 7}};
  for (const auto& c : cases) {
    int first = 7, second = 7;
    EXPECT_EQ(c.result, OsBitsFromArchitecture(c.architecture, &first, &second));
    EXPECT_EQ(c.width, first);
    EXPECT_EQ(c.width, second);
  }
  // Windows' own width, whatever the width of this program.
  int first = 7, second = 7;
  EXPECT_EQ(0, CVersionInfoMgr::GetOsBits(&first, &second));
  EXPECT_EQ(WindowsIs64Bit() ? 1 : 0, first);
  EXPECT_EQ(first, second);
}

TEST(VersionInfo, FileVersionOfThisProgramAndOfAFileWithout) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring version = L"old";
  EXPECT_EQ(0, CVersionInfoMgr().GetFileVersionString(self, version));
  EXPECT_EQ(L"1.2.40000.65535", version);
  TempFolder folder;
  WriteText(folder / L"plain.txt", "no version here");
  version = L"old";
  EXPECT_EQ(1, CVersionInfoMgr().GetFileVersionString(folder / L"plain.txt", version));
  EXPECT_EQ(L"old", version);
}

// The version Wine reports to one program follows its per-program setting.
std::string ProbeWindowsVersion(const wchar_t* wineVersion) {
  const wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\windows_version_probe.exe";
  RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Version", REG_SZ, wineVersion,
                  static_cast<DWORD>((wcslen(wineVersion) + 1) * 2));
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  CreatePipe(&read, &write, &inherit, 0);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  std::wstring commandLine = L"\"" + TestProgramFolder() + L"windows_version_probe.exe\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  PROCESS_INFORMATION process = {};
  std::string output;
  if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(write);
    write = nullptr;
    char buffer[128];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof(buffer), &got, nullptr) && got) output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  if (write) CloseHandle(write);
  CloseHandle(read);
  RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
  return output;
}

TEST(VersionInfo, EachFamilyFromTheRealCall) {
  const struct {
    const wchar_t* wineVersion;
    const char* expected;  // result, family, version code, service pack
  } cases[] = {
      {L"nt40", "0 0 0x400 6"},  {L"win98", "0 0 0xffffffff 0"}, {L"win2k", "0 2 0x500 4"},
      {L"winxp", "0 2 0x501 3"}, {L"vista", "0 3 0x600 2"},      {L"win7", "0 4 0x601 1"},
      {L"win8", "0 5 0x602 0"},  {L"win81", "0 5 0x603 0"},      {L"win10", "0 6 0xa00 0"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, ProbeWindowsVersion(c.wineVersion)) << c.wineVersion;
}

}  // namespace
