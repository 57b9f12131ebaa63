// The mouse page in the main window built from the panel's skin, with a simulated mouse on the HID
// seam: first run, detection, the mouse's change reports and the on-board profile buttons.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>

#include "data_folders.h"
#include "hid_backend.h"
#include "ini_values.h"
#include "mouse_state.h"
#include "mousepad_state.h"
#include "panel_message.h"
#include "panel_window_fixture.h"
#include "profile_store.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"
#include "worker_threads.h"

namespace {

// Counts the "TRAMOLEX_001" messages that this thread takes from its queue.
std::atomic<int> announcements{0};
LRESULT CALLBACK CountAnnouncements(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == PanelRegisteredMessage) ++announcements;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class MousePageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    bus.SetReadsWaitInRealTime(true);  // the readers block instead of spinning
    InstallHidBackend(&bus);
    folder = DeviceProfileFolder(nullptr, L"ms");
    RemoveTree(folder);
    folder = DeviceProfileFolder(nullptr, L"ms");
    announcements = 0;
    hook = SetWindowsHookExW(WH_GETMESSAGE, CountAnnouncements, nullptr, GetCurrentThreadId());
    PanelWindowTest::SetUp();
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    UnhookWindowsHookEx(hook);
    InstallHidBackend(nullptr);
    RemoveTree(folder);
  }

  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  CComboUI* Combo(const wchar_t* name) { return dynamic_cast<CComboUI*>(Find(name)); }
  bool MouseShown() {
    COptionUI* tab = Option(L"ms_tab");
    return tab->IsVisible() && tab->IsSelected();
  }
  // Opens the window with the mouse plugged in and waits until its detection has shown it.
  std::shared_ptr<SimulatedDevice> OpenWithMouse() {
    auto mouse = MakeSimulatedMouse();
    bus.Attach(mouse);
    OpenWindow();
    EXPECT_TRUE(PumpUntil([this] { return MouseShown(); }, 10000));
    // The pass that showed it holds the channel's lock until it is done.
    std::lock_guard<std::recursive_mutex> passDone(window->m_mouseChannel.m_lock);
    return mouse;
  }
  std::vector<unsigned char> DeviceProfileFile() { return ReadBytes(folder + L"Profile 1.config"); }
  // The mouse's page shown with `other` plugged in beside it, then the mouse unplugged and gone.
  void UnplugTheMouseBeside(std::shared_ptr<SimulatedDevice> other, DeviceCommandChannel CMainWnd::*otherChannel) {
    bus.Attach(other);
    auto mouse = OpenWithMouse();
    ASSERT_TRUE(PumpUntil([&] { return (window->*otherChannel).IsConnected() != 0; }, 5000));
    ShowWindow(window->GetHWND(), SW_SHOW);
    Option(L"ms_tab")->Selected(true, true);
    mouse->Unplug();
    ASSERT_TRUE(PumpUntil([this] { return !Find(L"ms_tab")->IsVisible(); }, 5000));
  }

  SimulatedHidBackend bus;
  std::wstring folder;
  HHOOK hook = nullptr;
};

