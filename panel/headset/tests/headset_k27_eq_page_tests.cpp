// The K27 equaliser's user presets in the real main window, as the user works them on the voice
// page: a band moved, a preset saved, a profile chosen that uses one, a preset deleted. What reaches
// the stand-in audio configuration library, and what the index file, the profiles' voice INI files
// and the preset files hold afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "audio_config_library.h"
#include "audio_standin_steering.h"
#include "data_folders.h"
#include "headset_k27_eq.h"
#include "ini_values.h"
#include "panel_window_fixture.h"
#include "program_folder.h"
#include "test_files.h"

namespace {
using Names = std::vector<std::wstring>;
constexpr HeadsetK27EqValues kBass = {12, 9, 5, 1, 0, 0, -1, -2, -3, -4};
constexpr HeadsetK27EqValues kRock = {4, 3, -1, -2, 0, 2, 4, 5, 5, 4};
constexpr HeadsetK27EqValues kJazz = {3, 2, 1, 2, -1, -1, 0, 1, 2, 3};

// Band b (0 .. 9) written as its property.
std::string BandWrite(int band, int value) {
  return "PropertyControl(output, EQ_Slider" + std::to_string(band + 1) + ", write " + std::to_string(value) + ") = 0";
}

// What applying ten values writes: the switch, then band 1 to 10.
std::vector<std::string> Applied(const HeadsetK27EqValues& values) {
  std::vector<std::string> writes = {"PropertyControl(output, Enable_EQ_GFX, write 1) = 0"};
  for (int band = 0; band < kHeadsetK27EqBands; ++band) writes.push_back(BandWrite(band, values[band]));
  return writes;
}

class HeadsetK27EqPageTest : public PanelWindowTest {
 protected:
  struct StoredProfile {
    std::wstring name;
    int eqSelect;
    const wchar_t* selectName;  // null: none
  };

  void SetUp() override {
    folder = DeviceProfileFolder(nullptr, L"headK27");
    PanelWindowTest::SetUp();
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      boxes.push_back(box.FindControl(L"MessageText")->GetText().str());
      box.Close(0);
    });
  }
  void TearDown() override {
    WatchMessageBoxesWith(nullptr);
    PanelWindowTest::TearDown();
  }

  // Profiles with their voice INIs ("voice" + name), the registered user presets with their files,
  // then the window (started again when it runs), its start-up selecting profile `selected`, and
  // the voice page shown.
  void Open(const std::vector<StoredProfile>& profiles, int selected,
            const std::vector<std::pair<std::wstring, HeadsetK27EqValues>>& presets) {
    RemoveTree(folder);
    folder = DeviceProfileFolder(nullptr, L"headK27");
    const std::vector<unsigned char> light = ReadBytes(ProgramFolder() + L"hsK27lightdefault.json");
    WriteIniNumber(Index(), L"PROFILECOUNT", L"count", static_cast<int>(profiles.size()));
    WriteIniNumber(Index(), L"PROFILESELECT", L"select", selected);
    for (size_t i = 0; i < profiles.size(); ++i) {
      const StoredProfile& p = profiles[i];
      WriteIniText(Index(), L"PROFILENAME", std::to_wstring(i), p.name);
      WriteIniText(Index(), L"VOICEPROFILENAME", std::to_wstring(i), L"voice" + p.name);
      WriteBytes(folder + p.name + L".json", light);
      WriteHeadsetK27EqSelect(VoiceIni(p.name), p.eqSelect);
      if (p.selectName) WriteHeadsetK27EqSelectName(VoiceIni(p.name), p.selectName);
    }
    Names names;
    for (const auto& [name, values] : presets) {
      names.push_back(name);
      WriteHeadsetK27EqPresetFile(HeadsetK27EqPresetPath(folder, name), values);
    }
    WriteHeadsetK27UserEqPresets(Index(), names);
    if (IsWindow(window->GetHWND())) RestartWindow();
    else OpenWindow();
    Option(L"hsK27_tab")->Selected(true, true);
    Option(L"hs_voice_Op_tab_K27")->Selected(true, true);
    Standin().ClearCallLog();
  }

  std::wstring Index() const { return folder + kHeadsetK27ProfileIndexFile; }
  std::wstring VoiceIni(const std::wstring& profile) const { return folder + L"voice" + profile + L".ini"; }
  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  CComboUI* Combo(const wchar_t* name) { return window->Find<CComboUI>(name); }
  CSliderUI* Band(int band) { return window->Find<CSliderUI>(L"HZK27_Slider_", band); }
  AudioConfigStandin Standin() { return AudioConfigStandin(ConfLib().module()); }
  std::vector<std::string> Writes() {
    std::vector<std::string> writes;
    for (const std::string& line : Standin().CallLog())
      if (line.find(", write ") != std::string::npos) writes.push_back(line);
    return writes;
  }
  HeadsetK27EqValues Shown() {
    HeadsetK27EqValues values{};
    for (int band = 0; band < kHeadsetK27EqBands; ++band) values[band] = Band(band)->GetValue();
    return values;
  }
  // The user drags band `band` to `value`; the library raises "valuechanged" when the drag ends.
  void Drag(int band, int value) {
    Band(band)->SetValue(value);
    window->Manager().SendNotify(Band(band), L"valuechanged");
  }
  void Press(const wchar_t* button) { ASSERT_TRUE(Find(button)->Activate()) << "the button takes clicks"; }
  bool PresetControlsEnabled() {
    return Find(L"hs_EQmode_Combo")->IsEnabled() && Find(L"hs_EQ_btn_save")->IsEnabled() &&
           Find(L"hs_EQ_btn_delete")->IsEnabled();
  }
  Names Rows() {
    Names rows;
    for (int i = 0; i < Combo(L"hs_EQmode_Combo")->GetCount(); ++i)
      rows.push_back(Combo(L"hs_EQmode_Combo")->GetItemAt(i)->GetText().str());
    return rows;
  }

  std::wstring folder;
  Names boxes;
};

