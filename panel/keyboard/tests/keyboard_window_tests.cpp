// The keyboard on the panel's real main window, with simulated keyboards on the HID seam: its
// detection thread finds, shows, announces and gives up the keyboard; its change reports and the
// window's read-backs; the key page's download.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "data_folders.h"
#include "debug_log_capture.h"
#include "hid_backend.h"
#include "foreground_program.h"
#include "keyboard_factory_data.h"
#include "keyboard_page_state.h"
#include "keyboard_profile_payloads.h"
#include "keyboard_test_fixture.h"
#include "macro_store_writer.h"
#include "panel_message.h"
#include "panel_window_fixture.h"
#include "profile_store.h"
#include "window_messages.h"

namespace {

// 0x01, 0x03, 0x07 (chunks), 0x05, 0x08 (chunks), 0x05 one byte, 0x02.
const std::vector<int> kReadBack = {0x01, 0x03, 0x07, 0x05, 0x08, 0x05, 0x02};
constexpr int kLedFrameCommand = 0x12;
constexpr DWORD kFindMs = 5000;
constexpr DWORD kSelectMs = 10000;
// The start-up read-back runs 500 ms after the window's start; tests that count requests wait it out.
constexpr DWORD kPastStartupReadMs = 800;

class KeyboardWindowTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    // The change-report reader blocks on its reads instead of spinning.
    bus.SetReadsWaitInRealTime(true);
    InstallHidBackend(&bus);
    KeyboardPageState().Reset();
    RemoveTree(DeviceProfileFolder(nullptr, L"kb"));
    folder = DeviceProfileFolder(nullptr, L"kb");
    PanelWindowTest::SetUp();
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
    RemoveTree(folder);
  }

  std::shared_ptr<SimulatedDevice> Attach(const SimulatedDeviceModel& model) {
    auto keyboard = std::make_shared<SimulatedDevice>(model);
    bus.Attach(keyboard);
    return keyboard;
  }
  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  bool KeyboardTabShown() { return Find(L"kb_tab")->IsVisible() && Option(L"kb_tab")->IsSelected(); }
  void WaitUntilFound() { ASSERT_TRUE(PumpUntil([this] { return KeyboardTabShown(); }, kFindMs)); }
  // The watchers show the saved device and key profiles at their first pass, and the detection sends
  // the saved device profile to a keyboard it finds. Tests that count a keyboard's commands plug it
  // in after the first pass.
  std::shared_ptr<SimulatedDevice> OpenWindowThenPlug(const SimulatedDeviceModel& model) {
    OpenWindow();
    EXPECT_TRUE(PumpUntil([this] { return ProfileSelected(L"kb_device_profile_combo") &&
                                          ProfileSelected(L"kb_key_profile_combo"); }, kSelectMs));
    auto keyboard = Attach(model);
    WaitUntilFound();
    return keyboard;
  }
  bool ProfileSelected(const wchar_t* combo) { return dynamic_cast<CComboUI*>(Find(combo))->GetCurSel() >= 0; }
  bool ProfilesShown() { return ProfileSelected(L"kb_device_profile_combo") && ProfileSelected(L"kb_key_profile_combo"); }
  // The three lists of a user who has worked with the panel: device profiles "Work" (the saved
  // selection, with `remap` as its key table) and "Game" (linked to kGame), light profile "Glow",
  // key profile "Keys" (the factory keys, as a first run leaves it).
  void StoreUsersProfiles(const KeyboardKeyTable& remap) {
    KeyboardState profile = KeyboardFactoryState(KEYBOARD_MODEL_RGB2);
    Store(L"Glow.led", EncodeKeyboardLightProfile(profile));
    Store(L"Keys.pro", std::vector<uint8_t>(profile.keyTables[0].begin(), profile.keyTables[0].end()));
    profile.KeyboardLiveSettings[2] = kGameBrightness;
    Store(L"Game.kconfig", EncodeKeyboardDeviceProfile(profile));
    profile.keyTables[0] = remap;
    profile.KeyboardLiveSettings[2] = kWorkBrightness;
    Store(L"Work.kconfig", EncodeKeyboardDeviceProfile(profile));
    WriteText(folder + L"kbProfile.ini",
              "[PROFILEDEVICECOUNT]\r\ncount=2\r\n[PROFILEDEVICENAME]\r\n0=Work\r\n1=Game\r\n"
              "[PROFILEDEVICESELECT]\r\nselect=0\r\n[PROFILELIKEDEVICEEXE]\r\n0=0\r\n1=1\r\n"
              "[DEVICEPROCESS]\r\n0= \r\n1=C:\\Games\\Game.exe\r\n"
              "[PROFILEDENGCOUNT]\r\ncount=1\r\n[PROFILEDENGNAME]\r\n0=Glow\r\n"
              "[PROFILECOUNT]\r\ncount=1\r\n[PROFILENAME]\r\n0=Keys\r\n[PROFILESELECT]\r\nselect=0\r\n");
  }
  void Store(const std::wstring& name, const std::vector<uint8_t>& payload) {
    ASSERT_EQ(0, WriteProfileFile(folder + name, payload.data(), payload.size(), PROFILE_KIND_KEYBOARD));
  }
  // The factory keys of the simulated keyboard with key slot 5 given another key.
  static KeyboardKeyTable Remapped() {
    KeyboardKeyTable keys = KeyboardFactoryKeyTable(KEYBOARD_MODEL_RGB2);
    keys[3 * 5 + 2] = 0x1D;
    return keys;
  }
  static std::vector<uint8_t> KeysOf(const std::vector<unsigned char>& deviceProfileFile) {
    return deviceProfileFile.size() < 2486 ? std::vector<uint8_t>{}
                                           : std::vector<uint8_t>(deviceProfileFile.begin() + 16 + 1958, deviceProfileFile.end());
  }
  // Bank 0's own bytes: the keyboard's slots, three bytes each. The banks overlap, so what lies past
  // them belongs to bank 1.
  static std::vector<uint8_t> Bank0(const SimulatedDevice& keyboard) {
    const SimulatedMemory memory = keyboard.Memory();
    return std::vector<uint8_t>(memory.keyMemory.begin(), memory.keyMemory.begin() + TableBytes(keyboard));
  }
  static std::vector<uint8_t> TableOf(const SimulatedDevice& keyboard, const KeyboardKeyTable& keys) {
    return std::vector<uint8_t>(keys.begin(), keys.begin() + TableBytes(keyboard));
  }
  static size_t TableBytes(const SimulatedDevice& keyboard) { return keyboard.Model().factoryKeyTable.size(); }
  static constexpr uint8_t kWorkBrightness = 1, kGameBrightness = 3;

  // The device list holds one profile, "Work", and it is the saved selection.
  void SelectWorkProfile() {
    WriteText(folder + L"kbProfile.ini",
              "[PROFILEDEVICECOUNT]\r\ncount=1\r\n[PROFILEDEVICESELECT]\r\nselect=0\r\n"
              "[PROFILEDEVICENAME]\r\n0=Work\r\n");
  }
  std::wstring WorkProfile() const { return folder + L"Work.kconfig"; }
  bool OnWindowThread() const { return GetWindowThreadProcessId(window->GetHWND(), nullptr) == GetCurrentThreadId(); }

  // The keyboard's commands without its LED frames, which its timer streams while it is connected.
  static std::vector<int> Commands(const SimulatedDevice& keyboard) {
    std::vector<int> commands = KeyboardFixture::Commands(keyboard);
    commands.erase(std::remove(commands.begin(), commands.end(), kLedFrameCommand), commands.end());
    return commands;
  }
  static std::vector<int> FirstCommands(const SimulatedDevice& keyboard, size_t count) {
    std::vector<int> commands = Commands(keyboard);
    commands.resize(std::min(count, commands.size()));
    return commands;
  }
  // "TRAMOLEX_001" as the window notes each one it receives.
  static int Announcements(const DebugLogCapture& log) {
    return log.Count(L"\u8F6F\u4EF6\u6807\u793A " + std::to_wstring(PanelRegisteredMessage) + L"\uFF0C0d0d");
  }

  // Their places in the workers' start order.
  static constexpr int kDeviceWatcher = 9, kKeyWatcher = 10;

  SimulatedHidBackend bus;
  std::wstring folder;
};

