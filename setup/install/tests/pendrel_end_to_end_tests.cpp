// Runs the built setup program as a user would, in a fresh prefix (see run_in_fresh_prefix.sh).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "audio_config_writer.h"
#include "diagnostics.h"
#include "setup_test_helpers.h"
#include "test_files.h"

namespace {

using Codes = std::vector<DWORD>;

const wchar_t kUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orvel73xxAudioExt";
const wchar_t kSoftwareKey[] = L"SOFTWARE\\Orvel 73xx Software";
const wchar_t kInstallFolder[] = L"C:\\Program Files\\Default Orvel USB Audio Software";
const std::wstring kUninstaller = std::wstring(kInstallFolder) + L"\\Undrel.exe";
const wchar_t kDriverKey[] = L"SYSTEM\\CurrentControlSet\\Services\\Vaskel";
const char kAudioPattern[] = "USB\\VID_2B9E&PID_73XX&REV_0100&MI_00";

const char kConfig[] =
    "[USB_VID_PID]\n1=USB\\VID_2B9E&PID_73XX,{check}\n"
    "[HID_VID_PID]\n1=HID\\VID_2B9E&PID_73XX&MI_03,{check}\n"
    "[AUDIO_VID_PID]\n1=USB\\VID_2B9E&PID_73XX&REV_0100&MI_00,{check}\n"
    "[HIDSYM_VID_PID]\n1=HID\\VID_2B9E&PID_73XX&MI_03&Col01,{check}\n";

const Codes kFullRun = {0, 1, 2, 3, 4, 5, 0xFFFFFFFF};

std::wstring SystemFolder() {
  wchar_t folder[MAX_PATH];
  GetSystemDirectoryW(folder, MAX_PATH);
  return std::wstring(folder) + L"\\";
}

std::string ReadText(const std::wstring& path) {
  const std::vector<unsigned char> bytes = ReadBytes(path);
  return std::string(bytes.begin(), bytes.end());
}

DWORD ServiceState(const wchar_t* name) {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
  SC_HANDLE service = manager ? OpenServiceW(manager, name, SERVICE_QUERY_STATUS) : nullptr;
  SERVICE_STATUS status = {};
  const bool known = service && QueryServiceStatus(service, &status);
  if (service) CloseServiceHandle(service);
  if (manager) CloseServiceHandle(manager);
  return known ? status.dwCurrentState : 0;
}

// Sets a string value, creating the key.
void SetString(HKEY root, const std::wstring& keyPath, const wchar_t* valueName,
               const std::wstring& data) {
  RegSetKeyValueW(root, keyPath.c_str(), valueName, REG_SZ, data.c_str(),
                  static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

class PendrelRun : public ::testing::Test {
 protected:
  PendrelRun() {
    const std::wstring built = TestProgramFolder() + L"..\\dist\\Toklin\\Binary\\Pendrel_x32.exe";
    EXPECT_TRUE(CopyFileW(built.c_str(), setupFile_.c_str(), FALSE));
    // Windows 7 with its service pack, where 64-bit Windows needs the update package. The shell
    // opens the package with the stand-in installer, which logs beside itself.
    SetString(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\Pendrel_x32.exe", L"Version",
              L"win7");
    EXPECT_TRUE(CopyFileW((TestProgramFolder() + L"package_installer_stand_in.exe").c_str(),
                          packageInstaller_.c_str(), FALSE));
    SetString(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.msu", nullptr, L"KarvoTest.UpdatePackage");
    SetString(HKEY_LOCAL_MACHINE, L"Software\\Classes\\KarvoTest.UpdatePackage\\shell\\open\\command",
              nullptr, L"\"" + packageInstaller_ + L"\" \"%1\"");
  }
  void WriteConfig() {
    WriteBytes(folder_ / L"AudioConfig.bin", audio_config_writer::BuildConfigFile(kConfig, {}));
  }
  // Runs the setup program to its end and gives the progress codes it broadcast.
  Codes Run(const std::wstring& arguments, DWORD* elapsedMs = nullptr) {
    ProgressListener listener;
    const DWORD start = GetTickCount();
    EXPECT_EQ(0u, RunProgram(setupFile_, arguments, 120000)) << arguments;
    if (elapsedMs) *elapsedMs = GetTickCount() - start;
    Sleep(100);  // the last broadcast reaches the listener's thread
    return listener.Codes();
  }

  TempFolder folder_;
  std::wstring setupFile_ = folder_ / L"Pendrel_x32.exe";
  std::wstring packageInstaller_ = folder_ / L"package installer.exe";
};

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t className[16] = {};
  GetClassNameW(window, className, 16);
  if (owner != search->processId || std::wstring(className) != search->className) return TRUE;
  search->found = window;
  return FALSE;
}

// A top-level window of the process with that class ("#32770" for a message box).
HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  WindowSearch search = {processId, className, nullptr};
  EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

BOOL CALLBACK CollectText(HWND child, LPARAM parameter) {
  wchar_t text[128] = {};
  GetWindowTextW(child, text, 128);
  reinterpret_cast<std::vector<std::wstring>*>(parameter)->push_back(text);
  return TRUE;
}

TEST_F(PendrelRun, WithoutArgumentsShowsTheMessageAndWritesNothing) {
  WriteConfig();
  HANDLE process = StartProgram(setupFile_, L"");
  ASSERT_NE(nullptr, process);
  // The box is listed as soon as it exists, its texts a moment later.
  const std::wstring kMessage = L"Please running the Toklin program!";
  HWND dialog = nullptr;
  std::vector<std::wstring> texts;
  for (int i = 0; i < 200 && std::find(texts.begin(), texts.end(), kMessage) == texts.end();
       ++i, Sleep(50)) {
    dialog = FindProcessWindow(GetProcessId(process), L"#32770");
    texts.clear();
    if (dialog) EnumChildWindows(dialog, CollectText, reinterpret_cast<LPARAM>(&texts));
  }
  ASSERT_NE(nullptr, dialog);
  EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), kMessage));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 10000));
  CloseHandle(process);
  EXPECT_FALSE(MachineKeyExists(kSoftwareKey));
  EXPECT_FALSE(MachineKeyExists(L"SOFTWARE\\Orvel USB DeviceId Group"));
}

