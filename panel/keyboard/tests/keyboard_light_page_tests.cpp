// The keyboard lighting page in the main window built from the panel's skin, with a simulated
// keyboard of each model on the HID seam: what each control writes to the keyboard, what it
// stores and saves, and what the frame timer sends.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <vector>

#include "keyboard_device_profile.h"
#include "keyboard_light_settings.h"
#include "keyboard_page_state.h"
#include "keyboard_window_fixture.h"
#include "simulated_firmware.h"
#include "timer_ids.h"

namespace {

struct Write {
  int command;
  int offset;  // in the settings area; 0 for other commands
  int value;   // the first data byte
  bool operator==(const Write& other) const {
    return command == other.command && offset == other.offset && value == other.value;
  }
};

std::ostream& operator<<(std::ostream& out, const Write& w) {
  return out << "{0x" << std::hex << w.command << std::dec << ", " << w.offset << ", " << w.value << "}";
}

constexpr int kSettings = DEVICE_COMMAND_WRITE_SETTINGS;
constexpr int kHardware = DEVICE_COMMAND_HARDWARE_LIGHTING;

class KeyboardLightPageTest : public KeyboardWindowTest {
 protected:
  // Ticks are driven by the tests that look at frames; elsewhere no 0x13 of the timer gets in the way.
  void Open(uint16_t product) {
    KeyboardWindowTest::Open(product);
    KillTimer(window->GetHWND(), TIMER_KEYBOARD_LED_FRAME);
    PumpFor(20);
    keyboard->ClearWireLog();
  }