TEST_F(KeyboardWindowTest, APluggedKeyboardIsReadShownAndAnnouncedOnce) {
  struct Case {
    uint16_t productId;
    int model;  // -1: not a keyboard the panel serves
  };
  const Case cases[] = {{0x7513, KEYBOARD_MODEL_RGB}, {0x0632, KEYBOARD_MODEL_ONECOLOR},
                        {0x763E, KEYBOARD_MODEL_RGB2}, {0x5F02, -1}};
  bool opened = false;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.productId);
    auto keyboard = Attach(SimulatedKeyboardModel(c.productId));
    KeyboardPageState().model = 7;
    DebugLogCapture log;
    if (opened) RestartWindow();
    else OpenWindow();
    opened = true;
    if (c.model < 0) {
      PumpFor(500);
      EXPECT_FALSE(Find(L"kb_tab")->IsVisible());
      EXPECT_EQ(7, KeyboardPageState().model);
      EXPECT_TRUE(keyboard->Requests().empty());
      EXPECT_EQ(0, Announcements(log));
      continue;
    }
    WaitUntilFound();
    EXPECT_EQ(c.model, KeyboardPageState().model);
    EXPECT_EQ(kReadBack, FirstCommands(*keyboard, kReadBack.size()));
    const auto shapes = KeyboardFixture::Shapes(*keyboard);
    const auto table = std::find_if(shapes.begin(), shapes.end(), [](const auto& s) { return s[0] == 0x08; });
    const auto end = std::find_if(shapes.begin(), shapes.end(), [](const auto& s) { return s[0] == 0x02; });
    ASSERT_TRUE(table != shapes.end() && end != shapes.end());
    EXPECT_EQ(0, (*table)[2]) << "bank 0";
    EXPECT_EQ((std::array<int, 3>{0x05, 1, 0}), *(end - 1)) << "the live profile index";
    EXPECT_TRUE(PumpUntil([&] { return Announcements(log) > 0; }, 2000));
    PumpFor(300);
    EXPECT_EQ(1, Announcements(log));
    keyboard->Unplug();
  }
}

