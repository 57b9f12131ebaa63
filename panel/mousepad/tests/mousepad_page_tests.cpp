// The mouse pad's page in the main window built from the panel's skin, with a simulated pad on the
// HID seam: the on-board switch, the reset and the start-up read, the mode and colour controls and
// the frames.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <mutex>

#include "channel_scenarios.h"
#include "hid_backend.h"
#include "keyboard_page_state.h"
#include "mouse_state.h"
#include "mousepad_effects.h"
#include "mousepad_page_state.h"
#include "notification_router.h"
#include "palette_dialog.h"
#include "panel_window_fixture.h"
#include "profile_store.h"
#include "shell_routes.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"
#include "timer_ids.h"
#include "window_messages.h"

namespace {

using Shape = std::array<int, 3>;
constexpr int kLedFrame = 0x12;

class MousePadPageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    InstallHidBackend(&bus);
    PanelWindowTest::SetUp();
    OpenWindow();
    // The light list's watcher selects the saved profile on its first pass; then it ends, so that
    // no pass of its loads a profile between a test's steps.
    ASSERT_TRUE(PumpUntil(
        [this] { return dynamic_cast<CComboUI*>(Find(L"mp_deng_profile_combo"))->GetCurSel() >= 0; }, 10000));
    SetEvent(window->m_stopEvents[kLightListWatcher]);
    ASSERT_EQ(WaitForSingleObject(window->m_threadHandles[kLightListWatcher], 5000), static_cast<DWORD>(WAIT_OBJECT_0));
    MousePadPageState().Reset();
    ResetMousePadEffectStates();
    profile = window->GetMousePadProfileFolder() + L"pad test.led";
    DeleteFileW(profile.c_str());
    SetLastLoadedMousePadProfile(L"pad test");
  }
  void TearDown() override {
    DeleteFileW(profile.c_str());
    SetLastLoadedMousePadProfile(L"");
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }

  // Plugs the pad in once the start-up read is past and waits for the detection thread to show it,
  // see it and end its pass, which holds the pad's channel.
  void Plug() {
    PumpFor(600);
    bus.Attach(pad);
    ASSERT_TRUE(PumpUntil(
        [this] {
          return MousePadPageState().MousePadSeen == 1 && Find(L"mp_tab")->IsVisible() &&
                 Get<COptionUI>(L"mp_tab")->IsSelected();
        },
        5000));
    std::lock_guard<std::recursive_mutex> passDone(window->m_mousePadChannel.m_lock);
  }

  template <class T>
  T* Get(const wchar_t* name) {
    T* control = dynamic_cast<T*>(Find(name));
    EXPECT_NE(control, nullptr) << "no control " << std::string(name, name + wcslen(name));
    return control;
  }
  std::wstring Text(const wchar_t* name) { return Find(name)->GetText().str(); }
  void TypeInto(const wchar_t* edit, const wchar_t* text) {
    Find(edit)->SetText(text);
    window->Manager().SendNotify(Find(edit), L"textchanged");
  }

  // The pad's requests other than the lighting thread's frames.
  std::vector<Shape> Commands() const {
    std::vector<Shape> shapes;
    for (const CommandReport& r : pad->Requests())
      if (r[COMMAND_FIELD_COMMAND] != kLedFrame)
        shapes.push_back({r[COMMAND_FIELD_COMMAND], r[COMMAND_FIELD_LENGTH], CommandReportOffset(r.data())});
    return shapes;
  }
  // The live settings as the light profile file holds them (bytes 0..20 of its block).
  std::vector<unsigned char> SavedLive() const {
    const std::vector<unsigned char> file = ReadBytes(profile);
    if (file.size() < 16 + 21) return {};
    return std::vector<unsigned char>(file.begin() + 16, file.begin() + 16 + 21);
  }

  // Places in the workers' start order.
  static constexpr int kKeyboardDeviceWatcher = 9, kMouseDeviceWatcher = 11, kLightListWatcher = 13;

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> pad = MakeSimulatedMousePad();
  std::wstring profile;
};

