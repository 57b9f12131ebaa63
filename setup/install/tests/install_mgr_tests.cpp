#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install_mgr.h"
#include "setup_test_helpers.h"
#include "test_files.h"

using INSTALL_MGR::CInstallMgr;
using INSTALL_MGR::ControlServiceByName;

namespace {

std::string ReadText(const std::wstring& path) {
  const std::vector<unsigned char> bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH];
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\";
}

TEST(InstallMgr, FoldersOfThisWindowsEndInOneBackslash) {
  CInstallMgr installMgr;
  EXPECT_EQ(WindowsIs64Bit() ? 1 : 0, installMgr.Is64BitOs);
  EXPECT_EQ(SystemFolder(), installMgr.GetNativeSystemFolder());
  // On 64-bit Windows the 32-bit system files live apart; a 32-bit program sees its own Program
  // Files folder.
  wchar_t wow64[MAX_PATH] = {};
  const std::wstring x86Folder =
      GetSystemWow64DirectoryW(wow64, MAX_PATH) ? std::wstring(wow64) + L"\\" : SystemFolder();
  EXPECT_EQ(x86Folder, installMgr.GetSystemX86Folder());
  const bool programIs32BitOn64 = sizeof(void*) == 4 && WindowsIs64Bit();
  EXPECT_EQ(programIs32BitOn64 ? L"C:\\Program Files (x86)\\" : L"C:\\Program Files\\",
            installMgr.GetProgramFilesFolder());
}

TEST(InstallMgr, EmbeddedResourcesAreFoundWhateverTheCaseOfTheirType) {
  DWORD size = 77;
  const void* data = CInstallMgr::LoadEmbeddedResource(105, L"Service", &size);
  ASSERT_NE(nullptr, data);
  EXPECT_EQ('M', static_cast<const char*>(data)[0]);
  EXPECT_NE(nullptr, CInstallMgr::LoadEmbeddedResource(102, L"driver", &size));
  EXPECT_EQ(15u, size);
  size = 77;
  EXPECT_EQ(nullptr, CInstallMgr::LoadEmbeddedResource(104, L"DRIVER", &size));
  EXPECT_EQ(77u, size);
}

TEST(InstallMgr, WriteBufferReplacesAFileAndRefusesAMissingFolder) {
  TempFolder folder;
  WriteText(folder / L"file.bin", "an older and longer content");
  EXPECT_EQ(0, CInstallMgr::WriteBufferToFile(folder / L"file.bin", "new", 3));
  EXPECT_EQ("new", ReadText(folder / L"file.bin"));
  EXPECT_EQ(1, CInstallMgr::WriteBufferToFile(folder / L"missing\\file.bin", "new", 3));
}

TEST(InstallMgr, SoftwareValuesAndKeyTest) {
  const std::wstring name = L"Karvo Install Test " + std::to_wstring(GetCurrentProcessId());
  EXPECT_EQ(0, CInstallMgr::WriteSoftwareValue(name, L"Value", L"first"));
  EXPECT_EQ(0, CInstallMgr::WriteSoftwareValue(name, L"Value", L"second"));
  EXPECT_EQ(L"second", ReadMachineString(L"SOFTWARE\\" + name, L"Value"));
  EXPECT_EQ(1, CInstallMgr::RegistryKeyExists(L"SOFTWARE\\" + name));
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (L"SOFTWARE\\" + name).c_str());
  EXPECT_EQ(0, CInstallMgr::RegistryKeyExists(L"SOFTWARE\\" + name));
  EXPECT_EQ(1, CInstallMgr::WriteSoftwareValue(std::wstring(300, L'k'), L"Value", L"x"));
}

TEST(InstallMgr, DriverServiceKeyAndFileOnBothWidths) {
  const std::wstring name = L"KarvoTestDriver";
  const std::wstring key = L"SYSTEM\\CurrentControlSet\\Services\\" + name;
  for (int is64BitOs : {0, 1}) {
    CInstallMgr installMgr;
    installMgr.Is64BitOs = is64BitOs;  // the 64-bit branch turns redirection off around the write
    EXPECT_EQ(0, installMgr.InstallDriver(name, 102, L"DRIVER"));
    EXPECT_EQ(L"System32\\DRIVERS\\KarvoTestDriver.sys", ReadMachineString(key, L"ImagePath"));
    EXPECT_EQ(3u, ReadMachineDword(key, L"Start"));
    EXPECT_EQ("test component\n", ReadText(SystemFolder() + L"drivers\\" + name + L".sys"));
    EXPECT_EQ(2, installMgr.InstallDriver(name, 104, L"DRIVER"));
  }
  DeleteFileW((SystemFolder() + L"drivers\\" + name + L".sys").c_str());
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, key.c_str());
}