TEST_F(HeadsetK27EqPageTest, AMovedBandWritesThatBandAloneAndLeavesTheProfilesChoice) {
  Open({{L"Game", 3, nullptr}}, 0, {{L"Rock", kRock}});
  ASSERT_TRUE(Option(L"hs_EQ_STATUS_3")->IsSelected());
  ASSERT_FALSE(PresetControlsEnabled()) << "a built-in preset disables the user presets";
  Drag(4, 6);
  EXPECT_EQ(std::vector<std::string>{BandWrite(4, 6)}, Writes()) << "no switch, no other band";
  EXPECT_TRUE(Option(L"hs_EQ_STATUS_12")->IsSelected());
  EXPECT_TRUE(PresetControlsEnabled());
  EXPECT_EQ(-1, Combo(L"hs_EQmode_Combo")->GetCurSel()) << "selected without notification: no preset applied";
  EXPECT_EQ(L"3", ReadHeadsetK27EqSelect(VoiceIni(L"Game"))) << "the profile keeps its saved choice";
  EXPECT_FALSE(PathExists(HeadsetK27EqPresetPath(folder, L"Game")));
  EXPECT_EQ(kRock, ReadHeadsetK27EqPresetFile(HeadsetK27EqPresetPath(folder, L"Rock")));
}

TEST_F(HeadsetK27EqPageTest, SavingStoresTheTenBandsAndMakesThePresetTheProfilesChoice) {
  Open({{L"Game", 3, nullptr}}, 0, {{L"Rock", kRock}});
  for (int band = 0; band < kHeadsetK27EqBands; ++band) Drag(band, kBass[band]);
  Find(L"hs_name_edit")->SetText(L"Bass");
  Standin().ClearCallLog();
  Press(L"hs_EQ_btn_save");

  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(kBass, ReadHeadsetK27EqPresetFile(HeadsetK27EqPresetPath(folder, L"Bass")));
  for (int band = 0; band < kHeadsetK27EqBands; ++band)
    EXPECT_EQ(std::to_wstring(kBass[band]),
              ReadIniText(HeadsetK27EqPresetPath(folder, L"Bass"), L"EQVALUE", std::to_wstring(band), L"missing"))
        << band;
  EXPECT_EQ((Names{L"Rock", L"Bass"}), ReadHeadsetK27UserEqPresets(Index())) << "registered as the last entry";
  EXPECT_EQ(L"2", ReadIniText(Index(), L"EQCOUNT", L"count", L"missing"));
  EXPECT_EQ(L"12", ReadHeadsetK27EqSelect(VoiceIni(L"Game")));
  EXPECT_EQ(L"Bass", ReadHeadsetK27EqSelectName(VoiceIni(L"Game")));
  EXPECT_EQ((Names{L"Rock", L"Bass"}), Rows());
  EXPECT_EQ(1, Combo(L"hs_EQmode_Combo")->GetCurSel());
  EXPECT_EQ(Applied(kBass), Writes()) << "the new row's selection applies it";
}

