// The main window in the test process: start-up notification, timers driven by injected messages,
// the registered message, and the exit sequence.
#include <gtest/gtest.h>
#include <process.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "audio_standin_steering.h"
#include "data_folders.h"
#include "fake_clock.h"
#include "panel_message.h"
#include "panel_settings.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"
#include "timer_ids.h"
#include "worker_threads.h"

namespace {

void SetRegistryLanguage(const wchar_t* text) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kLanguageRegistryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(key, L"LANGUAGE", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

TEST_F(PanelWindowTest, StartupHidesTheWindowRunsEighteenThreadsAndRecordsEnglish) {
  OpenWindow();
  EXPECT_FALSE(IsWindowVisible(window->GetHWND())) << "the panel starts in the tray";
  EXPECT_EQ(MainWindowHandle, window->GetHWND());
  for (int i = 0; i < kWorkerThreadCount; ++i) {
    ASSERT_NE(window->m_threadHandles[i], nullptr) << i;
    EXPECT_EQ(WaitForSingleObject(window->m_threadHandles[i], 0), static_cast<DWORD>(WAIT_TIMEOUT)) << i;
  }
  EXPECT_EQ(ReadSkinImageText(iniPath, L"LANGUAGE"), L"0");
  EXPECT_EQ(CResourceManager::GetInstance()->GetLanguage(), L"en");
  EXPECT_EQ(Find(L"main_title")->GetText(), L"KARVO Driver");
  EXPECT_EQ(window->m_mouseChannel.m_productId, 0x5F01);
  EXPECT_EQ(window->m_mousePadChannel.m_productId, 0x763D);
  EXPECT_EQ(window->m_keyboardChannel.m_productId, 0x0632);
  EXPECT_EQ(window->m_keyboardChannel.m_usagePage, 0xFF1C);
  EXPECT_EQ(window->m_headsetChannel.m_productId, 0);
}

TEST_F(PanelWindowTest, LanguageFromRegistrySeedsANewMainIniAndIsShown) {
  SetRegistryLanguage(L"2020");
  OpenWindow();
  EXPECT_EQ(ReadSkinImageText(iniPath, L"LANGUAGE"), L"1");
  EXPECT_EQ(CResourceManager::GetInstance()->GetLanguage(), L"de");
  EXPECT_EQ(Find(L"main_title")->GetText(), L"KARVO Treiber") << "controls built before show German too";
}

TEST_F(PanelWindowTest, LanguageChosenInMainIniSurvivesAnOlderRegistryValue) {
  SetRegistryLanguage(L"2020");
  WriteSkinImageValue(iniPath, L"LANGUAGE", L"2");
  OpenWindow();
  EXPECT_EQ(ReadSkinImageText(iniPath, L"LANGUAGE"), L"2");
  EXPECT_EQ(Find(L"main_title")->GetText(), L"Pilote KARVO");
}

TEST_F(PanelWindowTest, StoredBackgroundImageReplacesTheLayoutsColour) {
  WriteSkinImageValue(iniPath, L"FLAGS", L"1");
  WriteSkinImageValue(iniPath, L"IMAGE", L"bg_blue.png");
  OpenWindow();
  CControlUI* root = Find(L"root");
  EXPECT_EQ(root->GetBkImage(), L"bg_blue.png");
  EXPECT_EQ(root->GetBkColor(), 0u);
}

TEST_F(PanelWindowTest, SkinChangeBroadcastSetsColourOrImage) {
  OpenWindow();
  CControlUI* root = Find(L"root");
  SkinChangedParam image;
  image.bgimage = L"wood.png";
  BroadcastSkinChange(image);
  EXPECT_EQ(root->GetBkImage(), L"wood.png");
  EXPECT_EQ(root->GetBkColor(), 0u);
  SkinChangedParam colour;
  colour.colorFlag = true;
  colour.bkcolor = 0xFF336699;
  BroadcastSkinChange(colour);
  EXPECT_EQ(root->GetBkColor(), 0xFF336699u);
  EXPECT_EQ(root->GetBkImage(), L"");
}

TEST_F(PanelWindowTest, FixedControlTextsDependOnTheLanguage) {
  OpenWindow();
  EXPECT_STREQ(window->QueryControlText(L"TitleText", nullptr), L"KARVO Demo v1.1");
  EXPECT_STREQ(window->QueryControlText(L"hometext", nullptr), L"{a}Home Page{/a}");
  EXPECT_EQ(window->QueryControlText(L"message_text_1", nullptr), nullptr);
  CResourceManager::GetInstance()->SetLanguage(L"de");
  EXPECT_STREQ(window->QueryControlText(L"titletext", nullptr), L"mouse");
}

TEST_F(PanelWindowTest, CloseButtonOnlyHidesTheWindow) {
  OpenWindow();
  ShowWindow(window->GetHWND(), SW_SHOW);
  window->Manager().SendNotify(Find(L"closebtn"), L"click");
  EXPECT_FALSE(IsWindowVisible(window->GetHWND()));
  EXPECT_TRUE(IsWindow(window->GetHWND()));
}

// Timers are driven by injected WM_TIMER messages; a one-shot timer kills itself.
bool TimerRuns(HWND window, UINT id) { return KillTimer(window, id) != FALSE; }

TEST_F(PanelWindowTest, LeaveSyncTimerTakesOnlyChangedDevicesOutOfSynchronisedLighting) {
  OpenWindow();
  // The mouse device watcher's first pass selects the saved profile, which marks the mouse changed.
  constexpr int kMouseDeviceWatcher = 11;
  SetEvent(window->m_stopEvents[kMouseDeviceWatcher]);
  ASSERT_EQ(WaitForSingleObject(window->m_threadHandles[kMouseDeviceWatcher], 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  window->m_mouseDirty = 0;
  window->m_keyboardChannel.m_lightingSync = 1;
  window->m_mouseChannel.m_lightingSync = 1;
  window->m_mousePadChannel.m_lightingSync = 1;
  window->m_keyboardDirty = 1;
  window->m_mousePadDirty = 1;
  window->SendMessage(WM_TIMER, TIMER_LEAVE_SYNC, 0);
  EXPECT_EQ(window->m_keyboardChannel.m_lightingSync, 0);
  EXPECT_EQ(window->m_keyboardDirty, 0);
  EXPECT_EQ(window->m_mouseChannel.m_lightingSync, 1);
  EXPECT_EQ(window->m_mousePadChannel.m_lightingSync, 0);
  EXPECT_EQ(window->m_mousePadDirty, 0);
  EXPECT_TRUE(TimerRuns(window->GetHWND(), TIMER_LEAVE_SYNC)) << "timer 2 keeps running";
}

TEST_F(PanelWindowTest, OneShotTimersEndThemselves) {
  OpenWindow();
  const HWND hwnd = window->GetHWND();
  for (UINT id : {TIMER_HIDE_PROGRESS, TIMER_REPAINT, TIMER_KEYBOARD_STARTUP_READ, TIMER_MOUSEPAD_STARTUP_READ,
                  TIMER_KEYBOARD_LED_FRAME}) {
    SetTimer(hwnd, id, 60000, nullptr);
    window->SendMessage(WM_TIMER, id, 0);
    EXPECT_FALSE(TimerRuns(hwnd, id)) << id;
  }
}

TEST_F(PanelWindowTest, ProgressTimerHidesTheProgress) {
  OpenWindow();
  CControlUI* progress = Find(L"setting_progress");
  ASSERT_NE(progress, nullptr);
  progress->SetVisible(true);
  window->SendMessage(WM_TIMER, TIMER_HIDE_PROGRESS, 0);
  EXPECT_FALSE(progress->IsVisible());
}

TEST_F(PanelWindowTest, KeyboardFrameTimerRearmsOnlyWhileTheKeyboardIsConnected) {
  OpenWindow();
  const HWND hwnd = window->GetHWND();
  window->m_keyboardChannel.m_connected = 1;
  window->SendMessage(WM_TIMER, TIMER_KEYBOARD_LED_FRAME, 0);
  EXPECT_TRUE(TimerRuns(hwnd, TIMER_KEYBOARD_LED_FRAME));
  window->m_keyboardChannel.m_connected = 0;
  window->SendMessage(WM_TIMER, TIMER_KEYBOARD_LED_FRAME, 0);
  EXPECT_FALSE(TimerRuns(hwnd, TIMER_KEYBOARD_LED_FRAME));
}

HWND boxToClose = nullptr;
void CALLBACK CloseBox(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  PostMessageW(boxToClose, WM_CLOSE, 0, 0);
}

TEST_F(PanelWindowTest, RegisteredMessageWithoutDeviceShowsOneNoDeviceBox) {
  OpenWindow();
  std::vector<std::wstring> shown;
  WatchMessageBoxesWith([&](CMsgWnd& box) {
    shown.push_back(box.FindControl(L"MessageText")->GetText().str());
    boxToClose = box.GetHWND();
    SetTimer(nullptr, 0, 400, CloseBox);  // the second message arrives while this box is open
  });
  window->PostMessage(PanelRegisteredMessage, 0, 0);
  window->PostMessage(PanelRegisteredMessage, 0, 0);
  PumpFor(800);
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0], L"No device is connected. Please connect a device and try again.");
  EXPECT_FALSE(IsWindowVisible(window->GetHWND()));
}

TEST_F(PanelWindowTest, RegisteredMessageWithADeviceBringsTheWindowForward) {
  OpenWindow();
  // The K27's detection ends first: its pass would find no K27 behind the flag and clear it.
  constexpr int kK27Detection = 16;
  SetEvent(window->m_stopEvents[kK27Detection]);
  ASSERT_EQ(WaitForSingleObject(window->m_threadHandles[kK27Detection], 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  int boxes = 0;
  WatchMessageBoxesWith([&](CMsgWnd& box) {
    ++boxes;
    box.Close(0);
  });
  window->m_headsetK27Channel.m_connected = 1;
  ShowWindow(window->GetHWND(), SW_SHOWMINIMIZED);
  window->SendMessage(PanelRegisteredMessage, 0, 0);
  EXPECT_FALSE(IsIconic(window->GetHWND())) << "restored";
  EXPECT_EQ(boxes, 0);
  window->m_headsetK27Channel.m_connected = 0;
}

std::vector<std::string> I2CWrites() {
  HMODULE library = GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll");
  if (!library) return {};
  std::vector<std::string> writes;
  for (const std::string& line : AudioControlStandin(library).CallLog())
    if (line.rfind("Harkin_Write_I2C_ById", 0) == 0) writes.push_back(line);
  return writes;
}

// Far below the exit's 10 s give-up. DestroyWindow also runs Wine's own X11 teardown, which on a
// freshly booted prefix waits up to 2 s for the display before the window goes.
constexpr DWORD kPromptExitMs = 3000;

TEST_F(PanelWindowTest, ExitStopsEveryThreadPromptlyAndLeavesTheHeadsetLightsFixed) {
  OpenWindow();
  HMODULE library = GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll");
  ASSERT_NE(library, nullptr) << "the stand-in audio library was loaded at start-up";
  AudioControlStandin(library).ClearCallLog();
  std::vector<HANDLE> threads;
  for (HANDLE thread : window->m_threadHandles) {
    HANDLE copy = nullptr;
    DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0);
    threads.push_back(copy);
  }

  const DWORD start = GetTickCount();
  DestroyWindow(window->GetHWND());
  const DWORD elapsed = GetTickCount() - start;

  EXPECT_LT(elapsed, kPromptExitMs);
  EXPECT_TRUE(window->WorkerThreadsEnded());
  EXPECT_EQ(WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, 0), WAIT_OBJECT_0);
  for (HANDLE copy : threads) CloseHandle(copy);
  for (int i = 0; i < kWorkerThreadCount; ++i) {
    EXPECT_EQ(window->m_threadHandles[i], nullptr);
    EXPECT_EQ(window->m_stopEvents[i], nullptr);
  }
  const std::vector<std::string> expected = {
      "Harkin_Write_I2C_ById(0x11, 0x23, [02], 1, 1000, 0)", "Harkin_Write_I2C_ById(0x22, 0x23, [02], 1, 1000, 0)",
      "Harkin_Write_I2C_ById(0x11, 0x24, [FF], 1, 1000, 0)", "Harkin_Write_I2C_ById(0x22, 0x24, [FF], 1, 1000, 0)",
      "Harkin_Write_I2C_ById(0x11, 0x25, [08], 1, 1000, 0)", "Harkin_Write_I2C_ById(0x22, 0x25, [08], 1, 1000, 0)",
      "Harkin_Write_I2C_ById(0x11, 0x2A, [FF], 1, 1000, 0)", "Harkin_Write_I2C_ById(0x22, 0x2A, [FF], 1, 1000, 0)",
  };
  EXPECT_EQ(I2CWrites(), expected);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop is told to end";
}

// The main window on a bus with a simulated K27 headset, whose interface is open on the K27
// channel as its detection thread leaves it.
class PanelWindowWithK27Test : public PanelWindowTest {
 protected:
  void SetUp() override {
    const std::wstring path = bus.Attach(headset);
    InstallHidBackend(&bus);  // before the window builds its channels
    PanelWindowTest::SetUp();
    OpenWindow();
    ASSERT_EQ(1, window->m_headsetK27Channel.m_device.Open(path, true, true, true, false));
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }
  // Destroys the window; true when the exit sequence finished promptly.
  bool ExitPromptly() {
    const DWORD start = GetTickCount();
    DestroyWindow(window->GetHWND());
    return GetTickCount() - start < kPromptExitMs;
  }

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> headset = MakeSimulatedHeadsetK27();
};

std::vector<uint8_t> K27ExitReport(uint8_t target) {
  std::vector<uint8_t> report(17, 0);
  report[0] = 0xFF;
  report[1] = target;
  report[2] = 0x23;
  report[3] = 0x04;
  return report;
}

TEST_F(PanelWindowWithK27Test, ExitLeavesBothK27LightGroupsInTheirExitState) {
  EXPECT_TRUE(ExitPromptly());
  EXPECT_EQ((std::vector<std::vector<uint8_t>>{K27ExitReport(0x22), K27ExitReport(0x44)}), headset->OutputReports());
}

TEST_F(PanelWindowWithK27Test, AK27UnpluggedMidExitDoesNotHoldTheExitUp) {
  headset->InjectFault(SimulatedFault::Unplug, 1);  // it vanishes as the second report arrives
  EXPECT_TRUE(ExitPromptly());
  EXPECT_EQ(std::vector<std::vector<uint8_t>>{K27ExitReport(0x22)}, headset->OutputReports());
  EXPECT_FALSE(headset->IsPlugged());
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the exit went on to its end";
}

// Exit with threads whose creation failed (null handles) or that never end.
TEST_F(PanelWindowTest, ExitWaitsOnlyForThreadsThatWereCreated) {
  OpenWindow();
  HANDLE notCreated = window->m_threadHandles[3];
  window->m_threadHandles[3] = nullptr;
  const DWORD start = GetTickCount();
  DestroyWindow(window->GetHWND());
  EXPECT_LT(GetTickCount() - start, kPromptExitMs);
  EXPECT_TRUE(window->WorkerThreadsEnded());
  EXPECT_EQ(WaitForSingleObject(notCreated, 2000), WAIT_OBJECT_0);
  CloseHandle(notCreated);
}

unsigned __stdcall NeverEnds(void*) {
  Sleep(INFINITE);
  return 0;
}

TEST_F(PanelWindowTest, ExitThatGivesUpWaitingFreesNothingAThreadStillUses) {
  OpenWindow();
  HANDLE replaced = window->m_threadHandles[5];
  window->m_threadHandles[5] = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, NeverEnds, nullptr, 0, nullptr));
  const DWORD start = GetTickCount();
  std::vector<DWORD> pauses;
  {
    FakeClock clock;
    DestroyWindow(window->GetHWND());
    pauses = clock.Pauses();
  }
  EXPECT_NE(std::find(pauses.begin(), pauses.end(), 10000u), pauses.end()) << "the wait is bounded at 10 s";
  EXPECT_LT(GetTickCount() - start, 5000u) << "and the bound comes through the clock";
  EXPECT_FALSE(window->WorkerThreadsEnded()) << "so wWinMain keeps the window object";
  DWORD flags = 0;
  EXPECT_TRUE(GetHandleInformation(window->m_stopEvents[5], &flags)) << "its stop event stays open";
  EXPECT_EQ(WaitForSingleObject(replaced, 2000), WAIT_OBJECT_0);
  CloseHandle(replaced);
}