TEST(InstallMgr, ServiceIsInstalledControlledAndUnregistered) {
  const wchar_t kName[] = L"KarvoTestService";
  for (DWORD control : {0u, 1u, 128u}) EXPECT_EQ(2, ControlServiceByName(kName, control));

  CInstallMgr installMgr;
  ASSERT_EQ(0, installMgr.InstallService(kName, 105, L"Service", L"/Service"));
  EXPECT_EQ(0, ControlServiceByName(kName, 0));  // already running
  EXPECT_EQ(0, ControlServiceByName(kName, 128));
  EXPECT_EQ(0, ControlServiceByName(kName, 1));
  EXPECT_EQ(0, ControlServiceByName(kName, 1));  // already stopped
  EXPECT_EQ(0, installMgr.RunServiceProgram(kName, L"/UnregServer"));
  EXPECT_EQ(2, ControlServiceByName(kName, 0));

  const std::string log = ReadText(SystemFolder() + kName + L".log");
  EXPECT_NE(std::string::npos,
            log.find("service running\ncontrol 128\ncontrol 1\nservice stopped"));
  EXPECT_EQ(2, installMgr.RunServiceProgram(L"KarvoMissingProgram", L"/UnregServer"));
  for (const wchar_t* extension : {L".exe", L".log"})
    DeleteFileW((SystemFolder() + kName + extension).c_str());
}

TEST(InstallMgr, ServiceProgramPathIsQuoted) {
  // Unquoted, "...\with blank\Name.exe" would start the decoy "...\with.exe" instead.
  TempFolder folder;
  CreateDirectoryW((folder / L"with blank").c_str(), nullptr);
  DWORD size = 0;
  const void* program = CInstallMgr::LoadEmbeddedResource(105, L"SERVICE", &size);
  ASSERT_EQ(0,
            CInstallMgr::WriteBufferToFile(folder / L"with blank\\KarvoQuoted.exe", program, size));
  ASSERT_EQ(0, CInstallMgr::WriteBufferToFile(folder / L"with.exe", program, size));
  CInstallMgr installMgr;
  installMgr.NativeSystemFolder = folder / L"with blank\\";
  EXPECT_EQ(0, installMgr.RunServiceProgram(L"KarvoQuoted", L"/silent /uninstall"));
  EXPECT_EQ("run: /silent /uninstall\n", ReadText(folder / L"with blank\\KarvoQuoted.log"));
  EXPECT_FALSE(PathExists(folder / L"with.log"));
}

TEST(InstallMgr, UninstallerWithAndWithoutItsEntry) {
  TempFolder folder;
  INSTALL_MGR::_REG_UNINSTALL_INFO info;
  info.SubKey = L"SOFTWARE\\Karvo Uninstall Test " + std::to_wstring(GetCurrentProcessId());
  info.DisplayName = L"Name";
  CInstallMgr installMgr;
  EXPECT_EQ(0, installMgr.InstallUninstaller(108, L"ignored", folder / L"Undrel.exe", nullptr));
  EXPECT_TRUE(PathExists(folder / L"Undrel.exe"));
  EXPECT_FALSE(MachineKeyExists(info.SubKey));
  EXPECT_EQ(0, installMgr.InstallUninstaller(108, L"ignored", folder / L"Undrel.exe", &info));
  EXPECT_EQ(L"Name", ReadMachineString(info.SubKey, L"DisplayName"));
  EXPECT_EQ(2,
            installMgr.InstallUninstaller(108, L"ignored", folder / L"missing\\Undrel.exe", &info));
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, info.SubKey.c_str());
}

class WindowPatch : public ::testing::Test {
 protected:
  WindowPatch() { installMgr_.NativeSystemFolder = folder_.path(); }
  ~WindowPatch() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kServicing); }
  void AddKey(const std::wstring& path) {
    HKEY key;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(kServicing) + L"\\" + path).c_str(), 0,
                    nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(key);
  }
  static constexpr const wchar_t* kServicing =
      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing";
  TempFolder folder_;
  CInstallMgr installMgr_;
};