// The remap of the saved device profile survives the start-up in both orders a user meets: the
// keyboard is sent it, the key list's saved profile (the factory keys) is only shown, and a
// lighting change saves the remap again.
TEST_F(KeyboardWindowTest, TheSavedDeviceProfilesKeysSurviveTheStartUpInEitherOrder) {
  const KeyboardKeyTable remap = Remapped();
  const std::vector<uint8_t> remapBytes(remap.begin(), remap.end());
  bool opened = false;
  for (bool pluggedFirst : {true, false}) {
    SCOPED_TRACE(pluggedFirst ? "plugged before the watchers' first pass" : "plugged after it");
    StoreUsersProfiles(remap);
    KeyboardPageState().Reset();
    std::shared_ptr<SimulatedDevice> keyboard;
    if (pluggedFirst) keyboard = Attach(SimulatedKeyboardModel(0x763E));
    if (opened) RestartWindow();
    else OpenWindow();
    opened = true;
    ASSERT_TRUE(PumpUntil([this] { return ProfilesShown(); }, kSelectMs));
    if (!pluggedFirst) keyboard = Attach(SimulatedKeyboardModel(0x763E));
    WaitUntilFound();
    PumpFor(kPastStartupReadMs);
    EXPECT_EQ(L"Work", Find(L"kb_device_profile_combo")->GetText().str());
    EXPECT_EQ(L"Keys", Find(L"kb_key_profile_combo")->GetText().str());
    EXPECT_EQ(remap, KeyboardPageState().LiveKeyTable());
    EXPECT_EQ(TableOf(*keyboard, remap), Bank0(*keyboard)) << "the keyboard holds the remap";

    dynamic_cast<CComboUI*>(Find(L"kb_deng_combo_modeSelect"))->SelectItem(2);
    EXPECT_EQ(remapBytes, KeysOf(ReadBytes(folder + L"Work.kconfig"))) << "a lighting change saves the remap";
    EXPECT_EQ(2, KeyboardPageState().KeyboardLiveSettings[1]);
    keyboard->Unplug();
  }
}