TEST_F(MousePageTest, AFirstStartWithTheMousePluggedInSeedsReadsAndShowsIt) {
  WriteText(folder + L"name_3.cur", "kept");
  auto mouse = OpenWithMouse();

  const size_t sizes[] = {592, 80, 528};
  const wchar_t* const files[] = {L"Profile 1.config", L"Profile 1.led", L"Profile 1.pro"};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(sizes[i], ReadBytes(folder + files[i]).size()) << files[i];
  for (const wchar_t* combo : {L"ms_device_profile_combo", L"ms_deng_profile_combo", L"ms_key_profile_combo"}) {
    ASSERT_EQ(1, Combo(combo)->GetCount()) << combo;
    EXPECT_EQ(std::wstring(L"Profile 1"), Combo(combo)->GetItemAt(0)->GetText().GetData()) << combo;
  }
  EXPECT_EQ(0, Combo(L"ms_device_profile_combo")->GetCurSel());
  EXPECT_EQ(4, ReadIniNumber(folder + L"msMacro.ini", L"CURSORCOUNT", L"count"));
  for (const wchar_t* script : {L"name_1.cur", L"name_2.cur", L"name_4.cur"})
    EXPECT_TRUE(PathExists(folder + script)) << script;
  EXPECT_EQ(4u, ReadBytes(folder + L"name_3.cur").size()) << "an existing script is kept";

  // One read-back; the saved device profile's select may send its settings and keys around it.
  std::vector<uint8_t> commands;
  for (const CommandReport& request : mouse->Requests()) commands.push_back(request[COMMAND_FIELD_COMMAND]);
  const auto begin = std::find(commands.begin(), commands.end(), 0x01);
  const auto end = std::find(commands.begin(), commands.end(), 0x02);
  ASSERT_NE(end, commands.end());
  EXPECT_EQ(1, std::count(commands.begin(), commands.end(), 0x01));
  EXPECT_EQ(68, end - begin) << "one read-back";
  const SimulatedMemory memory = mouse->Memory();
  EXPECT_TRUE(std::equal(memory.keyMemory.begin() + 126, memory.keyMemory.begin() + 126 + 512, MouseKeyTables[1].begin()));
  EXPECT_EQ(1, MouseLiveSettings[1]) << "the live settings come from the loaded profile";
  PumpFor(200);
  EXPECT_EQ(1, announcements.load());
}

// Finding the mouse runs the device list's select, which sends the device profile's keys to
// on-board profile 1, whichever comes first at start-up: the mouse's detection, or the device list's
// watcher, whose first pass only shows the saved profile.
TEST_F(MousePageTest, FindingTheMouseSendsTheDeviceProfilesKeysInEitherStartUpOrder) {
  constexpr uint8_t kWriteKeyTable = 0x09;
  for (const bool pluggedAtStart : {true, false}) {
    SCOPED_TRACE(pluggedAtStart ? "plugged in at start" : "plugged in after the watcher's first pass");
    auto mouse = MakeSimulatedMouse();
    if (pluggedAtStart) {
      bus.Attach(mouse);
      ASSERT_NO_FATAL_FAILURE(OpenWindow());
    } else {
      ASSERT_NO_FATAL_FAILURE(RestartWindow());
      ASSERT_TRUE(PumpUntil([this] { return Combo(L"ms_device_profile_combo")->GetCurSel() == 0; }, 5000));
      bus.Attach(mouse);
    }
    ASSERT_TRUE(PumpUntil([this] { return MouseShown(); }, 10000));
    { std::lock_guard<std::recursive_mutex> passDone(window->m_mouseChannel.m_lock); }
    const std::vector<CommandReport> requests = mouse->Requests();
    EXPECT_TRUE(std::any_of(requests.begin(), requests.end(), [&](const CommandReport& request) {
      return request[COMMAND_FIELD_COMMAND] == kWriteKeyTable;
    }));
    mouse->Unplug();
  }
}

// The user's profiles outlive a lost or damaged index: each list is rebuilt from its files, none of
// which takes the factory payload; a first profile that cannot be written leaves no index behind.
TEST_F(MousePageTest, AStartWithoutAUsableIndexKeepsTheUsersProfiles) {
  const std::vector<uint8_t> mine(576, 0x5A);
  WriteProfileFile(folder + L"Profile 1.config", mine.data(), mine.size(), PROFILE_KIND_MOUSE);
  WriteProfileFile(folder + L"Work.config", mine.data(), mine.size(), PROFILE_KIND_MOUSE);
  WriteText(folder + L"msProfile.ini", "[PROFILEDEVICECOUNT]\r\ncount=0\r\n");
  OpenWindow();
  EXPECT_EQ(ReadBytes(folder + L"Profile 1.config").at(16), 0x5A) << "not the factory payload";
  CComboUI* devices = Combo(L"ms_device_profile_combo");
  ASSERT_EQ(2, devices->GetCount());
  EXPECT_EQ(std::wstring(L"Work"), devices->GetItemAt(1)->GetText().GetData());
  EXPECT_EQ(1, Combo(L"ms_key_profile_combo")->GetCount()) << "a list with no files of its own starts afresh";
}