TEST_F(MousePadPageTest, DetectionShowsAndReadsThePadAndItsLossHidesTheWindow) {
  Plug();
  EXPECT_EQ((std::vector<Shape>{{0x01, 0, 0}, {0x03, 33, 0}, {0x05, 56, 0}, {0x05, 56, 64}, {0x05, 56, 128},
                                {0x05, 56, 192}, {0x05, 56, 256}, {0x05, 1, 0}, {0x02, 0, 0}}),
            Commands());
  EXPECT_EQ(MousePadPageState().blocks[2][8], 0xFF) << "block 2 read: blue";
  EXPECT_EQ(MousePadPageState().live.profile, Get<CComboUI>(L"mp_deng_combo_profile")->GetCurSel())
      << "the on-board profile the live settings came from";

  pad->Unplug();
  EXPECT_TRUE(PumpUntil([this] { return !Find(L"mp_tab")->IsVisible() && !IsWindowVisible(window->GetHWND()); }, 3000))
      << "with no other device the window hides";
  EXPECT_FALSE(window->m_mousePadChannel.IsConnected());
}

TEST_F(MousePadPageTest, PickingAnotherOnboardProfileSwitchesThePadAndShowsItsBlock) {
  Plug();
  MousePadPageState().MousePadSeen = 1;
  ASSERT_EQ(1, window->ReadMousePadMemory());
  window->m_mousePadChannel.m_lightingSync = 1;
  pad->ClearWireLog();

  Get<CComboUI>(L"mp_deng_combo_profile")->SelectItem(3);

  EXPECT_EQ((std::vector<Shape>{{0x05, 1, 0}, {0x06, 1, 0}, {0x05, 56, 192}}), Commands());
  EXPECT_EQ(3, pad->Memory().settings[0]);
  EXPECT_EQ(0, window->m_mousePadChannel.m_lightingSync.load());
  // Block 3: fill (mode 4) in yellow.
  EXPECT_EQ(4, Get<CComboUI>(L"mp_deng_combo_modeSelect")->GetCurSel());
  EXPECT_EQ(L"255", Text(L"mp_Deng_edit_R"));
  EXPECT_EQ(L"255", Text(L"mp_Deng_edit_G"));
  EXPECT_EQ(L"0", Text(L"mp_Deng_edit_B"));
  EXPECT_EQ(0xFFFFFF00, Find(L"mp_Deng_colordp_btn")->GetBkColor());
  EXPECT_FALSE(Find(L"mp_deng_same_mode")->IsEnabled());
}

// A light profile can name another on-board profile than the pad's active one. The refresh shows
// that profile in the combo, silently; picking it there is the user's choice and switches the pad.
TEST_F(MousePadPageTest, TheRefreshShowsTheLiveProfileAndPickingItSwitchesThePad) {
  Plug();
  ASSERT_EQ(0, pad->Memory().settings[0]);
  MousePadPageState().live.profile = 2;
  pad->ClearWireLog();

  window->RefreshMousePadLightPage();
  EXPECT_EQ(2, Get<CComboUI>(L"mp_deng_combo_profile")->GetCurSel());
  EXPECT_TRUE(Commands().empty()) << "showing it switches nothing";

  Get<CComboUI>(L"mp_deng_combo_profile")->SelectItem(2);
  EXPECT_EQ((std::vector<Shape>{{0x05, 1, 0}, {0x06, 1, 0}, {0x05, 56, 128}}), Commands());
  EXPECT_EQ(2, pad->Memory().settings[0]);
}

TEST_F(MousePadPageTest, TheStartUpReadWithoutThePadChangesNothingAndSendsNothing) {
  MousePadState& state = MousePadPageState();
  for (auto& block : state.blocks) block.fill(0x33);
  state.live = {2, 3, 4, 1, 0, 0, 0x10, 0x20, 0x30, 0, {}};
  window->SaveMousePadLightProfile();
  const std::vector<unsigned char> before = ReadBytes(profile);
  const MousePadState kept = state;

  SendMessageW(window->GetHWND(), WM_TIMER, TIMER_MOUSEPAD_STARTUP_READ, 0);

  EXPECT_TRUE(pad->Requests().empty());
  EXPECT_EQ(kept.blocks, state.blocks);
  EXPECT_EQ(0, std::memcmp(&kept.live, &state.live, sizeof state.live));
  EXPECT_EQ(before, ReadBytes(profile));
  EXPECT_EQ(L"16", Text(L"mp_Deng_edit_R"));
}