// A keyboard found while a watcher shows a linked profile gets the saved one, and the combo shows
// what the keyboard and the panel hold; changes go to that profile.
TEST_F(KeyboardWindowTest, TheDetectionSelectsAndSendsTheSavedProfileWhileALinkedOneIsShown) {
  struct GameInFront : ForegroundProgram {
    GameInFront() { InstallForegroundProgram(this); }
    ~GameInFront() override { InstallForegroundProgram(nullptr); }
    std::wstring Path() override { return L"C:\\Games\\Game.exe"; }
  } game;
  const KeyboardKeyTable remap = Remapped();
  StoreUsersProfiles(remap);
  OpenWindow();
  auto* combo = dynamic_cast<CComboUI*>(Find(L"kb_device_profile_combo"));
  ASSERT_TRUE(PumpUntil([&] { return combo->GetCurSel() == 1; }, kSelectMs)) << "the linked profile";
  ASSERT_TRUE(PumpUntil([this] { return ProfileSelected(L"kb_key_profile_combo"); }, kSelectMs));
  for (int watcher : {kDeviceWatcher, kKeyWatcher}) {  // no later pass brings the linked one back
    SetEvent(window->m_stopEvents[watcher]);
    ASSERT_EQ(WaitForSingleObject(window->m_threadHandles[watcher], 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  }
  auto keyboard = Attach(SimulatedKeyboardModel(0x763E));
  WaitUntilFound();
  ASSERT_TRUE(PumpUntil([&] { return Bank0(*keyboard) == TableOf(*keyboard, remap); }, 2000))
      << "the keys of the saved profile";
  EXPECT_EQ(kWorkBrightness, keyboard->Memory().settings[2]) << "and its settings";
  EXPECT_EQ(0, combo->GetCurSel());
  EXPECT_EQ(L"Work", Find(L"kb_device_profile_name_edit")->GetText().str());
  EXPECT_FALSE(dynamic_cast<COptionUI*>(Find(L"kb_device_profile_link_check"))->IsSelected());

  const std::vector<unsigned char> game0 = ReadBytes(folder + L"Game.kconfig");
  dynamic_cast<CComboUI*>(Find(L"kb_deng_combo_modeSelect"))->SelectItem(2);
  EXPECT_EQ(game0, ReadBytes(folder + L"Game.kconfig"));
  EXPECT_EQ(2, ReadBytes(folder + L"Work.kconfig").at(16 + 1));
}

TEST_F(KeyboardWindowTest, AKeyboardPluggedLaterIsShownButNotAnnounced) {
  DebugLogCapture log;
  OpenWindow();
  PumpFor(300);  // the detection's first pass has found nothing
  auto keyboard = Attach(SimulatedKeyboardModel(0x763E));
  WaitUntilFound();
  PumpFor(300);
  EXPECT_EQ(0, Announcements(log));
  EXPECT_FALSE(IsWindowVisible(window->GetHWND())) << "the panel stays in the tray";
}

TEST_F(KeyboardWindowTest, AnUnpluggedKeyboardHandsOverToTheMouseOrHidesTheWindow) {
  struct Case {
    bool mouse;
    const wchar_t* selectedTab;  // null: the window hides
  };
  const Case cases[] = {{true, L"ms_tab"}, {false, nullptr}};
  bool opened = false;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mouse ? "with the mouse" : "alone");
    auto keyboard = Attach(SimulatedKeyboardModel(0x763E));
    if (opened) RestartWindow();
    else OpenWindow();
    opened = true;
    WaitUntilFound();
    ASSERT_TRUE(PumpUntil([this] { return IsWindowVisible(window->GetHWND()) != FALSE; }, 2000)) << "announced";
    if (c.mouse) {  // as the mouse's detection leaves it
      window->m_mouseChannel.m_connected = 1;
      Find(L"ms_tab")->SetVisible(true);
    }
    keyboard->Unplug();
    // The window thread does not pump: the detection thread must neither wait for it nor keep the
    // keyboard's lock, which the window thread's own keyboard commands take.
    const DWORD start = GetTickCount();
    while (Find(L"kb_tab")->IsVisible() && GetTickCount() - start < 2000) Sleep(5);
    EXPECT_FALSE(Find(L"kb_tab")->IsVisible());
    bool locked = false;
    while (!(locked = window->m_keyboardChannel.m_lock.try_lock()) && GetTickCount() - start < 4000) Sleep(5);
    ASSERT_TRUE(locked) << "the detection pass kept the keyboard's lock";
    window->m_keyboardChannel.m_lock.unlock();
    if (c.selectedTab) {
      EXPECT_TRUE(PumpUntil([&] { return Option(c.selectedTab)->IsSelected(); }, 2000));
      EXPECT_TRUE(IsWindowVisible(window->GetHWND()));
    } else {
      EXPECT_TRUE(PumpUntil([this] { return !IsWindowVisible(window->GetHWND()); }, 2000));
    }
    window->m_mouseChannel.m_connected = 0;
  }
}

