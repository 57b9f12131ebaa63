// The demo panel walked through as a user meets it: a keyboard plugged in, a lighting mode, a
// profile, the headsets, every page looked at, the devices unplugged and the exit from the tray.
// The demo runs as its own process in a fresh prefix (run_walkthrough.sh); the test clicks with real
// X input at the rectangles the demo's control channel reports and checks its answers, the logs and
// the files. Screenshots and logs stay in the test build's artefacts folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data_folders.h"
#include "demo_panel_steps.h"
#include "diagnostics.h"
#include "ini_values.h"
#include "keyboard_device_profile.h"

namespace {

// The sixteen pages: each device tab with its page options.
struct DevicePages {
  const char* tab;
  std::vector<const char*> pages;
};
const DevicePages kPages[] = {
    {"kb_tab", {"kb_deng_Op_tab", "kb_macro_Op_tab", "kb_key_Op_tab", "kb_cursor_Op_tab"}},
    {"ms_tab", {"ms_deng_Op_tab", "ms_macro_Op_tab", "ms_key_Op_tab", "ms_rich_Op_tab", "ms_cursor_Op_tab"}},
    {"mp_tab", {"mp_deng_Op_tab"}},
    {"hs_tab", {"hs_deng_Op_tab", "hs_voice_Op_tab", "hs_magic_Op_tab"}},
    {"hsK27_tab", {"hs_deng_Op_tab_K27", "hs_voice_Op_tab_K27", "hs_magic_Op_tab_K27"}},
};

// A page area of one colour (or nearly) is blank: a page shows labels, frames and controls.
constexpr size_t kFewestPageColours = 16;

class DemoWalkthrough : public DemoPanelTest {
 protected:
  DemoWalkthrough() : DemoPanelTest(L"walkthrough") {}

  std::wstring KeyboardFolder() { return DeviceProfileFolder(nullptr, L"kb"); }
  // The brightness level stored in the keyboard device profile at `index` of the list.
  int StoredKeyboardBrightness(int index) {
    KeyboardState state;
    return LoadKeyboardDeviceProfile(state, KeyboardFolder(), index) == 0 ? state.KeyboardLiveSettings[2] : -1;
  }