TEST_F(PendrelRun, MissingConfigurationEndsPromptlyWithOnlyTheUninstallerPath) {
  DWORD elapsed = 0;
  EXPECT_EQ(Codes{}, Run(L"-demo", &elapsed));
  EXPECT_LT(elapsed, 5000u);
  EXPECT_EQ(kUninstaller, ReadMachineString(kSoftwareKey, L"UninstallFileName"));
  EXPECT_FALSE(MachineKeyExists(L"SOFTWARE\\Orvel USB DeviceId Group"));
  EXPECT_FALSE(MachineKeyExists(kUninstallKey));
  EXPECT_FALSE(MachineKeyExists(kDriverKey));
}

TEST_F(PendrelRun, DemoRunInstallsEverythingAndASecondRunFindsIt) {
  WriteConfig();
  ASSERT_EQ(kFullRun, Run(L"-demo"));

  const std::wstring audioEntry = L"USB\\VID_2B9E&PID_73XX&REV_0100&MI_00," +
                                  FromUtf8(audio_config_writer::EntryCheck(kAudioPattern));
  EXPECT_EQ(audioEntry, ReadMachineString(L"SOFTWARE\\Orvel AUDIO DeviceId Group", L"1"));
  for (const wchar_t* group : {L"USB", L"HID", L"HIDSYM"})
    EXPECT_TRUE(MachineKeyExists(L"SOFTWARE\\Orvel " + std::wstring(group) + L" DeviceId Group"));
  EXPECT_EQ(kUninstaller, ReadMachineString(kSoftwareKey, L"UninstallFileName"));

  EXPECT_EQ(1u, ReadMachineDword(kDriverKey, L"ErrorControl"));
  EXPECT_EQ(3u, ReadMachineDword(kDriverKey, L"Start"));
  EXPECT_EQ(1u, ReadMachineDword(kDriverKey, L"Type"));
  EXPECT_EQ(L"System32\\DRIVERS\\Vaskel.sys", ReadMachineString(kDriverKey, L"ImagePath"));
  EXPECT_NE(std::string::npos, ReadText(SystemFolder() + L"drivers\\Vaskel.sys")
                                   .find(WindowsIs64Bit() ? "64-bit" : "32-bit"));

  EXPECT_EQ(DWORD(SERVICE_RUNNING), ServiceState(L"Brisov"));
  EXPECT_NE(std::string::npos, ReadText(SystemFolder() + L"Brisov.log").find("run: /Service"));
  EXPECT_TRUE(PathExists(kUninstaller));
  const std::wstring package = SystemFolder() + L"Windows6.1-KB3033929-x64.msu";
  EXPECT_TRUE(PathExists(package));
  // Started and waited for on 64-bit Windows 7 only.
  const std::string installerLog = ReadText(packageInstaller_ + L".log");
  if (WindowsIs64Bit())
    EXPECT_NE(std::string::npos, installerLog.find(ToUtf8(package))) << installerLog;
  else
    EXPECT_EQ("", installerLog);

  EXPECT_EQ(L"Orvel USB Audio Software", ReadMachineString(kUninstallKey, L"DisplayName"));
  // Run as a command line: quoted, as the path holds blanks.
  EXPECT_EQ(L"\"" + kUninstaller + L"\"", ReadMachineString(kUninstallKey, L"UninstallString"));
  EXPECT_EQ(kUninstaller, ReadMachineString(kUninstallKey, L"DisplayIcon"));
  EXPECT_EQ(L"1.0.7.1", ReadMachineString(kUninstallKey, L"DisplayVersion"));
  EXPECT_EQ(L"Orvel", ReadMachineString(kUninstallKey, L"Publisher"));
  EXPECT_EQ(0u, ReadMachineDword(kUninstallKey, L"EstimatedSize"));

  EXPECT_EQ((Codes{0x80000000, 0xFFFFFFFF}), Run(L"-demo"));
}

