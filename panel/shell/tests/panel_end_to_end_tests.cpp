// The built panel as a user starts it: setup program, single instance, the "no device" answer to a
// second start, and the exit. Each case runs in a fresh prefix (run_in_fresh_prefix.sh).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "program_folder.h"
#include "test_files.h"

namespace {

std::wstring ReleaseFolder() {
  std::wstring build = ProgramFolder();
  build.pop_back();
  return build.substr(0, build.rfind(L'\\') + 1) + L"dist\\";
}

class PanelRun : public ::testing::Test {
 protected:
  void SetUp() override {
    SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", log.c_str());  // inherited by the panel and setup
    SetEnvironmentVariableW(L"STANDIN_HEADSET", L"absent");     // no device connected
    // The release folder has no audio library; the panel finds the stand-in on the search path.
    wchar_t path[8192];
    const DWORD length = GetEnvironmentVariableW(L"PATH", path, 8192);
    const std::wstring searchPath = ProgramFolder() + L";" + (length && length < 8192 ? path : L"");
    SetEnvironmentVariableW(L"PATH", searchPath.c_str());
  }
  void TearDown() override {
    for (PROCESS_INFORMATION& process : started) {
      TerminateProcess(process.hProcess, 1);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
  }

  HANDLE StartPanel() {
    std::wstring commandLine = L"\"" + ReleaseFolder() + L"Marvane.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, ReleaseFolder().c_str(),
                        &startup, &process))
      return nullptr;
    started.push_back(process);
    return process.hProcess;
  }

  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    const auto bytes = PathExists(log) ? ReadBytes(log) : std::vector<unsigned char>{};
    std::istringstream stream(std::string(bytes.begin(), bytes.end()));
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
  }
  int CountLines(const std::string& text) const {
    const auto lines = LogLines();
    return static_cast<int>(std::count(lines.begin(), lines.end(), text));
  }
  // The index of the first line that starts with `prefix`, or -1.
  int FirstLine(const std::string& prefix) const {
    const auto lines = LogLines();
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
  }
  bool WaitFor(const std::function<bool()>& done, DWORD atMostMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
      if (GetTickCount() - start > atMostMs) return false;
      Sleep(50);
    }
    return true;
  }
  HWND MainWindow() const { return FindWindowW(L"MainWnd", L"KARVO Driver"); }
  // Started and in the tray: the start-up notification has run and hidden the window.
  bool WaitForPanelInTray() {
    return WaitFor([this] { return FirstLine("windowinit") >= 0 && MainWindow() && !IsWindowVisible(MainWindow()); },
                   120000);
  }
  void ExitPanel(HANDLE panel) {
    const DWORD start = GetTickCount();
    PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
    ASSERT_EQ(WaitForSingleObject(panel, 20000), WAIT_OBJECT_0);
    RecordProperty("exit_ms", static_cast<int>(GetTickCount() - start));
    DWORD code = 99;
    GetExitCodeProcess(panel, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(CountLines(ToUtf8(L"\u6240\u6709\u5BF9\u8C61\u5904\u4E8E\u6FC0\u53D1\u72B6\u6001")), 1)
        << "every worker thread ended within the wait";
  }

  TempFolder folder;
  std::wstring log = folder / L"panel.log";
  std::vector<PROCESS_INFORMATION> started;
};

const char kSetupArgumentLine[] = "ParamStr(1) = -demo";