TEST_F(PanelWindowTest, FindGivesTypedControlsAndReportsAMissingOrMistypedOneOnce) {
  OpenWindow();
  DebugLogCapture log;
  ASSERT_NE(Find(L"ms_deng_Color_Pallet"), nullptr);
  EXPECT_EQ(window->Find<CColorPaletteUI>(L"ms_deng_Color_Pallet"), Find(L"ms_deng_Color_Pallet"));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(window->Find<CSliderUI>(L"ms_deng_Color_Pallet"), nullptr);
    EXPECT_EQ(window->Find(L"no_such_control"), nullptr);
    EXPECT_EQ(window->Find<CButtonUI>(L"no_such_key_", 7), nullptr);
  }
  EXPECT_EQ(log.Count(L"control \"ms_deng_Color_Pallet\" is not a CSliderUI"), 1);
  EXPECT_EQ(log.Count(L"control \"no_such_control\" not found"), 1);
  EXPECT_EQ(log.Count(L"control \"no_such_key_7\" not found"), 1);
}

TEST_F(PanelWindowTest, DataFoldersAreTheDeviceFoldersUnderTheRootAndExist) {
  OpenWindow();
  const std::wstring root = window->GetProfileRootFolder();
  EXPECT_EQ(root, ProfileRootFolder(nullptr));
  const struct {
    std::wstring folder;
    const wchar_t* name;
  } devices[] = {{window->GetKeyboardProfileFolder(), L"kb"},
                 {window->GetMouseProfileFolder(), L"ms"},
                 {window->GetMousePadProfileFolder(), L"mp"}};
  for (const auto& device : devices) {
    EXPECT_EQ(device.folder, root + device.name + L"\\");
    EXPECT_TRUE(PathExists(device.folder)) << device.name;
  }
}