TEST_F(MousePadPageTest, TheResetRestoresThePadAndKeepsTheLiveSettingsOnceSeen) {
  Plug();
  MousePadPageState().MousePadSeen = 1;
  pad->EditMemory([](SimulatedMemory& memory) { memory.settings[64 + 6] = 0x77; });
  MousePadPageState().live = {0, 3, 2, 1, 1, 0, 0x12, 0x34, 0x56, 0, {}};
  pad->ClearWireLog();

  const DWORD start = GetTickCount();
  NotifyClick(Find(L"mp_one_profile_default"));
  EXPECT_GE(GetTickCount() - start, 950u) << "the pad's settling time, before the re-read";

  const std::vector<Shape> commands = Commands();
  ASSERT_FALSE(commands.empty());
  EXPECT_EQ(0x0D, commands[0][0]);
  EXPECT_EQ(10u, commands.size()) << "0x0D, then the eight exchanges of the re-read";
  EXPECT_EQ(SimulatedMousePadModel().factorySettings, pad->Memory().settings);
  EXPECT_EQ(0xFF, MousePadPageState().blocks[1][7]) << "block 1 read back from the restored pad";
  EXPECT_EQ(0x12, MousePadPageState().live.red);
  EXPECT_EQ(L"18", Text(L"mp_Deng_edit_R"));
}