TEST_F(PanelRun, RunsTheSetupProgramThenHidesAndASecondStartOnlyWakesIt) {
  HANDLE panel = StartPanel();
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitForPanelInTray());
  const int setupRan = FirstLine(kSetupArgumentLine);
  ASSERT_GE(setupRan, 0) << "the setup program was started with -demo";
  EXPECT_LT(setupRan, FirstLine("setup program ended"));
  EXPECT_LT(FirstLine("setup program ended"), FirstLine("windowinit")) << "start-up waited for it";

  HANDLE second = StartPanel();
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(WaitForSingleObject(second, 30000), WAIT_OBJECT_0);
  DWORD code = 99;
  GetExitCodeProcess(second, &code);
  EXPECT_EQ(code, 0u);

  ASSERT_TRUE(WaitFor([this] { return FindWindowW(L"MsgWnd", nullptr) != nullptr; }, 20000))
      << "the running panel shows the no-device box";
  Sleep(1000);
  EXPECT_EQ(CountLines("message box: message_text_1"), 1);
  EXPECT_GE(FirstLine(ToUtf8(L"\u8F6F\u4EF6\u6807\u793A ")), 0) << "the registered message arrived";
  EXPECT_EQ(CountLines("InitWindow"), 1) << "the second start made no window";
  ExitPanel(panel);
}

// The uninstaller that the setup program installs, with given attributes.
void PlaceUninstaller(DWORD attributes) {
  const std::wstring folder = L"C:\\Program Files\\Default Orvel USB Audio Software";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring file = folder + L"\\Undrel.exe";
  WriteText(file, "stand-in");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), attributes));
  ASSERT_EQ(GetFileAttributesW(file.c_str()), attributes);
}

TEST_F(PanelRun, AnUninstallerWithOnlyTheArchiveAttributeSkipsTheSetupProgram) {
  PlaceUninstaller(FILE_ATTRIBUTE_ARCHIVE);
  HANDLE panel = StartPanel();
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitForPanelInTray());
  EXPECT_EQ(FirstLine(kSetupArgumentLine), -1);
  ExitPanel(panel);
}

TEST_F(PanelRun, AReadOnlyUninstallerStillRunsTheSetupProgram) {
  PlaceUninstaller(FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY);
  HANDLE panel = StartPanel();
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitForPanelInTray());
  EXPECT_GE(FirstLine(kSetupArgumentLine), 0);
  ExitPanel(panel);
}

// A right click on the tray icon and "exit" in its menu, as a user ends the panel.
TEST_F(PanelRun, ExitThroughTheTrayMenuRunsTheWholeExitSequence) {
  HANDLE panel = StartPanel();
  ASSERT_NE(panel, nullptr);
  ASSERT_TRUE(WaitForPanelInTray());
  // A menu closes when it loses the activation, which other programs on the display may take
  // before the click arrives, or opens too late on a busy machine; the user then opens it again.
  bool ended = false;
  for (int attempt = 0; attempt < 5 && !ended; ++attempt) {
    PostMessageW(MainWindow(), 0x401, 0, WM_RBUTTONUP);
    HWND menu = nullptr;
    if (!WaitFor([&] { return (menu = FindWindowW(L"MenuWnd", nullptr)) != nullptr; }, 10000)) continue;
    Sleep(300);  // laid out by its first paint
    const LPARAM firstItem = MAKELPARAM(20, 10);
    PostMessageW(menu, WM_MOUSEMOVE, 0, firstItem);
    PostMessageW(menu, WM_LBUTTONDOWN, MK_LBUTTON, firstItem);
    PostMessageW(menu, WM_LBUTTONUP, 0, firstItem);
    ended = WaitForSingleObject(panel, 5000) == WAIT_OBJECT_0;
  }
  ASSERT_TRUE(ended) << "the process ends";
  DWORD code = 99;
  GetExitCodeProcess(panel, &code);
  EXPECT_EQ(code, 0u);
  const int exitStarted = FirstLine(ToUtf8(L"\u9000\u51FA\u6D4B\u8BD5"));
  ASSERT_GE(exitStarted, 0) << "the exit sequence ran";
  EXPECT_GT(FirstLine(ToUtf8(L"\u6240\u6709\u5BF9\u8C61\u5904\u4E8E\u6FC0\u53D1\u72B6\u6001")), exitStarted)
      << "every worker thread ended within the wait";
}

}  // namespace