TEST_F(HeadsetK27EqPageTest, AProfileOnAUserPresetAppliesItWhenChosenAgain) {
  Open({{L"Game", 12, L"bass"}, {L"Film", 3, nullptr}}, 1, {{L"Rock", kRock}, {L"Bass", kBass}});
  ASSERT_TRUE(Option(L"hs_EQ_STATUS_3")->IsSelected());
  Combo(L"hs_device_profile_combo_K27")->SelectItem(0);

  // The row's selection applies the preset, and the user option applies it once more.
  const std::vector<std::string> once = Applied(kBass);
  std::vector<std::string> twice = once;
  twice.insert(twice.end(), once.begin(), once.end());
  EXPECT_EQ(twice, Writes()) << "the name is found without regard to case";
  EXPECT_TRUE(Option(L"hs_EQ_STATUS_12")->IsSelected());
  EXPECT_EQ(1, Combo(L"hs_EQmode_Combo")->GetCurSel());
  EXPECT_EQ(kBass, Shown());
  EXPECT_TRUE(PresetControlsEnabled());
  EXPECT_EQ(L"Bass", ReadHeadsetK27EqSelectName(VoiceIni(L"Game")));
  EXPECT_EQ((Names{L"Rock", L"Bass"}), Rows()) << "one row per registered preset after the switch";

  Standin().ClearCallLog();
  Combo(L"hs_device_profile_combo_K27")->SelectItem(1);
  EXPECT_EQ(Applied(HEADSET_K27_EQ_PRESETS[3]), Writes());
  EXPECT_FALSE(PresetControlsEnabled());
  EXPECT_EQ(L"Bass", ReadHeadsetK27EqSelectName(VoiceIni(L"Game"))) << "the other profile keeps its preset";
}

TEST_F(HeadsetK27EqPageTest, DeletingAPresetRemovesItsFileAndEntryAndNamesTheRowNowSelected) {
  struct Case {
    const char* what;  // and the fault its row catches
    int deleted;
    Names left;
    const wchar_t* now;
    HeadsetK27EqValues nowValues;
  } cases[] = {
      {"the middle one: the register closes the gap", 1, {L"Bass", L"Jazz"}, L"Jazz", kJazz},
      {"the last one: its stale entry is removed", 2, {L"Bass", L"Rock"}, L"Rock", kRock},
  };
  const wchar_t* const names[] = {L"Bass", L"Rock", L"Jazz"};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Open({{L"Game", 12, names[c.deleted]}}, 0, {{L"Bass", kBass}, {L"Rock", kRock}, {L"Jazz", kJazz}});
    ASSERT_EQ(c.deleted, Combo(L"hs_EQmode_Combo")->GetCurSel());

    Press(L"hs_EQ_btn_delete");
    EXPECT_FALSE(PathExists(HeadsetK27EqPresetPath(folder, names[c.deleted])));
    EXPECT_EQ(c.left, Rows());
    EXPECT_EQ(c.left, ReadHeadsetK27UserEqPresets(Index()));
    EXPECT_EQ(L"missing", ReadIniText(Index(), L"EQINDEX", L"2", L"missing"));
    EXPECT_EQ(c.now, ReadHeadsetK27EqSelectName(VoiceIni(L"Game")));
    EXPECT_EQ(c.now, Rows()[Combo(L"hs_EQmode_Combo")->GetCurSel()]);
    // The headset follows the profile's new choice.
    EXPECT_EQ(Applied(c.nowValues), Writes());
    for (const auto& kept : c.left)
      EXPECT_TRUE(PathExists(HeadsetK27EqPresetPath(folder, kept))) << std::string(kept.begin(), kept.end());
  }
}

}  // namespace