TEST_F(MousePageTest, AFirstRunThatCannotWriteTheFirstProfileWritesNoIndex) {
  std::vector<std::wstring> messages;
  WatchMessageBoxesWith([&](CMsgWnd& box) {
    messages.push_back(box.FindControl(L"MessageText")->GetText().str());
    box.Close(1);
  });
  CreateDirectoryW((folder + L"Profile 1.config").c_str(), nullptr);
  OpenWindow();
  WatchMessageBoxesWith(nullptr);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(ReadIniText(folder + L"msProfile.ini", L"PROFILEDEVICECOUNT", L"count", L"none"), L"none")
      << "the next start tries again";
  EXPECT_EQ(0, Combo(L"ms_deng_profile_combo")->GetCount()) << "the lists after it stay empty";
}

TEST_F(MousePageTest, AMousePluggedInLaterIsShownWithoutAnnouncement) {
  OpenWindow();
  PumpFor(300);
  EXPECT_FALSE(Find(L"ms_tab")->IsVisible());
  bus.Attach(MakeSimulatedMouse());
  EXPECT_TRUE(PumpUntil([this] { return MouseShown(); }, 5000));
  PumpFor(200);
  EXPECT_EQ(0, announcements.load());
}

// After the mouse goes, the keyboard's tab takes over, else the pad's, else the window hides.
TEST_F(MousePageTest, AnUnpluggedMouseHandsOverToTheKeyboard) {
  ASSERT_NO_FATAL_FAILURE(UnplugTheMouseBeside(MakeSimulatedKeyboard(), &CMainWnd::m_keyboardChannel));
  EXPECT_TRUE(PumpUntil([this] { return Option(L"kb_tab")->IsSelected(); }, 2000));
  PumpFor(100);
  EXPECT_TRUE(IsWindowVisible(window->GetHWND()));
}

TEST_F(MousePageTest, AnUnpluggedMouseHandsOverToThePad) {
  ASSERT_NO_FATAL_FAILURE(UnplugTheMouseBeside(MakeSimulatedMousePad(), &CMainWnd::m_mousePadChannel));
  // The option shows as selected before its route, on the mouse's thread, switches the page.
  auto* pages = dynamic_cast<CTabLayoutUI*>(Find(L"tab_switch"));
  EXPECT_TRUE(PumpUntil([&] { return Option(L"mp_tab")->IsSelected() && pages->GetCurSel() == 2; }, 2000))
      << "the pad's page";
  EXPECT_TRUE(Find(L"mp_tab")->IsVisible());
  EXPECT_FALSE(Option(L"ms_tab")->IsSelected());
  EXPECT_FALSE(Option(L"kb_tab")->IsSelected());
  PumpFor(100);
  EXPECT_TRUE(IsWindowVisible(window->GetHWND())) << "the pad keeps the window";
}

TEST_F(MousePageTest, AnUnpluggedLastDeviceHidesTheWindow) {
  auto mouse = OpenWithMouse();
  ShowWindow(window->GetHWND(), SW_SHOW);
  mouse->Unplug();
  ASSERT_TRUE(PumpUntil([this] { return !Find(L"ms_tab")->IsVisible(); }, 5000));
  EXPECT_TRUE(PumpUntil([this] { return !IsWindowVisible(window->GetHWND()); }, 2000));
}