TEST_F(PendrelRun, AFailingStepIsBroadcastAndEndsTheInstall) {
  WriteConfig();
  // A file stands where the install folder must be created, so the uninstaller cannot be written.
  WriteText(kInstallFolder, "in the way");
  EXPECT_EQ((Codes{0, 1, 2, 0x80000003, 0xFFFFFFFF}), Run(L"-demo"));
  EXPECT_FALSE(MachineKeyExists(kUninstallKey));
  EXPECT_FALSE(PathExists(SystemFolder() + L"Windows6.1-KB3033929-x64.msu")) << "step 4 ran";
  EXPECT_EQ(DWORD(SERVICE_RUNNING), ServiceState(L"Brisov")) << "the steps before it stay done";
}

TEST_F(PendrelRun, ACloseDuringTheInstallWaitsForTheInstallToFinish) {
  WriteConfig();
  ProgressListener listener;
  HANDLE process = StartProgram(setupFile_, L"-demo");
  ASSERT_NE(nullptr, process);
  // Code 0 comes just before the clean-up, whose service calls and pause take over a second.
  for (int i = 0; i < 800 && listener.Codes().empty(); ++i) Sleep(25);
  HWND form = FindProcessWindow(GetProcessId(process), L"TForm");
  ASSERT_NE(nullptr, form);
  PostMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process, 120000));
  CloseHandle(process);
  Sleep(100);  // the last broadcast reaches the listener's thread
  EXPECT_EQ(kFullRun, listener.Codes());
  EXPECT_TRUE(MachineKeyExists(kUninstallKey));
}

TEST_F(PendrelRun, NoRegInAnyCaseAndPositionLeavesNoUninstallEntry) {
  WriteConfig();
  ASSERT_EQ(kFullRun, Run(L"/noreg"));  // not the word: the entry is written
  ASSERT_TRUE(MachineKeyExists(kUninstallKey));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTreeW(HKEY_LOCAL_MACHINE, kUninstallKey));

  // The earlier installation is cleaned up: its service is signalled, stopped and unregistered.
  EXPECT_EQ(kFullRun, Run(L"-demo second -nOrEg"));
  EXPECT_FALSE(MachineKeyExists(kUninstallKey));
  EXPECT_TRUE(PathExists(kUninstaller));
  EXPECT_EQ(kUninstaller, ReadMachineString(kSoftwareKey, L"UninstallFileName"));
  const std::string log = ReadText(SystemFolder() + L"Brisov.log");
  const size_t control = log.find("control 128");
  EXPECT_NE(std::string::npos, control);
  EXPECT_LT(control, log.find("run: /UnregServer"));
  EXPECT_LT(log.find("run: /UnregServer"), log.find("run: /silent /uninstall"));
  EXPECT_EQ(DWORD(SERVICE_RUNNING), ServiceState(L"Brisov"));
}

}  // namespace