// Thread 6 is replaced by one that looks at the capture hook when its stop event is set.
struct HookAtStop {
  CMainWnd* window;
  HANDLE stopEvent;
  bool hookInstalled;
};

unsigned __stdcall RecordHookAtStop(void* parameter) {
  auto& seen = *static_cast<HookAtStop*>(parameter);
  WaitForSingleObject(seen.stopEvent, INFINITE);
  seen.hookInstalled = seen.window->m_deviceHook.IsInstalled();
  return 0;
}

TEST_F(PanelWindowTest, ExitRemovesTheCaptureHookBeforeItStopsTheThreads) {
  OpenWindow();
  EXPECT_FALSE(window->WorkerThreadsEnded()) << "the threads run, so the window object must stay";
  ASSERT_TRUE(window->SetHook(HOOK_MODE_KEY_MACRO, true, true, true));
  HookAtStop seen{window, window->m_stopEvents[5], true};
  HANDLE replaced = window->m_threadHandles[5];
  window->m_threadHandles[5] =
      reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, RecordHookAtStop, &seen, 0, nullptr));
  DestroyWindow(window->GetHWND());
  EXPECT_TRUE(window->WorkerThreadsEnded());
  EXPECT_FALSE(seen.hookInstalled) << "no key waits on the hook while the exit waits for the threads";
  EXPECT_EQ(WaitForSingleObject(replaced, 2000), WAIT_OBJECT_0);
  CloseHandle(replaced);
}