  void PlugTheKeyboard();
  void PickASoftwareLightingMode();
  void AddAProfileChangeItsBrightnessAndSwitch();
  void MoveAHeadsetVolumeAndPickAK27Preset();
  void ScreenshotEveryPage();
  void UnplugEverythingButTheK27();
  void ExitThroughTheTrayMenuAndLeaveTheHeadsetLit();
};

void DemoWalkthrough::PlugTheKeyboard() {
  ASSERT_EQ(panel.Command("plug keyboard"), "done");
  ASSERT_TRUE(panel.WaitForControl("kb_tab", [](const ControlState& c) { return c.visible; })) << "kb_tab appears";
  const auto wire = WireLog("keyboard");
  for (const char* request : {"read device info", "read settings", "read key table"})
    EXPECT_TRUE(Contains(wire, request)) << "the read-back's " << request;
  EXPECT_FALSE(Contains(wire, "<- status 0xff")) << "every request of the read-back was taken";

  KeyboardState stored;
  ASSERT_EQ(LoadKeyboardDeviceProfile(stored, KeyboardFolder(), 0), 0) << "the first device profile exists";
  Pick("kb_tab");
  EXPECT_EQ(panel.Control("kb_device_profile_combo").text, "Profile 1");
  EXPECT_TRUE(panel.WaitForControl("kb_deng_combo_modeSelect",
                                   [&](const ControlState& c) { return c.selected == stored.KeyboardLiveSettings[1]; }))
      << "the light page shows the profile's mode " << int(stored.KeyboardLiveSettings[1]);
  EXPECT_EQ(panel.Control("kb_deng_light_slider").value, stored.KeyboardLiveSettings[2]) << "and its brightness";
}

void DemoWalkthrough::PickASoftwareLightingMode() {
  Pick("kb_deng_Op_tab");
  // Spectrum, or breathing when spectrum runs already: both are computed on the PC.
  const int mode = panel.Control("kb_deng_combo_modeSelect").selected == 1 ? 2 : 1;
  ASSERT_NO_FATAL_FAILURE(PickInCombo("kb_deng_combo_modeSelect", mode == 1 ? "Home Down" : "Home Down Down", mode));

  std::set<std::string> frames;
  ASSERT_TRUE(WaitFor(
      [&] {
        for (const std::string& line : WireLog("keyboard"))
          if (line.find("LED frame") != std::string::npos && line.find("off 0x0000") != std::string::npos)
            frames.insert(line.substr(line.find(" | ")));
        return frames.size() >= 3;
      },
      15000))
      << "LED frames stream with changing contents";

  const ControlState first = panel.Control("kb_dkey_0"), last = panel.Control("kb_dkey_125");
  const RECT keys{first.rect.left, first.rect.top, last.rect.right, last.rect.bottom};
  const RgbImage before = CaptureScreen(keys);
  ASSERT_FALSE(before.pixels.empty());
  EXPECT_TRUE(WaitFor([&] { return CaptureScreen(keys).pixels != before.pixels; }, 10000)) << "the previews change";
}

void DemoWalkthrough::AddAProfileChangeItsBrightnessAndSwitch() {
  ClickUntil("kb_profile_fun_spread_btn", [&] { return Visible("kb_pro_device_add_btn"); });
  // One click only: a repeated one would add another profile.
  ASSERT_TRUE(panel.ClickControl("kb_pro_device_add_btn"));
  ASSERT_TRUE(panel.WaitForControl("kb_device_profile_combo",
                                   [](const ControlState& c) { return c.selected == 1 && c.text == "Profile 2"; }))
      << "the new profile is listed and selected";

  const int before = panel.Control("kb_deng_light_slider").value;
  // Half way keeps the previews lit for the screenshots.
  ClickUntil("kb_deng_light_slider", [&] { return panel.Control("kb_deng_light_slider").value != before; },
             before == 2 ? 0.98 : 0.5);
  const int brightness = panel.Control("kb_deng_light_slider").value;

  const std::wstring index = KeyboardProfileIndexFile(KeyboardFolder());
  EXPECT_EQ(ReadIniNumber(index, L"PROFILEDEVICECOUNT", L"count"), 2);
  EXPECT_EQ(ReadIniText(index, L"PROFILEDEVICENAME", L"1"), L"Profile 2");
  EXPECT_EQ(ReadIniNumber(index, L"PROFILEDEVICESELECT", L"select"), 1);
  ASSERT_TRUE(WaitFor([&] { return StoredKeyboardBrightness(1) == brightness; }, 10000))
      << "the new profile's file holds the brightness " << brightness;
  const int firstBrightness = StoredKeyboardBrightness(0);
  ASSERT_NE(firstBrightness, brightness) << "the first profile keeps its own";

  ASSERT_NO_FATAL_FAILURE(PickInCombo("kb_device_profile_combo", "Home", 0));
  EXPECT_EQ(LastRequestByte(WireLog("keyboard"), "write settings", 2), firstBrightness) << "the switch sends profile 1";
  EXPECT_EQ(panel.Control("kb_deng_light_slider").value, firstBrightness);
  ASSERT_NO_FATAL_FAILURE(PickInCombo("kb_device_profile_combo", "End", 1));
  EXPECT_EQ(LastRequestByte(WireLog("keyboard"), "write settings", 2), brightness) << "the switch sends profile 2";
  EXPECT_EQ(panel.Control("kb_deng_light_slider").value, brightness);
  ClickUntil("kb_profile_fun_spread_btn", [&] { return !Visible("kb_pro_device_add_btn"); });
}

void DemoWalkthrough::MoveAHeadsetVolumeAndPickAK27Preset() {
  Pick("hs_tab");
  Pick("hs_voice_Op_tab");
  const int volume = panel.Control("hs_master_slider").value;
  ClickUntil("hs_master_slider", [&] { return panel.Control("hs_master_slider").value != volume; },
             volume > 50 ? 0.25 : 0.75);
  const int moved = panel.Control("hs_master_slider").value;
  EXPECT_TRUE(Contains(CallLog("control"), "Harkin_SetSpeakerMasterVolume(" + std::to_string(moved) + ")"))
      << "the audio control library got the volume " << moved;

  Pick("hsK27_tab");
  Pick("hs_voice_Op_tab_K27");
  const std::string preset = Selected("hs_EQ_STATUS_2") ? "hs_EQ_STATUS_3" : "hs_EQ_STATUS_2";
  Pick(preset);
  ASSERT_TRUE(WaitFor([&] { return Contains(CallLog("config"), "PropertyControl(output, EQ_Slider10, write"); }, 10000))
      << "the audio configuration library got the preset's bands";
  EXPECT_TRUE(Contains(CallLog("config"), "PropertyControl(output, Enable_EQ_GFX, write 1)"));
}

void DemoWalkthrough::ScreenshotEveryPage() {
  int number = 0;
  for (const DevicePages& device : kPages) {
    Pick(device.tab);
    for (const char* page : device.pages) {
      Pick(page);
      const ControlState option = panel.Control(page);
      RECT area{};
      GetWindowRect(panel.MainWindow(), &area);
      area.top = option.rect.bottom + 4;
      area.left += 8;
      area.right -= 8;
      area.bottom -= 8;
      EXPECT_TRUE(WaitFor([&] { return DistinctColours(area) >= kFewestPageColours; }, 10000))
          << page << ": the page area is blank";
      char file[64];
      std::snprintf(file, sizeof file, "page_%02d_%s.png", ++number, page);
      EXPECT_EQ(panel.Command("screenshot " + ToUtf8(panel.Artefact(FromUtf8(file)))), "done") << file;
    }
  }
}

void DemoWalkthrough::UnplugEverythingButTheK27() {
  for (const char* device : {"keyboard", "mouse", "mousepad"}) {
    ASSERT_EQ(panel.Command(std::string("unplug ") + device), "done");
    const std::string tab = device == std::string("keyboard") ? "kb_tab" : device == std::string("mouse") ? "ms_tab" : "mp_tab";
    EXPECT_TRUE(panel.WaitForControl(tab, [](const ControlState& c) { return !c.visible; })) << tab << " goes";
  }
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(panel.MainWindow()); }, 15000)) << "the window hides with the last";

  PostMessageW(panel.MainWindow(), 0x401, 0, WM_LBUTTONUP);  // a click on the tray icon
  ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(panel.MainWindow()); }, 15000)) << "the tray shows the window";
  Pick("hs_tab");
  ASSERT_EQ(panel.Command("unplug headset"), "done");
  EXPECT_TRUE(WaitFor([&] { return Contains(panel.DebugLog(), "message box: message_text_20"); }, 15000))
      << "the last device with its tab selected went";
  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(panel.MainWindow()); }, 15000)) << "and the window hides";
}