  // The settings writes and hardware commands since the last clear, settings offsets relative to
  // the live profile's block.
  std::vector<Write> Writes() const {
    std::vector<Write> writes;
    const int block = KeyboardPageState().LiveProfileIndex() * 64;
    for (const CommandReport& r : keyboard->Requests()) {
      const int command = r[COMMAND_FIELD_COMMAND];
      if (command == kSettings) writes.push_back({command, CommandReportOffset(r.data()) - block, r[COMMAND_FIELD_DATA]});
      else if (command == kHardware) writes.push_back({command, 0, 0});
    }
    return writes;
  }
  // The live settings as the selected device profile file holds them.
  KeyboardState Saved() {
    KeyboardState saved;
    const std::wstring folder = window->GetKeyboardProfileFolder();
    EXPECT_EQ(LoadKeyboardDeviceProfile(saved, folder, ReadKeyboardDeviceSelection(folder)), 0);
    return saved;
  }
  uint8_t* Live() { return KeyboardPageState().KeyboardLiveSettings.data(); }
  // A check box changed as a click changes it, and its notification handled.
  void Check(const wchar_t* name, bool selected) {
    Control<COptionUI>(name)->Selected(selected, false);
    window->HandleSelectChanged(Find(name));
  }
};

TEST_F(KeyboardLightPageTest, DeviceRunModesWriteTheirBytesInOrderAndOtherModesWriteNone) {
  Open(SIMULATED_KEYBOARD_RGB);
  Live()[KB_LIGHT_MODE6_STYLE] = 1;
  Live()[KB_LIGHT_MODE6_MULTICOLOUR] = 1;
  Live()[KB_LIGHT_MODE7_MULTICOLOUR] = 0;
  SelectMode(13);
  SelectMode(14);
  SelectMode(2);
  EXPECT_EQ(Writes(), (std::vector<Write>{{kSettings, 1, 6}, {kSettings, 30, 1}, {kSettings, 29, 1},
                                          {kSettings, 1, 7}, {kSettings, 39, 0}}));
  EXPECT_EQ(Live()[KB_LIGHT_MODE], 2);
  EXPECT_EQ(Saved().KeyboardLiveSettings[KB_LIGHT_MODE], 2);
  EXPECT_TRUE(Control(L"kb_deng_fx_layout")->IsVisible());
  EXPECT_FALSE(Control(L"kb_deng_fx_layout")->IsEnabled()) << "breathing has no direction";
}

TEST_F(KeyboardLightPageTest, ARefreshInMode14SendsTheHardwareCommandAndTheModeByteOnly) {
  Open(SIMULATED_KEYBOARD_RGB2);
  Live()[KB_LIGHT_MODE] = 14;
  window->RefreshKeyboardLightPage();
  EXPECT_EQ(Writes(), (std::vector<Write>{{kHardware, 0, 0}, {kSettings, 1, 7}}));
  EXPECT_EQ(Live()[KB_LIGHT_MODE], 14) << "the page keeps its own numbering";
  EXPECT_EQ(Control<CComboUI>(L"kb_deng_combo_modeSelect")->GetCurSel(), 14);
}

TEST_F(KeyboardLightPageTest, AColourInTheCustomModeOnlyChangesThePaintColour) {
  Open(SIMULATED_KEYBOARD_RGB);
  SelectMode(KEYBOARD_CUSTOM_MODE_RGB);
  Check(L"kb_Deng_7color_check", true);
  keyboard->ClearWireLog();
  const uint8_t liveRed = Live()[KB_LIGHT_RED];
  Control<CColorPaletteUI>(L"kb_deng_Color_Pallet")->SetSelectColor(0xFF102030);
  window->HandleColorChanged(Find(L"kb_deng_Color_Pallet"));
  EXPECT_TRUE(Writes().empty());
  const auto& paint = KeyboardPageState().KeyboardCustomPaint;
  EXPECT_EQ((std::vector<int>{paint[1], paint[2], paint[3]}), (std::vector<int>{0x10, 0x20, 0x30}));
  EXPECT_EQ(Live()[KB_LIGHT_RED], liveRed);
  EXPECT_TRUE(Control<COptionUI>(L"kb_Deng_7color_check")->IsSelected());
  EXPECT_EQ(Control(L"kb_Deng_custom_colordp_btn")->GetBkColor(), 0xFF102030u);
  EXPECT_EQ(Saved().KeyboardCustomPaint[2], 0x20);
}

TEST_F(KeyboardLightPageTest, AColourInAnyOtherModeSendsTheHardwareCommandThenBothCopiesWithNoFrameBetween) {
  for (uint16_t product : {SIMULATED_KEYBOARD_RGB2, SIMULATED_KEYBOARD_ONECOLOR}) {
    SCOPED_TRACE(product);
    Open(product);
    if (product != SIMULATED_KEYBOARD_ONECOLOR) SelectMode(0);
    Check(L"kb_Deng_7color_check", true);
    keyboard->ClearWireLog();
    SetTimer(window->GetHWND(), TIMER_KEYBOARD_LED_FRAME, 5, nullptr);
    // The one-colour page disables its swatches; its colour still goes out this way.
    if (product == SIMULATED_KEYBOARD_ONECOLOR) window->SetKeyboardLightColor(0xFF6CFF00, true);
    else NotifyClick(Find(L"kb_Deng_color_btn_2"));  // 0xFF6CFF00
    const auto requests = keyboard->Requests();
    KillTimer(window->GetHWND(), TIMER_KEYBOARD_LED_FRAME);
    EXPECT_EQ(Writes(), (std::vector<Write>{{kHardware, 0, 0}, {kSettings, 26, 0x6C}, {kSettings, 36, 0x6C}}));
    const auto first = std::find_if(requests.begin(), requests.end(),
                                    [](const CommandReport& r) { return r[COMMAND_FIELD_COMMAND] == kHardware; });
    ASSERT_LE(requests.end() - first, 3) << "nothing after the three";
    EXPECT_FALSE(Control<COptionUI>(L"kb_Deng_7color_check")->IsSelected());
    EXPECT_EQ(Live()[KB_LIGHT_MULTICOLOUR], 0);
    const KeyboardState saved = Saved();
    for (size_t at : {size_t{KB_LIGHT_RED}, size_t{KB_LIGHT_MODE6_COLOUR}, size_t{KB_LIGHT_MODE7_COLOUR}})
      EXPECT_EQ((std::vector<int>{saved.KeyboardLiveSettings[at], saved.KeyboardLiveSettings[at + 1],
                                  saved.KeyboardLiveSettings[at + 2]}),
                (std::vector<int>{0x6C, 0xFF, 0x00}))
          << "byte " << at << ": the next select sends this colour";
    TearDown();
  }
}

TEST_F(KeyboardLightPageTest, UncheckingMulticolourWritesBothDeviceCopiesThenAppliesTheShownColour) {
  Open(SIMULATED_KEYBOARD_RGB);
  SelectMode(0);
  Check(L"kb_Deng_7color_check", true);
  EXPECT_EQ(Writes(), (std::vector<Write>{{kSettings, 29, 1}, {kSettings, 39, 1}}));
  keyboard->ClearWireLog();
  Control(L"kb_Deng_colordp_btn")->SetBkColor(0xFF0A0B0C);
  Check(L"kb_Deng_7color_check", false);
  EXPECT_EQ(Writes(), (std::vector<Write>{{kSettings, 29, 0}, {kSettings, 39, 0}, {kHardware, 0, 0},
                                          {kSettings, 26, 0x0A}, {kSettings, 36, 0x0A}}));
  EXPECT_EQ(Saved().KeyboardLiveSettings[KB_LIGHT_MODE7_MULTICOLOUR], 0);
}

// Both were lost on the next connect: the style checks and the colour edits changed the live
// settings without saving them.
TEST_F(KeyboardLightPageTest, StyleChecksAndColourEditsSaveTheProfile) {
  Open(SIMULATED_KEYBOARD_RGB);
  Check(L"kb_Deng_style_six_check", true);
  EXPECT_EQ(Writes(), (std::vector<Write>{{kSettings, 30, 1}}));
  EXPECT_EQ(Saved().KeyboardLiveSettings[KB_LIGHT_MODE6_STYLE], 1);
  EXPECT_FALSE(Control<COptionUI>(L"kb_Deng_style_one_check")->IsSelected());
  keyboard->ClearWireLog();
  Check(L"kb_Deng_style_one_check", true);
  EXPECT_EQ(Writes(), (std::vector<Write>{{kSettings, 30, 0}}));
  EXPECT_EQ(Saved().KeyboardLiveSettings[KB_LIGHT_MODE6_STYLE], 0);

  SelectMode(3);
  keyboard->ClearWireLog();
  CControlUI* green = Find(L"kb_Deng_edit_G");
  green->SetText(L"300");
  window->HandleTextChanged(green);
  EXPECT_EQ(std::wstring(green->GetText().str()), L"255");
  EXPECT_EQ(Live()[KB_LIGHT_RED + 1], 255);
  EXPECT_EQ(Saved().KeyboardLiveSettings[KB_LIGHT_RED + 1], 255);
  EXPECT_TRUE(Writes().empty()) << "the edits send nothing";
}

TEST_F(KeyboardLightPageTest, SlidersStoreLevelAndInvertedClampedSpeed) {
  Open(SIMULATED_KEYBOARD_RGB2);
  const struct {
    int value;
    int speed;
  } cases[] = {{0, 4}, {4, 0}, {7, 0}};
  for (const auto& c : cases) {
    Control<CSliderUI>(L"kb_deng_speed_slider")->SetValue(c.value);
    window->HandleValueChanged(Find(L"kb_deng_speed_slider"));
    EXPECT_EQ(Live()[KB_LIGHT_SPEED], c.speed) << c.value;
  }
  Control<CSliderUI>(L"kb_deng_light_slider")->SetValue(3);
  window->HandleValueChanged(Find(L"kb_deng_light_slider"));
  EXPECT_EQ(Saved().KeyboardLiveSettings[KB_LIGHT_LEVEL], 3);
  Check(L"kb_Deng_FXR_check", true);
  EXPECT_EQ(Live()[KB_LIGHT_DIRECTION], 0);
  EXPECT_FALSE(Control<COptionUI>(L"kb_Deng_FXL_check")->IsSelected());
  EXPECT_TRUE(Writes().empty());
}

TEST_F(KeyboardLightPageTest, PaintingUsesTheModelsMapFillKeepsLitLedsClearBlacksAll) {
  for (uint16_t product : {SIMULATED_KEYBOARD_RGB, SIMULATED_KEYBOARD_RGB2}) {
    SCOPED_TRACE(product);
    Open(product);
    SelectMode(KEYBOARD_CUSTOM_MODE_RGB);
    Check(L"kb_Deng_all_kill_check", true);
    auto& layout = KeyboardPageState().KeyboardCustomLayouts[KeyboardLayoutIndex(KeyboardPageState())];
    window->SetKeyboardLightColor(0xFF112233, true);
    const auto before = layout;
    NotifyClick(Find(L"kb_dkey_80"));
    if (product == SIMULATED_KEYBOARD_RGB) {
      EXPECT_EQ(layout, before) << "key 80 has no LED on this model";
    } else {
      EXPECT_EQ((std::vector<int>{layout[255], layout[256], layout[257]}), (std::vector<int>{0x11, 0x22, 0x33}));
    }
    window->SetKeyboardLightColor(0xFF445566, true);
    Check(L"kb_Deng_all_bright_check", true);
    EXPECT_EQ(layout[3 * 0], 0x44);
    if (product == SIMULATED_KEYBOARD_RGB2) EXPECT_EQ(layout[255], 0x11) << "lit LEDs keep their colour";
    EXPECT_TRUE(Control<COptionUI>(L"kb_Deng_all_bright_check")->IsSelected());
    Check(L"kb_Deng_all_kill_check", true);
    EXPECT_TRUE(std::all_of(layout.begin(), layout.begin() + 378, [](uint8_t b) { return b == 0; }));
    EXPECT_FALSE(Control<COptionUI>(L"kb_Deng_all_bright_check")->IsSelected());
    TearDown();
  }
}

TEST_F(KeyboardLightPageTest, TheOneColorPageShowsItsFixedColourAndDisablesThePalette) {
  Open(SIMULATED_KEYBOARD_ONECOLOR);
  window->RefreshKeyboardLightPage();
  EXPECT_FALSE(Control(L"kb_deng_combo_modeSelect")->IsVisible());
  EXPECT_TRUE(Control(L"kb_deng_onecolor_combo_modeSelect")->IsVisible());
  EXPECT_FALSE(Control(L"kb_deng_Color_Pallet")->IsEnabled());
  EXPECT_EQ(Control<CColorPaletteUI>(L"kb_deng_Color_Pallet")->GetSelectColor(), KEYBOARD_ONECOLOR_ARGB);
  EXPECT_EQ(std::wstring(Find(L"kb_Deng_edit_G")->GetText().str()), L"246");
  SelectMode(KEYBOARD_CUSTOM_MODE_ONECOLOR, L"kb_deng_onecolor_combo_modeSelect");
  EXPECT_TRUE(Writes().empty()) << "the one-colour mode selection writes nothing";
  EXPECT_TRUE(Control(L"kb_deng_custom_tool_layout")->IsVisible());
  NotifyClick(Find(L"kb_dkey_0"));
  EXPECT_EQ(KeyboardPageState().KeyboardCustomLayouts[KeyboardLayoutIndex(KeyboardPageState())][0], 255);
}

TEST_F(KeyboardLightPageTest, TimerTicksSendFramesWhileConnectedAndEndAfterAnUnplug) {
  Open(SIMULATED_KEYBOARD_RGB);
  SelectMode(3);
  SetTimer(window->GetHWND(), TIMER_KEYBOARD_LED_FRAME, 5, nullptr);
  ASSERT_TRUE(PumpUntil([this] { return FramesOfLength(keyboard->Memory(), 378).count >= 3; }, 5000));
  EXPECT_TRUE(window->m_keyboardKeyButtons[0] != nullptr);
  keyboard->Unplug();
  ASSERT_TRUE(PumpUntil([this] { return !window->m_keyboardChannel.IsConnected(); }, 5000));
  PumpFor(100);
  EXPECT_FALSE(KillTimer(window->GetHWND(), TIMER_KEYBOARD_LED_FRAME)) << "the tick after the unplug ended it";
}

}  // namespace