// Two detection threads finding their devices at once each select their tab with its notification:
// the page shown is always the selected tab's (seen at start-up with every device plugged: the
// mouse's tab selected over the K27's page).
TEST_F(PanelWindowTest, TabsSelectedByTwoDetectionThreadsAtOnceShowTheSelectedTabsPage) {
  OpenWindow();
  const wchar_t* const tabs[] = {L"kb_tab", L"ms_tab", L"mp_tab", L"hs_tab", L"hsK27_tab"};
  auto* pages = dynamic_cast<CTabLayoutUI*>(Find(L"tab_switch"));
  auto* keyboardTab = dynamic_cast<COptionUI*>(Find(L"kb_tab"));
  ASSERT_TRUE(pages && keyboardTab);
  for (int round = 0; round < 500; ++round) {
    keyboardTab->Selected(true, false);
    std::thread mouse([this] { SelectDeviceTabFromWorker(*window, L"ms_tab"); });
    std::thread k27([this] { SelectDeviceTabFromWorker(*window, L"hsK27_tab"); });
    mouse.join();
    k27.join();
    const int shown = pages->GetCurSel();
    ASSERT_TRUE(shown == 1 || shown == 4) << "round " << round << ": page " << shown;
    ASSERT_TRUE(dynamic_cast<COptionUI*>(Find(tabs[shown]))->IsSelected()) << "round " << round;
  }
}

// On a thread of its own: what a thread's waits have seen stays with the thread.
TEST(WorkerThreadStop, StopProtocolEndsAThreadStoppedBeforeItsFirstWait) {
  std::thread([] {
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetEvent(stop);
    EXPECT_TRUE(StopRequested(stop));
    EXPECT_TRUE(PauseUnlessStopped(stop, 60000)) << "a pause ends at once";
    EXPECT_TRUE(StopRequested(stop));
    ResetEvent(stop);
    EXPECT_FALSE(PauseUnlessStopped(stop, 5));
    EXPECT_FALSE(StopRequested(stop));
    CloseHandle(stop);
  }).join();
}

}  // namespace