TEST_F(MousePageTest, TheMousesChangeReportsReachThePage) {
  auto mouse = OpenWithMouse();
  const std::vector<unsigned char> before = DeviceProfileFile();
  ASSERT_EQ(592u, before.size());

  // The profile button while the page edits profile 3: block 3 keeps the live settings and the
  // page follows block 0.
  MouseLiveSettings.fill(0x3C);
  MouseLiveSettings[0] = 3;
  mouse->EditMemory([](SimulatedMemory& memory) { memory.settings[6] = 0x42; });  // red, changed on the mouse
  mouse->PressProfileButton();
  ASSERT_TRUE(PumpUntil([] { return MouseLiveSettings[0] == 0; }, 5000));
  EXPECT_EQ(0x3C, MouseSettingsBlocks[3][5]);
  EXPECT_EQ(mouse->Memory().settings[5], MouseLiveSettings[5]);
  EXPECT_TRUE(PumpUntil([&] { return DeviceProfileFile() != before; }, 2000)) << "the device profile is saved";
  EXPECT_EQ(0x42, DeviceProfileFile().at(16 + 512 + 6));

  // A device change: the read-back runs on the window thread.
  std::atomic<DWORD> readBackThread{0};
  mouse->SetRequestObserver([&](const uint8_t* request) {
    if (request[COMMAND_FIELD_COMMAND] == 0x01) readBackThread = GetCurrentThreadId();
  });
  mouse->SendChangeReport(0x402);
  EXPECT_TRUE(PumpUntil([&] { return readBackThread != 0; }, 5000));
  EXPECT_EQ(GetCurrentThreadId(), readBackThread.load());
  mouse->SetRequestObserver(nullptr);

  mouse->SendChangeReport(0x403);
  EXPECT_TRUE(PumpUntil([] { return MouseFlashRequest == 1 && MousePadFlashRequest == 1; }, 5000));
}

TEST_F(MousePageTest, AnOnBoardProfileButtonSwitchesTheMouse) {
  auto mouse = OpenWithMouse();
  NotifyClick(Find(L"ms_profile_3"));
  EXPECT_EQ(3, mouse->Memory().settings[0]);
  EXPECT_EQ(3, MouseLiveSettings[0]);
  EXPECT_EQ(4, MouseLiveSettings[1]) << "profile 3's lighting mode";
}

// The detection holds the channel's lock while it changes controls; the window thread writing
// settings meanwhile must never wait on it for good.
TEST_F(MousePageTest, PlugAndUnplugWhileTheWindowWritesSettingsNeverDeadlocks) {
  auto mouse = OpenWithMouse();
  const uint8_t level = 2;
  int writes = 0;
  auto writeWhile = [&](const std::function<bool()>& done) {
    return PumpUntil([&] {
      window->m_mouseChannel.WriteSettings(&level, 1, 2);
      ++writes;
      return done();
    }, 5000);
  };
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    mouse->Unplug();
    ASSERT_TRUE(writeWhile([this] { return !Find(L"ms_tab")->IsVisible(); }));
    mouse->Plug();
    ASSERT_TRUE(writeWhile([this] { return MouseShown(); }));
  }
  EXPECT_GT(writes, 3);
}

// A stop set before a thread's first wait ends it there: no pass, and the event stays set.
TEST_F(MousePageTest, AStopSetBeforeTheFirstWaitEndsEitherThreadAtOnce) {
  auto mouse = MakeSimulatedMouse();
  bus.Attach(mouse);
  for (WorkerThreadProc proc : {MouseDetectThreadProc, MouseSyncReaderThreadProc}) {
    HANDLE stop = CreateEventW(nullptr, TRUE, TRUE, nullptr);
    WorkerThreadParam param{window, stop};
    EXPECT_EQ(0u, proc(&param));
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(stop, 0)) << "the thread left its stop event set";
    CloseHandle(stop);
  }
  EXPECT_FALSE(window->m_mouseChannel.IsConnected());
  EXPECT_TRUE(mouse->WireLog().empty());
}

}  // namespace
