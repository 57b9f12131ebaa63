// The K27 pages in the real main window, with the simulated K27 on the HID seam and the stand-in
// audio configuration library the panel loads from its folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "audio_standin_steering.h"
#include "data_folders.h"
#include "headset_state.h"
#include "hid_backend.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

namespace {

std::vector<std::string> Writes(const std::vector<std::string>& log) {
  std::vector<std::string> writes;
  for (const std::string& line : log)
    if (line.find(", write ") != std::string::npos) writes.push_back(line);
  return writes;
}

class HeadsetK27PageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    RemoveTree(DeviceProfileFolder(nullptr, L"headK27"));
    bus.Attach(headset);
    InstallHidBackend(&bus);
    PanelWindowTest::SetUp();
    OpenWindow();
    // The detection thread shows and selects the tab; the page follows on the window thread.
    ASSERT_TRUE(PumpUntil(
        [this] {
          return Option(L"hsK27_tab")->IsSelected() && Find(L"hsK27_tab")->IsVisible() &&
                 dynamic_cast<CTabLayoutUI*>(Find(L"tab_switch"))->GetCurSel() == 4;
        },
        10000));
  }
  void TearDown() override {
    WatchMessageBoxesWith(nullptr);
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }

  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  // As the user picks the page's tab; a control of a page not shown takes no clicks.
  void ShowPage(const wchar_t* pageTab) { Option(pageTab)->Selected(true, true); }
  AudioConfigStandin Standin() { return AudioConfigStandin(ConfLib().module()); }
  // Boxes are closed at once; their texts are kept in `boxes`.
  void RecordBoxes() {
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      boxes.push_back(box.FindControl(L"MessageText")->GetText().str());
      box.Close(0);
    });
  }

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> headset = MakeSimulatedHeadsetK27();
  std::vector<std::wstring> boxes;
};

TEST_F(HeadsetK27PageTest, TheVoicePageWritesOnePropertyPerChange) {
  ShowPage(L"hs_voice_Op_tab_K27");
  EXPECT_EQ(50, dynamic_cast<CSliderUI*>(Find(L"hs_mic_slider"))->GetValue()) << "the stand-in's 0.5";
  Standin().ClearCallLog();
  auto* mic = dynamic_cast<CSliderUI*>(Find(L"hs_mic_slider"));
  mic->SetValue(37);
  window->Manager().SendNotify(mic, L"valuechanged");
  auto* mute = dynamic_cast<CCheckBoxUI*>(Find(L"btn_mic_in"));
  const bool checkedBefore = mute->GetCheck();
  mute->Activate();
  EXPECT_FALSE(mute->GetCheck()) << "muted";
  mute->Activate();
  EXPECT_TRUE(mute->GetCheck()) << "not muted";
  EXPECT_TRUE(checkedBefore);
  const std::vector<std::string> expected = {
      "PropertyControl(input, VolumeScalarControl, write 0.370000, channel -1) = 0",
      "PropertyControl(input, MuteControl, write 1) = 0",
      "PropertyControl(input, MuteControl, write 0) = 0",
  };
  EXPECT_EQ(expected, Writes(Standin().CallLog()));
}

TEST_F(HeadsetK27PageTest, MagicVoiceOnWritesTheSwitchThenTheEcho) {
  ShowPage(L"hs_magic_Op_tab_K27");
  Standin().ClearCallLog();
  Option(L"magicK27_voice_open")->Activate();
  EXPECT_TRUE(Find(L"magicK27_check_2")->IsEnabled());
  Option(L"magicK27_voice_open")->Activate();
  EXPECT_FALSE(Find(L"magicK27_check_2")->IsEnabled());
  const std::vector<std::string> expected = {
      "PropertyControl(input, Enable_MAGICVOICE, write 1) = 0",
      "PropertyControl(input, Enable_MICECHO, write 0) = 0",
      "PropertyControl(input, Enable_MAGICVOICE, write 0) = 0",
  };
  EXPECT_EQ(expected, Writes(Standin().CallLog()));
}