TEST_F(MousePadPageTest, AModePickEndsSynchronisedLightingSavesAndShowsItsPanels) {
  struct Case {
    int mode;
    bool direction, colour, speed, sameMode;
  };
  const Case cases[] = {{3, false, true, false, true}, {6, true, false, true, false}, {0, true, true, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    window->m_mousePadChannel.m_lightingSync = 1;
    window->m_mousePadDirty = 0;
    Get<CComboUI>(L"mp_deng_combo_modeSelect")->SelectItem(c.mode);
    EXPECT_EQ(c.mode, MousePadPageState().live.mode);
    EXPECT_EQ(0, window->m_mousePadChannel.m_lightingSync.load());
    EXPECT_EQ(1, window->m_mousePadDirty.load());
    ASSERT_FALSE(SavedLive().empty());
    EXPECT_EQ(c.mode, SavedLive()[1]);
    EXPECT_EQ(c.direction, Find(L"mp_deng_fx_layout")->IsEnabled());
    EXPECT_EQ(c.colour, Find(L"mp_deng_color_layout")->IsEnabled());
    EXPECT_EQ(c.speed, Find(L"mp_deng_speed_layout")->IsEnabled());
    EXPECT_EQ(c.sameMode, Find(L"mp_deng_same_mode")->IsEnabled());
  }
}

TEST_F(MousePadPageTest, StaticRedReachesThePadAsA33ByteFrame) {
  Plug();
  MousePadPageState().live = {0, 3, 4, 0, 0, 0, 255, 0, 0, 0, {}};
  StepMousePadStaticEffect(MousePadPageState().live, window->m_mousePadLeds);
  window->SendMousePadLedFrame();
  const std::vector<uint8_t> frame = pad->Memory().ledFrame;
  ASSERT_EQ(33u, frame.size());
  for (size_t i = 0; i < frame.size(); ++i) EXPECT_EQ(i % 3 == 0 ? 254 : 0, frame[i]) << i;
  EXPECT_LE(1u, pad->Memory().ledFrames.commands);
}

TEST_F(MousePadPageTest, ColourControlsStoreBoundedValuesAndClearMulticolour) {
  MousePadLiveSettings& live = MousePadPageState().live;
  live.multicolour = 1;
  Get<COptionUI>(L"mp_Deng_7color_check")->Selected(true, false);

  TypeInto(L"mp_Deng_edit_R", L"300");
  EXPECT_EQ(255, live.red);
  EXPECT_EQ(L"255", Text(L"mp_Deng_edit_R"));
  EXPECT_EQ(0, live.multicolour);
  EXPECT_FALSE(Get<COptionUI>(L"mp_Deng_7color_check")->IsSelected());
  TypeInto(L"mp_Deng_edit_G", L"-7");
  EXPECT_EQ(0, live.green);

  NotifyClick(Find(L"mp_Deng_color_btn_2"));
  EXPECT_EQ(DPI_SWATCH_COLORS[2] & 0x00FFFFFF, static_cast<DWORD>(live.red << 16 | live.green << 8 | live.blue));
  EXPECT_EQ(nullptr, PanelRoutes().Find(NotifyType::Click, L"mp_Deng_color_btn_30").route);

  Get<CSliderUI>(L"mp_deng_speed_slider")->SetValue(4);
  window->Manager().SendNotify(Find(L"mp_deng_speed_slider"), L"valuechanged");
  EXPECT_EQ(0, live.speed);
  ASSERT_FALSE(SavedLive().empty());
  EXPECT_EQ(0, SavedLive()[3]);
}

TEST_F(MousePadPageTest, ThePadsSameModeButtonLeadsTheOthersIntoSynchronisedLighting) {
  // The keyboard's and the mouse's device watchers show their saved profiles at start. A combo shows
  // the selection before its watcher's pass is over, so each watcher is ended first; the leave-sync
  // timer has then taken any change marks before the button is used.
  ASSERT_TRUE(PumpUntil(
      [this] {
        return Get<CComboUI>(L"kb_device_profile_combo")->GetCurSel() >= 0 &&
               Get<CComboUI>(L"ms_device_profile_combo")->GetCurSel() >= 0;
      },
      10000));
  for (int watcher : {kKeyboardDeviceWatcher, kMouseDeviceWatcher}) {
    SetEvent(window->m_stopEvents[watcher]);
    ASSERT_EQ(WaitForSingleObject(window->m_threadHandles[watcher], 5000), static_cast<DWORD>(WAIT_OBJECT_0));
  }
  ASSERT_TRUE(PumpUntil(
      [this] { return !window->m_keyboardDirty && !window->m_mouseDirty && !window->m_mousePadDirty; }, 3000));
  MousePadPageState().live = {0, 2, 3, 1, 1, 0, 0x20, 0x40, 0x60, 0, {}};
  // Neither the keyboard nor the mouse was found: their working states hold no profile of the
  // user's, and their saved profiles stay as they are.
  const std::wstring keyboardProfile = window->GetKeyboardProfileFolder() + L"Profile 1.kconfig";
  const std::wstring mouseFolder = window->GetMouseProfileFolder();
  std::vector<std::wstring> files = {window->GetKeyboardProfileFolder() + L"Profile 1.kconfig",
                                     mouseFolder + L"Profile 1.config", mouseFolder + L"Profile 1.led"};
  std::vector<std::vector<unsigned char>> before;
  for (const std::wstring& file : files) before.push_back(ReadBytes(file));
  for (size_t i = 0; i < files.size(); ++i) ASSERT_FALSE(before[i].empty()) << "the first run made " << i;
  NotifyClick(Find(L"mp_deng_same_mode"));
  for (size_t i = 0; i < files.size(); ++i) EXPECT_EQ(before[i], ReadBytes(files[i])) << i;

  EXPECT_EQ(SYNC_LIGHT_BREATHING, window->m_syncLightSettings.effect);
  EXPECT_EQ(1, window->m_syncLightSettings.speed);
  EXPECT_EQ(0x60, window->m_syncLightSettings.blue);
  EXPECT_EQ(2, MouseLiveSettings[1]);
  EXPECT_EQ(0x40, MouseLiveSettings[7]);
  EXPECT_EQ(2, KeyboardPageState().KeyboardLiveSettings[1]);
  EXPECT_FALSE(PathExists(profile)) << "the leader's own file is not written";
  EXPECT_TRUE(pad->Requests().empty());
  for (int run = 0; run < 2; ++run) SendMessageW(window->GetHWND(), WM_TIMER, TIMER_LEAVE_SYNC, 0);
  EXPECT_EQ(1, window->m_keyboardChannel.m_lightingSync.load());
  EXPECT_EQ(1, window->m_mouseChannel.m_lightingSync.load());
  EXPECT_EQ(1, window->m_mousePadChannel.m_lightingSync.load());

  // A mode picked on the pad's page ends only the pad's.
  Get<CComboUI>(L"mp_deng_combo_modeSelect")->SelectItem(3);
  EXPECT_EQ(0, window->m_mousePadChannel.m_lightingSync.load());
  EXPECT_EQ(1, window->m_mouseChannel.m_lightingSync.load());
}

TEST_F(MousePadPageTest, TheKeyboardsSameModeButtonLeadsThePadAndTheMouse) {
  std::array<uint8_t, 8> lighting = {3, 4, 2, 0, 0, 0x11, 0x22, 0x33};  // static, level 4, speed 2
  std::copy(lighting.begin(), lighting.end(), KeyboardPageState().KeyboardLiveSettings.begin() + 1);
  NotifyClick(Find(L"kb_deng_same_mode"));

  EXPECT_EQ(0, std::memcmp(&MousePadPageState().live.mode, lighting.data(), lighting.size()));
  EXPECT_EQ(0, std::memcmp(&MouseLiveSettings[1], lighting.data(), lighting.size()));
  EXPECT_EQ(SYNC_LIGHT_STATIC, window->m_syncLightSettings.effect);
  EXPECT_EQ(0x33, window->m_syncLightSettings.blue);
  EXPECT_EQ(L"17", Text(L"mp_Deng_edit_R")) << "the pad's page shows what it follows";
  EXPECT_EQ(1, window->m_keyboardChannel.m_lightingSync.load());
  EXPECT_EQ(1, window->m_mousePadChannel.m_lightingSync.load());
}

}  // namespace