TEST_F(KeyboardWindowTest, MoreThan170KeySlotsAreRefusedInABoxOfTheWindowThread) {
  SimulatedDeviceModel model = SimulatedKeyboardModel(0x763E);
  model.info.bytes[5] = 171;
  auto keyboard = Attach(model);
  std::vector<std::wstring> texts;
  bool allOnWindowThread = true;
  WatchMessageBoxesWith([&](CMsgWnd& box) {
    texts.push_back(box.FindControl(L"MessageText")->GetText().str());
    allOnWindowThread = allOnWindowThread && OnWindowThread();
    box.Close(0);
  });
  OpenWindow();
  WaitUntilFound();
  ASSERT_TRUE(PumpUntil([&] { return !texts.empty(); }, 2000));
  PumpFor(kPastStartupReadMs);  // the start-up read-back is refused the same way
  EXPECT_TRUE(allOnWindowThread);
  const std::wstring refusal = CResourceManager::GetInstance()->GetText(L"message_text_11").str();
  for (const std::wstring& text : texts) EXPECT_EQ(refusal, text);
  // Each refused read-back shows one box, and none is read again to show it. The saved device
  // profile, which the detection applies, is still sent (0x06, 0x09): it is no read-back.
  std::vector<int> commands = Commands(*keyboard);
  commands.erase(std::remove_if(commands.begin(), commands.end(), [](int c) { return c == 0x06 || c == 0x09; }),
                 commands.end());
  EXPECT_EQ(2 * texts.size(), commands.size());
  for (size_t i = 0; i < commands.size(); ++i) EXPECT_EQ(i % 2 ? 0x03 : 0x01, commands[i]) << i;
  EXPECT_EQ(0x03, commands.back()) << "nothing follows the device info";
}

TEST_F(KeyboardWindowTest, ChangeReportsReadTheKeyboardBackOrReloadAndSaveItsSettings) {
  SelectWorkProfile();
  auto keyboard = OpenWindowThenPlug(SimulatedKeyboardModel(0x0632));
  PumpFor(kPastStartupReadMs);
  KeyboardState& state = KeyboardPageState();

  keyboard->EditMemory([](SimulatedMemory& memory) { memory.settings[5] = 0x5A; });
  keyboard->ClearWireLog();
  keyboard->SendChangeReport(0x402);
  ASSERT_TRUE(PumpUntil([&] { return state.settingsBlocks[0][5] == 0x5A; }, 3000)) << "read back";
  EXPECT_EQ(kReadBack, Commands(*keyboard));
  EXPECT_FALSE(PathExists(WorkProfile())) << "a read-back saves nothing";

  keyboard->EditMemory([](SimulatedMemory& memory) {
    memory.settings[0] = 3;
    memory.settings[1] = 9;
  });
  keyboard->ClearWireLog();
  keyboard->SendChangeReport(0x401);
  ASSERT_TRUE(PumpUntil([&] { return PathExists(WorkProfile()); }, 3000)) << "reloaded and saved";
  EXPECT_EQ(std::vector<int>{0x05}, Commands(*keyboard));
  EXPECT_EQ(0, state.LiveProfileIndex());
  EXPECT_EQ(0, state.settingsBlocks[0][0]);
  const std::vector<unsigned char> saved = ReadBytes(WorkProfile());
  ASSERT_EQ(2486u, saved.size());
  EXPECT_EQ(0, saved[16]) << "the live profile index";
  EXPECT_EQ(9, saved[17]);
}