void DemoWalkthrough::ExitThroughTheTrayMenuAndLeaveTheHeadsetLit() {
  ASSERT_NO_FATAL_FAILURE(ExitThroughTheTrayMenu());
  std::vector<std::string> i2cWrites;
  for (const std::string& line : FileLines(panel.Artefact(L"audio_control.calls.log")))
    if (line.rfind("Harkin_Write_I2C_ById(", 0) == 0) i2cWrites.push_back(line);
  const std::vector<std::string> exitWrites = {
      "Harkin_Write_I2C_ById(0x11, 0x23, [02], 1, 1000, 0)", "Harkin_Write_I2C_ById(0x22, 0x23, [02], 1, 1000, 0)",
      "Harkin_Write_I2C_ById(0x11, 0x24, [FF], 1, 1000, 0)", "Harkin_Write_I2C_ById(0x22, 0x24, [FF], 1, 1000, 0)",
      "Harkin_Write_I2C_ById(0x11, 0x25, [08], 1, 1000, 0)", "Harkin_Write_I2C_ById(0x22, 0x25, [08], 1, 1000, 0)",
      "Harkin_Write_I2C_ById(0x11, 0x2A, [FF], 1, 1000, 0)", "Harkin_Write_I2C_ById(0x22, 0x2A, [FF], 1, 1000, 0)"};
  ASSERT_GE(i2cWrites.size(), exitWrites.size());
  EXPECT_EQ(std::vector<std::string>(i2cWrites.end() - exitWrites.size(), i2cWrites.end()), exitWrites)
      << "the eight I2C writes of the exit come last";

  const auto k27 = FileLines(panel.Artefact(L"k27.wire.log"));
  ASSERT_GE(k27.size(), 2u);
  const std::string zeros = " 00 00 00 00 00 00 00 00 00 00 00 00 00";
  EXPECT_EQ(k27[k27.size() - 2], "=> output report | ff 22 23 04" + zeros);
  EXPECT_EQ(k27.back(), "=> output report | ff 44 23 04" + zeros);

  for (const std::string& line : panel.DebugLog())
    EXPECT_NE(line.rfind("control \"", 0), 0u) << "a missed control lookup: " << line;
}

TEST_F(DemoWalkthrough, AUserPlugsInAKeyboardLooksAtEveryPageUnplugsAllAndExits) {
  ASSERT_TRUE(panel.Start("mouse,mousepad,headset,k27"));
  ASSERT_TRUE(WaitFor([&] { return panel.Control("ms_tab").visible && IsWindowVisible(panel.MainWindow()); }, 60000))
      << "the devices found at start bring the window forward";
  ASSERT_TRUE(panel.WaitUntilTheStartUpReadsAreShown());
  ASSERT_NO_FATAL_FAILURE(PlugTheKeyboard());
  ASSERT_NO_FATAL_FAILURE(PickASoftwareLightingMode());
  ASSERT_NO_FATAL_FAILURE(AddAProfileChangeItsBrightnessAndSwitch());
  ASSERT_NO_FATAL_FAILURE(MoveAHeadsetVolumeAndPickAK27Preset());
  ASSERT_NO_FATAL_FAILURE(ScreenshotEveryPage());
  ASSERT_NO_FATAL_FAILURE(UnplugEverythingButTheK27());
  ASSERT_NO_FATAL_FAILURE(ExitThroughTheTrayMenuAndLeaveTheHeadsetLit());
}

}  // namespace