TEST_F(HeadsetK27PageTest, UserPresetNamesAreRefusedWithTheListsOwnTexts) {
  RecordBoxes();
  ShowPage(L"hs_voice_Op_tab_K27");
  Option(L"hs_EQ_STATUS_12")->Activate();
  CControlUI* name = Find(L"hs_name_edit");
  name->SetText(L"Bass");
  NotifyClick(Find(L"hs_EQ_btn_save"));
  ASSERT_TRUE(boxes.empty());
  auto* presets = dynamic_cast<CComboUI*>(Find(L"hs_EQmode_Combo"));
  EXPECT_EQ(1, presets->GetCount());
  EXPECT_EQ(0, presets->GetCurSel());
  for (const wchar_t* refused : {L"", L"a/b", L"bASS", L"hsK27Profile"}) {
    name->SetText(refused);
    NotifyClick(Find(L"hs_EQ_btn_save"));
  }
  const std::vector<std::wstring> expected = {L"please input a name", L"please input a name", L"exist the same name",
                                              L"exist the same name"};
  EXPECT_EQ(expected, boxes);
  EXPECT_EQ(1, presets->GetCount());
}

TEST_F(HeadsetK27PageTest, DeletingTheLastUserPresetReturnsToPresetZero) {
  RecordBoxes();
  ShowPage(L"hs_voice_Op_tab_K27");
  Option(L"hs_EQ_STATUS_12")->Activate();
  Find(L"hs_name_edit")->SetText(L"Bass");
  NotifyClick(Find(L"hs_EQ_btn_save"));
  const std::wstring folder = DeviceProfileFolder(nullptr, L"headK27");
  ASSERT_TRUE(PathExists(folder + L"Bass.ini"));
  Standin().ClearCallLog();
  NotifyClick(Find(L"hs_EQ_btn_delete"));
  EXPECT_FALSE(PathExists(folder + L"Bass.ini"));
  EXPECT_TRUE(Option(L"hs_EQ_STATUS_0")->IsSelected());
  const std::vector<std::string> writes = Writes(Standin().CallLog());
  ASSERT_EQ(11u, writes.size());
  EXPECT_EQ("PropertyControl(output, EQ_Slider1, write 7) = 0", writes[1]);
  EXPECT_TRUE(boxes.empty());
}

// Every LED of both controllers, as the last frame left them.
bool AllLedsShow(const SimulatedHeadsetLeds& leds, uint8_t red, uint8_t green, uint8_t blue) {
  for (const auto& controller : leds.colours)
    for (const auto& led : controller)
      if (led[0] != red || led[1] != green || led[2] != blue) return false;
  return true;
}

TEST_F(HeadsetK27PageTest, AModePickedOnTheLightingPageChangesTheReports) {
  ShowPage(L"hs_deng_Op_tab_K27");
  auto* modes = dynamic_cast<CComboUI*>(Find(L"hsK27_deng_combo_modeSelect0"));
  modes->SelectItem(3);
  auto* palette = dynamic_cast<CColorPaletteUI*>(Find(L"hsK27_deng_Color_Pallet"));
  palette->SetSelectColor(0xFFFF0000);
  window->Manager().SendNotify(palette, L"colorchanged");
  auto* light = dynamic_cast<CSliderUI*>(Find(L"hsK27_deng_light_slider"));
  light->SetValue(4);
  window->Manager().SendNotify(light, L"valuechanged");
  EXPECT_FALSE(Find(L"hsK27_deng_fx_layout")->IsEnabled()) << "static has no direction";
  EXPECT_EQ(L"255", Find(L"hsK27_Deng_edit_R")->GetText().str());
  // Static red at the top level: 255 scaled and capped at 247 on every LED.
  ASSERT_TRUE(PumpUntil([this] { return AllLedsShow(headset->HeadsetLeds(), 247, 0, 0); }, 10000));

  modes->SelectItem(1);
  EXPECT_EQ(1, HeadsetK27Light.mode);
  EXPECT_FALSE(Find(L"hsK27_deng_color_layout")->IsEnabled()) << "the colour cycle has no fixed colour";
  EXPECT_TRUE(PumpUntil([this] { return !AllLedsShow(headset->HeadsetLeds(), 247, 0, 0); }, 10000))
      << "the colour cycle moves away from the static red";
}

TEST_F(HeadsetK27PageTest, TheExitsTwoReportsReachTheHeadset) {
  headset->ClearWireLog();
  DestroyWindow(window->GetHWND());
  const SimulatedHeadsetLeds leds = headset->HeadsetLeds();
  EXPECT_EQ(4, leds.effect[0]);
  EXPECT_EQ(4, leds.effect[1]);
  // Frames of the lighting thread may come first; the exit's reports come last.
  const auto reports = headset->OutputReports();
  ASSERT_GE(reports.size(), 2u);
  EXPECT_EQ(0x22, reports[reports.size() - 2][1]);
  EXPECT_EQ(0x44, reports.back()[1]);
}

}  // namespace