TEST_F(KeyboardWindowTest, AFailedReadBackOrReloadChangesNothingAndSavesNothing) {
  SelectWorkProfile();
  std::vector<uint8_t> payload(KEYBOARD_DEVICE_PAYLOAD_SIZE, 0x33);
  payload[0] = 0;
  ASSERT_EQ(0, WriteProfileFile(WorkProfile(), payload.data(), payload.size(), PROFILE_KIND_KEYBOARD));
  const std::vector<unsigned char> file = ReadBytes(WorkProfile());
  auto keyboard = OpenWindowThenPlug(SimulatedKeyboardModel(0x763E));
  PumpFor(kPastStartupReadMs);
  const KeyboardState before = KeyboardPageState();
  // Requests of a 106-slot read-back: 0x01, 0x03, 6 x 0x07, 0x05, 6 x 0x08, 0x05, 0x02.
  const struct {
    const char* what;
    SimulatedFault fault;
    unsigned afterRequests;
    UINT message;
  } cases[] = {
      {"0x07 answered 0xFF", SimulatedFault::StatusFF, 2, WM_KEYBOARD_DEVICE_CHANGED},
      {"0x05 answered 0xFF on reload", SimulatedFault::StatusFF, 0, WM_KEYBOARD_SETTINGS_CHANGED},
      {"unplugged after 0x05", SimulatedFault::Unplug, 9, WM_KEYBOARD_DEVICE_CHANGED},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    keyboard->InjectFault(c.fault, c.afterRequests);
    window->SendMessage(c.message);
    EXPECT_TRUE(SameState(before, KeyboardPageState()));
    EXPECT_EQ(file, ReadBytes(WorkProfile()));
  }
  SCOPED_TRACE("absent");
  ASSERT_TRUE(PumpUntil([this] { return !window->m_keyboardChannel.IsConnected(); }, 2000));
  for (UINT message : {WM_KEYBOARD_DEVICE_CHANGED, WM_KEYBOARD_SETTINGS_CHANGED}) window->SendMessage(message);
  EXPECT_TRUE(SameState(before, KeyboardPageState()));
  EXPECT_EQ(file, ReadBytes(WorkProfile()));
}

TEST_F(KeyboardWindowTest, TheDownloadRunsInsideTheProgressAndRefusesAnImageThatDoesNotFit) {
  SelectWorkProfile();
  SimulatedDeviceModel model = SimulatedKeyboardModel(0x763E);
  model.info.bytes[6] = 2;  // 256 bytes of macro memory
  std::vector<std::wstring> texts;
  WatchMessageBoxesWith([&](CMsgWnd& box) {
    texts.push_back(box.FindControl(L"MessageText")->GetText().str());
    box.Close(0);
  });
  auto keyboard = OpenWindowThenPlug(model);
  PumpFor(kPastStartupReadMs);
  CControlUI* progress = Find(L"setting_progress");

  WriteMacroStore(folder, {MacroOf("a", 57), MacroOf("b", 0)});  // 256 bytes
  keyboard->ClearWireLog();
  EXPECT_EQ(-1, window->DownloadToDevice(1));
  EXPECT_EQ((std::vector<int>{0x01, 0x15, 0x02, 0x01, 0x09, 0x02}), Commands(*keyboard));
  EXPECT_EQ(0xAA, keyboard->Memory().macroMemory[0]);
  EXPECT_TRUE(PathExists(WorkProfile()));
  EXPECT_TRUE(texts.empty());
  EXPECT_TRUE(progress->IsVisible());
  EXPECT_TRUE(PumpUntil([&] { return !progress->IsVisible(); }, 3000)) << "hidden a moment later";

  DeleteFileW(WorkProfile().c_str());
  WriteMacroStore(folder, {MacroOf("a", 59)});  // 258 bytes
  keyboard->ClearWireLog();
  EXPECT_EQ(-1, window->DownloadToDevice(1));
  EXPECT_EQ((std::vector<std::wstring>{
                L"The macros do not fit into the device memory. Please remove at least 1 steps."}),
            texts);
  EXPECT_TRUE(Commands(*keyboard).empty());
  EXPECT_FALSE(PathExists(WorkProfile()));
}

TEST_F(KeyboardWindowTest, TheRenewButtonChangesNothing) {
  auto keyboard = OpenWindowThenPlug(SimulatedKeyboardModel(0x763E));
  PumpFor(kPastStartupReadMs);
  const KeyboardState before = KeyboardPageState();
  keyboard->ClearWireLog();
  DebugLogCapture log;
  NotifyClick(Find(L"renew_device"));
  EXPECT_EQ(1, log.Count(L"12312312312312"));
  EXPECT_TRUE(Commands(*keyboard).empty());
  EXPECT_TRUE(SameState(before, KeyboardPageState()));
}

}  // namespace
