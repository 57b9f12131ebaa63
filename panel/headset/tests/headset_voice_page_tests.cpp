// The first headset's voice page as the user moves its controls, through the window's routes, with
// the headset plugged in and its saved profile selected: what reaches the audio control library and
// what lands in the profile's "VoiceInfo".
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "audio_standin_steering.h"
#include "data_folders.h"
#include "headset_state.h"
#include "panel_window_fixture.h"
#include "profile_store.h"
#include "program_folder.h"
#include "test_files.h"

namespace {
AudioControlStandin Standin() { return AudioControlStandin(GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll")); }

// The voice calls: neither the detection's presence polls nor the lighting thread's register writes.
std::vector<std::string> VoiceCalls() {
  std::vector<std::string> calls;
  for (const std::string& line : Standin().CallLog())
    if (line.rfind("Harkin_Search_Present_Device", 0) != 0 && line.rfind("Harkin_Write_I2C_ById", 0) != 0)
      calls.push_back(line);
  return calls;
}

// The profile every case starts from: left and right, each speaker and each scene distinct, so that
// a control wired to a neighbour's value shows. Speaker 2 and scene 1 are selected.
Json::Value StartingProfile() {
  Json::Value profile = ReadJsonFile(ProgramFolder() + L"hslightdefault.json");
  Json::Value& voice = profile["VoiceInfo"];
  voice["master"] = 80;
  voice["left"] = 31;
  voice["right"] = 62;
  voice["micvol"] = 70;
  voice["eqselect"] = 1;
  voice["virtual"] = 0;
  voice["distance"] = 2;
  voice["enc"] = 0;
  for (Json::ArrayIndex i = 0; i < kHeadsetSpeakerCount; ++i) {
    voice["disvalue"][i]["value"] = 10 * static_cast<int>(i + 1);
    voice["Anvalue"][i]["value"] = 5 * static_cast<int>(i);
  }
  // Scene 3: sound mode 3, sound field off, 3D on.
  voice["eqinfo"][3]["3d"] = 1;
  voice["eqinfo"][3]["soundmode"] = 3;
  voice["eqinfo"][3]["soundfield"] = 0;
  return profile;
}

// Speaker i's distance and angle values are 10 (i + 1) and 5 i, scaled by 0.017 and 0.0628.
constexpr const char* kStartingBlock =
    "Harkin_SetVirtual7ch1(0; distance 0.17 0.34 0.51 0.68 0.85 1.02 1.19 1.36; "
    "angle 0 0.314 0.628 0.942 1.256 1.57 1.884 2.198)";

// "disvalue.2" names the value of speaker 2's entry; other names are "VoiceInfo" members.
void SetVoiceValue(Json::Value& voice, const std::string& path, int value) {
  const size_t dot = path.find('.');
  if (dot == std::string::npos) {
    voice[path] = value;
    return;
  }
  voice[path.substr(0, dot)][static_cast<Json::ArrayIndex>(std::stoi(path.substr(dot + 1)))]["value"] = value;
}

class HeadsetVoicePageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    PanelWindowTest::SetUp();
    ResetHeadsetStates();
    RemoveTree(DeviceProfileFolder(nullptr, L"head"));
    OpenWindow();
    // Plugged in after start-up: the detection selects the saved profile, as it does for the user.
    Standin().SetHeadsetPresent(true);
    // Its last voice call ends the selection's apply on the detection thread.
    ASSERT_TRUE(PumpUntil(
        [] {
          const std::vector<std::string> calls = VoiceCalls();
          return std::find(calls.begin(), calls.end(), "Harkin_SetEncOnOff(0)") != calls.end();
        },
        5000));
    PumpFor(100);
    Option(L"hs_tab")->Selected(true, true);
    Option(L"hs_voice_Op_tab")->Selected(true, true);
  }

  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  CComboUI* Combo() { return window->Find<CComboUI>(L"hs_device_profile_combo"); }
  CSliderUI* Slider(const wchar_t* name) { return window->Find<CSliderUI>(name); }
  std::wstring ProfilePath() { return window->GetHeadsetProfileFolder() + L"profile1.json"; }
  Json::Value SavedVoice() { return ReadJsonFile(ProfilePath())["VoiceInfo"]; }

  // The profile written and selected again, as the user picks it: its selection applies it.
  void SelectProfile(const Json::Value& profile) {
    ASSERT_EQ(0, WriteJsonFile(ProfilePath(), profile));
    Combo()->SelectItem(-1);
    Combo()->SelectItem(0);
    ASSERT_EQ(profile["VoiceInfo"]["left"].asInt(), HeadsetVoice.left) << "applied";
  }
  // A slider dragged to `value`: the library raises "valuechanged" when the drag ends.
  void Drag(const wchar_t* name, int value) {
    Slider(name)->SetValue(value);
    window->Manager().SendNotify(Slider(name), L"valuechanged");
  }
  void Click(const wchar_t* name) { ASSERT_TRUE(Option(name)->Activate()) << "the control takes clicks"; }
};

TEST_F(HeadsetVoicePageTest, EachControlSendsItsCallsAndSavesItsValue) {
  struct Case {
    const char* control;  // and the fault its row catches
    std::function<void()> act;
    std::vector<std::string> calls;
    std::vector<std::pair<std::string, int>> saved;  // what changes in "VoiceInfo"
    std::vector<std::pair<const wchar_t*, int>> shown;  // sliders the handler sets
  } cases[] = {
      {"master: not the microphone's route", [this] { Drag(L"hs_master_slider", 45); },
       {"Harkin_SetSpeakerMasterVolume(45)"}, {{"master", 45}}, {}},
      {"left: both sides read, left first", [this] { Drag(L"hs_left_slider", 20); },
       {"Harkin_SetSpeakerChannelVolume(20, 62)"}, {{"left", 20}}, {}},
      {"right: not stored as left", [this] { Drag(L"hs_right_slider", 90); },
       {"Harkin_SetSpeakerChannelVolume(31, 90)"}, {{"right", 90}}, {}},
      {"microphone", [this] { Drag(L"hs_mic_vol_slider", 55); }, {"Harkin_SetMicVolume(55)"},
       {{"micvol", 55}}, {}},
      {"distance: speaker 2's entry only, its angle kept", [this] { Drag(L"hs_LB_slider", 45); },
       {"Harkin_SetVirtual7ch1(0; distance 0.17 0.34 0.765 0.68 0.85 1.02 1.19 1.36; "
        "angle 0 0.314 0.628 0.942 1.256 1.57 1.884 2.198)",
        "Harkin_SetVirtual7ch1_OnOff(0)"},
       {{"disvalue.2", 45}}, {}},
      {"angle: stored as the angle, not the distance", [this] { Drag(L"hs_ANGLE_slider", 50); },
       {"Harkin_SetVirtual7ch1(0; distance 0.17 0.34 0.51 0.68 0.85 1.02 1.19 1.36; "
        "angle 0 0.314 3.14 0.942 1.256 1.57 1.884 2.198)",
        "Harkin_SetVirtual7ch1_OnOff(0)"},
       {{"Anvalue.2", 50}}, {}},
      {"speaker option 5: shows its values and sends nothing", [this] { Click(L"hs_slien_check_5"); }, {},
       {{"distance", 5}}, {{L"hs_LB_slider", 60}, {L"hs_ANGLE_slider", 25}}},
      {"scene option 3: its own scene's four calls and bands", [this] { Click(L"hs_scenes_btn_3"); },
       {"Harkin_SetSoundField(3)", "Harkin_SetSoundField_OnOff(0)", "Harkin_Config3D_ById(0)",
        "Harkin_Set3D_OnOff_ById(1, 0)"},
       {{"eqselect", 3}}, {{L"HZ_Slider_0", -3}, {L"HZ_Slider_4", 3}, {L"HZ_Slider_7", -2}}},
      {"virtual 7.1 on: the whole block, then the switch", [this] { Click(L"hs_virtual_check"); },
       {kStartingBlock, "Harkin_SetVirtual7ch1_OnOff(1)"}, {{"virtual", 1}}, {}},
      {"noise cancelling on", [this] { Click(L"btn_low_louder"); }, {"Harkin_SetEncOnOff(1)"},
       {{"enc", 1}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    SelectProfile(StartingProfile());
    Json::Value expected = SavedVoice();
    Standin().ClearCallLog();

    c.act();
    EXPECT_EQ(c.calls, VoiceCalls());
    for (const auto& [path, value] : c.saved) SetVoiceValue(expected, path, value);
    EXPECT_EQ(expected, SavedVoice());
    for (const auto& [slider, value] : c.shown) EXPECT_EQ(value, Slider(slider)->GetValue()) << slider;
  }
}

TEST_F(HeadsetVoicePageTest, RecoverSavesTheFactoryVoiceAndSendsIt) {
  // The factory record selects speaker 0, scene 0, virtual and noise cancelling off.
  const std::vector<std::string> scene0 = {"Harkin_SetSoundField(0)", "Harkin_SetSoundField_OnOff(0)",
                                           "Harkin_Config3D_ById(0)", "Harkin_Set3D_OnOff_ById(0, 0)"};
  const std::string factoryBlock =
      "Harkin_SetVirtual7ch1(0; distance 0.85 0.85 0.85 0.85 0.85 0.85 0.85 0.85; "
      "angle 0 0.7536 1.57 2.3236 3.14 3.8936 4.71 5.4636)";
  std::vector<std::string> tenCalls = {"Harkin_SetSpeakerChannelVolume(100, 100)", "Harkin_SetSpeakerMasterVolume(80)",
                                       "Harkin_SetMicVolume(70)", factoryBlock, "Harkin_SetVirtual7ch1_OnOff(0)"};
  tenCalls.insert(tenCalls.end(), scene0.begin(), scene0.end());
  tenCalls.push_back("Harkin_SetEncOnOff(0)");
  std::vector<std::string> handlersFirst = scene0;
  handlersFirst.insert(handlersFirst.end(), {factoryBlock, "Harkin_SetVirtual7ch1_OnOff(0)", "Harkin_SetEncOnOff(0)"});
  handlersFirst.insert(handlersFirst.end(), tenCalls.begin(), tenCalls.end());

  struct Case {
    const char* what;  // and the fault its row catches
    bool sameOptionsShown;
    std::vector<std::string> calls;
  } cases[] = {
      {"other options shown: those that change run their handlers first", false, handlersFirst},
      {"the factory's options shown: no handler saves, recover's own save must", true, tenCalls},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Json::Value profile = StartingProfile();
    if (c.sameOptionsShown) {
      profile["VoiceInfo"]["distance"] = 0;
      profile["VoiceInfo"]["eqselect"] = 0;
    }
    SelectProfile(profile);
    if (!c.sameOptionsShown) {
      Option(L"hs_virtual_check")->Selected(true, true);
      Option(L"btn_low_louder")->Selected(true, true);
    }
    Standin().ClearCallLog();
    NotifyClick(Find(L"btn_recover"));

    EXPECT_EQ(c.calls, VoiceCalls());
    EXPECT_EQ(ReadJsonFile(ProgramFolder() + L"hslightdefault.json")["VoiceInfo"], SavedVoice());
    EXPECT_EQ(100, Slider(L"hs_left_slider")->GetValue());
    EXPECT_TRUE(Option(L"hs_slien_check_0")->IsSelected());
  }
}

}  // namespace