TEST_F(WindowPatch, FileReplacesAnOlderCopy) {
  WriteText(installMgr_.WindowPatchPath(), "an older copy, longer");
  EXPECT_EQ(0, installMgr_.WriteWindowPatchFile(110, L"WindowPatch"));
  EXPECT_EQ("test component\n", ReadText(installMgr_.WindowPatchPath()));
  EXPECT_EQ(1, installMgr_.WriteWindowPatchFile(111, L"WindowPatch"));
}

TEST_F(WindowPatch, StartedOnlyOn64BitWindows7WithServicePackAndNoSignOfTheUpdate) {
  // The package file is missing here, so a start fails and shows as 1.
  const struct {
    int is64, family, servicePack;
    const wchar_t* key;
    int result;
  } cases[] = {
      {0, 4, 1, nullptr, 0},
      {1, 5, 1, nullptr, 0},
      {1, 0, 1, nullptr, 0},
      {1, 4, 0, nullptr, 0},
      {1, 4, 1, nullptr, 1},
      {1, 4, 1, L"Packages\\Package_for_KB3033929~31bf3856ad364e35~amd64~~6.1.1.1", 0},
      {1, 4, 1, L"Packages\\Package_for_KB3033929~other", 0},
      {1, 4, 1, L"Packages\\package_for_kb3033929~other", 1},
      {1, 4, 1, L"Packages\\Package_for_KB303392~other", 1},
      {1, 4, 1,
       L"ApplicabilityEvaluationCache\\Package_for_KB3033929~31bf3856ad364e35~amd64~~6.1.1.1", 0},
  };
  for (const auto& c : cases) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kServicing);
    if (c.key) AddKey(c.key);
    installMgr_.Is64BitOsCopy = c.is64;
    installMgr_.WindowsFamily = c.family;
    installMgr_.ServicePackMajor = c.servicePack;
    EXPECT_EQ(c.result, installMgr_.InstallWindowPatchIfNeeded()) << (c.key ? c.key : L"");
  }
}

// Restores the shell call of RunAndWait when a test has put its stand-in there.
class ShellStandIn {
 public:
  explicit ShellStandIn(BOOL result) {
    result_ = result;
    CInstallMgr::StartWithShell = Start;
  }
  ~ShellStandIn() { CInstallMgr::StartWithShell = ShellExecuteExW; }
  ShellStandIn(const ShellStandIn&) = delete;
  ShellStandIn& operator=(const ShellStandIn&) = delete;

  static SHELLEXECUTEINFOW request_;

 private:
  // A start that the shell hands to a running program gives no process.
  static BOOL WINAPI Start(SHELLEXECUTEINFOW* request) {
    request_ = *request;
    request->hProcess = nullptr;
    return result_;
  }
  static BOOL result_;
};
SHELLEXECUTEINFOW ShellStandIn::request_;
BOOL ShellStandIn::result_;

TEST(RunAndWait, WaitsForTheStartedProgramToEnd) {
  TempFolder folder;
  const std::wstring installer = folder / L"installer.exe";
  ASSERT_TRUE(CopyFileW((TestProgramFolder() + L"package_installer_stand_in.exe").c_str(),
                        installer.c_str(), FALSE));
  EXPECT_EQ(0, CInstallMgr::RunAndWait(installer.c_str(), 1, -1));
  // The stand-in writes its line only after a pause: here already, so the call waited for it.
  EXPECT_EQ(0u, ReadText(installer + L".log").find("ran:"));
}

TEST(RunAndWait, AStartWithoutAProcessCountsAsStartedAndARefusedStartAsFailed) {
  const wchar_t kPackage[] = L"C:\\windows\\system32\\Windows6.1-KB3033929-x64.msu";
  {
    ShellStandIn shell(TRUE);
    EXPECT_EQ(0, CInstallMgr::RunAndWait(kPackage, 1, -1));
    const SHELLEXECUTEINFOW& request = ShellStandIn::request_;
    EXPECT_EQ(sizeof(SHELLEXECUTEINFOW), request.cbSize);
    EXPECT_EQ(ULONG(SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI), request.fMask);
    EXPECT_EQ(nullptr, request.hwnd);
    EXPECT_EQ(nullptr, request.lpVerb);
    EXPECT_STREQ(kPackage, request.lpFile);
    EXPECT_EQ(nullptr, request.lpParameters);
    EXPECT_EQ(nullptr, request.lpDirectory);
    EXPECT_EQ(SW_HIDE, request.nShow);
  }
  ShellStandIn shell(FALSE);
  EXPECT_EQ(1, CInstallMgr::RunAndWait(kPackage, 1, -1));
}

}  // namespace
