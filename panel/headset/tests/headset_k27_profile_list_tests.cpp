// The K27 headset's profile list in the real main window, with the simulated K27 plugged in: the
// index file, the light files and the voice INI files it leaves in "headK27", and what selecting a
// profile applies.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "audio_standin_steering.h"
#include "data_folders.h"
#include "file_dialogs.h"
#include "headset_k27_eq.h"
#include "headset_state.h"
#include "hid_backend.h"
#include "ini_values.h"
#include "panel_window_fixture.h"
#include "profile_store.h"
#include "program_folder.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

namespace {
using Names = std::vector<std::wstring>;
const wchar_t* const kNotAProfile = L"The file is not a valid profile for this device.";

struct StoredProfile {
  std::wstring name, voice;
  int eqSelect;  // -1: no voice INI file
};

class HeadsetK27ProfileListTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    RemoveTree(DeviceProfileFolder(nullptr, L"headK27"));
    folder = DeviceProfileFolder(nullptr, L"headK27");
    factory = ReadJsonFile(ProgramFolder() + L"hsK27lightdefault.json");
    bus.Attach(headset);
    InstallHidBackend(&bus);
    PanelWindowTest::SetUp();
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      messages.push_back(box.FindControl(L"MessageText")->GetText().str());
      ClickWhenShown(box, L"confirm_btn");
    });
  }
  void TearDown() override {
    AnswerFileDialogsWith(nullptr);
    WatchMessageBoxesWith(nullptr);
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }

  std::wstring Index() const { return folder + kHeadsetK27ProfileIndexFile; }
  std::wstring Ini(const wchar_t* section, const std::wstring& key) const {
    return ReadIniText(Index(), section, key, L"missing");
  }
  std::wstring VoiceIni(const std::wstring& voice) const { return folder + voice + L".ini"; }
  // Profile i's light file holds red 10 + i in static mode.
  void Store(const std::vector<StoredProfile>& profiles, int selected) {
    WriteIniNumber(Index(), L"PROFILECOUNT", L"count", static_cast<int>(profiles.size()));
    WriteIniNumber(Index(), L"PROFILESELECT", L"select", selected);
    for (size_t i = 0; i < profiles.size(); ++i) {
      const StoredProfile& p = profiles[i];
      WriteIniText(Index(), L"PROFILENAME", std::to_wstring(i), p.name);
      WriteIniText(Index(), L"VOICEPROFILENAME", std::to_wstring(i), p.voice);
      WriteText(folder + p.name + L".json",
                "{\"LightInfo\": {\"SelectItem\": 3, \"Light\": 4, \"Red\": " + std::to_string(10 + i) + "}}");
      if (p.eqSelect >= 0) WriteHeadsetK27EqSelect(VoiceIni(p.voice), p.eqSelect);
    }
  }
  CComboUI* Combo() { return window->Find<CComboUI>(L"hs_device_profile_combo_K27"); }
  Names Rows() {
    Names rows;
    for (int i = 0; i < Combo()->GetCount(); ++i) rows.push_back(Combo()->GetItemAt(i)->GetText().str());
    return rows;
  }
  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  void Click(const wchar_t* name) { NotifyClick(Find(name)); }
  AudioConfigStandin Standin() { return AudioConfigStandin(ConfLib().module()); }
  std::vector<std::string> EqWrites() {
    std::vector<std::string> writes;
    for (const std::string& line : Standin().CallLog())
      if (line.find("EQ_Slider") != std::string::npos && line.find(", write ") != std::string::npos)
        writes.push_back(line);
    return writes;
  }

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> headset = MakeSimulatedHeadsetK27();
  std::wstring folder;
  // The selection saves the loaded lighting back, so files are compared by their content.
  Json::Value factory;
  Names messages;
};

TEST_F(HeadsetK27ProfileListTest, AFirstRunMakesProfile1AndTheStartUpSelectsTheSavedProfile) {
  OpenWindow();
  EXPECT_EQ(L"1", Ini(L"PROFILECOUNT", L"count"));
  EXPECT_EQ(L"profile1", Ini(L"PROFILENAME", L"0"));
  EXPECT_EQ(L"voiceprofile1", Ini(L"VOICEPROFILENAME", L"0"));
  EXPECT_EQ(L"0", Ini(L"PROFILESELECT", L"select"));
  EXPECT_EQ(factory, ReadJsonFile(folder + L"profile1.json"));
  EXPECT_EQ(0, Combo()->GetCurSel()) << "selected at start-up, not by the headset's arrival";
  EXPECT_EQ(L"profile1", Find(L"hs_device_profile_name_edit_K27")->GetText().str());
  EXPECT_EQ(153, HeadsetK27Light.green) << "the factory lighting is loaded";
  EXPECT_EQ(0, window->Find<CComboUI>(L"hsK27_deng_combo_modeSelect0")->GetCurSel());

  // A saved selection outside the list selects the first profile.
  Store({{L"A", L"voiceA", -1}, {L"B", L"voiceB", -1}}, 7);
  RestartWindow();
  EXPECT_EQ((Names{L"A", L"B"}), Rows());
  EXPECT_EQ(0, Combo()->GetCurSel());
  EXPECT_EQ(10, HeadsetK27Light.red);
  EXPECT_TRUE(messages.empty());
}

// Selecting a profile loads its light file into the page and the lights, and applies its voice
// INI's equaliser choice to the headset.
TEST_F(HeadsetK27ProfileListTest, SelectingAProfileAppliesItsLightFileAndItsVoiceIni) {
  Store({{L"Quiet", L"voiceQuiet", 0}, {L"Loud", L"voiceLoud", 5}}, 0);
  OpenWindow();
  ASSERT_EQ(0, Combo()->GetCurSel());
  Standin().ClearCallLog();
  Combo()->SelectItem(1);
  EXPECT_EQ(L"1", Ini(L"PROFILESELECT", L"select"));
  EXPECT_EQ(L"Loud", Find(L"hs_device_profile_name_edit_K27")->GetText().str());
  EXPECT_EQ(11, HeadsetK27Light.red);
  EXPECT_EQ(3, window->Find<CComboUI>(L"hsK27_deng_combo_modeSelect0")->GetCurSel());
  EXPECT_EQ(L"11", Find(L"hsK27_Deng_edit_R")->GetText().str());
  EXPECT_TRUE(Option(L"hs_EQ_STATUS_5")->IsSelected());
  const std::vector<std::string> writes = EqWrites();
  ASSERT_EQ(10u, writes.size());
  EXPECT_EQ("PropertyControl(output, EQ_Slider1, write " + std::to_string(HEADSET_K27_EQ_PRESETS[5][0]) + ") = 0",
            writes[0]);
  // Static red 11 at the top level on every LED of both controllers.
  EXPECT_TRUE(PumpUntil(
      [this] {
        for (const auto& controller : headset->HeadsetLeds().colours)
          for (const auto& led : controller)
            if (led[0] != 10 || led[1] != 0 || led[2] != 0) return false;  // 11 * 255 / 256
        return true;
      },
      10000));
}

// Each new profile's voice INI entry is written before the row is selected, so the selection's
// equaliser write lands in the profile's own file and never in "0.ini".
TEST_F(HeadsetK27ProfileListTest, AddNamesTheVoiceIniAfterTheProfileBeforeSelectingIt) {
  Store({{L"profile1", L"voiceprofile1", 5}}, 0);
  OpenWindow();
  Click(L"hsK27_pro_device_add_btn");
  EXPECT_EQ((Names{L"profile1", L"profile2"}), Rows());
  EXPECT_EQ(1, Combo()->GetCurSel());
  EXPECT_EQ(L"voiceprofile2", Ini(L"VOICEPROFILENAME", L"1"));
  EXPECT_EQ(factory, ReadJsonFile(folder + L"profile2.json"));
  EXPECT_EQ(L"0", ReadHeadsetK27EqSelect(VoiceIni(L"voiceprofile2")));
  EXPECT_TRUE(Option(L"hs_EQ_STATUS_0")->IsSelected());
  EXPECT_FALSE(PathExists(folder + L"0.ini"));
  EXPECT_EQ(L"5", ReadHeadsetK27EqSelect(VoiceIni(L"voiceprofile1"))) << "the first profile keeps its choice";
}

TEST_F(HeadsetK27ProfileListTest, ACopyGetsCopyAppendedAndAVoiceIniNameOfItsOwn) {
  struct Case {
    const char* what;
    std::vector<StoredProfile> profiles;
    std::wstring name, voice;
  };
  const Case cases[] = {
      {"two profiles", {{L"profile1", L"voiceprofile1", 4}, {L"profile2", L"voiceprofile2", -1}},
       L"profile1 copy", L"voiceprofile2copy"},
      {"the copy's name taken", {{L"Game", L"voiceGame", 4}, {L"Game copy", L"voiceGame copy", -1}},
       L"Game copycopy", L"voiceprofile2copy"},
      // profile1, profile2 and a copy of profile1; profile2 was deleted.
      {"after a delete", {{L"profile1", L"voiceprofile1", 4}, {L"profile1 copy", L"voiceprofile2copy", 7}},
       L"profile1 copycopy", L"voiceprofile2copycopy"},
  };
  for (const Case& c : cases) {
    RemoveTree(folder);
    folder = DeviceProfileFolder(nullptr, L"headK27");
    Store(c.profiles, 0);
    if (window) RestartWindow();
    else OpenWindow();
    Click(L"hsK27_pro_device_copy_btn");
    EXPECT_EQ(c.name, Rows().back()) << c.what;
    EXPECT_EQ(2, Combo()->GetCurSel()) << c.what;
    EXPECT_EQ(c.name, Ini(L"PROFILENAME", L"2")) << c.what;
    EXPECT_EQ(c.voice, Ini(L"VOICEPROFILENAME", L"2")) << c.what;
    EXPECT_EQ(ReadJsonFile(folder + c.profiles[0].name + L".json"), ReadJsonFile(folder + c.name + L".json")) << c.what;
    EXPECT_EQ(L"0", ReadHeadsetK27EqSelect(VoiceIni(c.voice))) << c.what << ": starts with built-in preset 0";
    EXPECT_EQ(L"4", ReadHeadsetK27EqSelect(VoiceIni(c.profiles[0].voice))) << c.what;
  }
  EXPECT_EQ(L"7", ReadHeadsetK27EqSelect(VoiceIni(L"voiceprofile2copy"))) << "the earlier copy keeps its choice";
}

TEST_F(HeadsetK27ProfileListTest, DeletingTheFirstOfThreeKeepsTheOthersEqualiserChoicesAndThePresets) {
  Store({{L"a", L"voicea", 3}, {L"b", L"voiceb", 5}, {L"c", L"voicec", 7}}, 0);
  WriteHeadsetK27UserEqPresets(Index(), {L"Bass"});
  OpenWindow();
  Click(L"hsK27_pro_device_sub_btn");
  EXPECT_EQ(1u, messages.size()) << "the confirmation";
  EXPECT_EQ((Names{L"b", L"c"}), Rows());
  EXPECT_FALSE(PathExists(folder + L"a.json"));
  EXPECT_FALSE(PathExists(VoiceIni(L"voicea")));
  EXPECT_EQ(L"voiceb", Ini(L"VOICEPROFILENAME", L"0"));
  EXPECT_EQ(L"voicec", Ini(L"VOICEPROFILENAME", L"1"));
  EXPECT_EQ(L"missing", Ini(L"VOICEPROFILENAME", L"2"));
  EXPECT_EQ(L"5", ReadHeadsetK27EqSelect(VoiceIni(L"voiceb")));
  EXPECT_EQ(Names{L"Bass"}, ReadHeadsetK27UserEqPresets(Index()));
  EXPECT_EQ(1, Combo()->GetCurSel()) << "the last profile";
  EXPECT_TRUE(Option(L"hs_EQ_STATUS_7")->IsSelected());
  EXPECT_EQ(L"7", ReadHeadsetK27EqSelect(VoiceIni(L"voicec")));
}

TEST_F(HeadsetK27ProfileListTest, ResetRestoresTheFactoryLightingAndReturnsTheEqualiserToPresetZero) {
  Store({{L"Game", L"voiceGame", 12}}, 0);
  WriteHeadsetK27EqSelectName(VoiceIni(L"voiceGame"), L"Bass");
  WriteHeadsetK27UserEqPresets(Index(), {L"Bass"});
  WriteHeadsetK27EqPresetFile(folder + L"Bass.ini", HeadsetK27EqValues{1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  OpenWindow();
  ASSERT_TRUE(Option(L"hs_EQ_STATUS_12")->IsSelected());
  Standin().ClearCallLog();
  Click(L"hsK27_pro_device_reset_btn");
  EXPECT_EQ(factory, ReadJsonFile(folder + L"Game.json"));
  EXPECT_EQ(1, HeadsetK27Light.red);
  EXPECT_EQ(L"1", Find(L"hsK27_Deng_edit_R")->GetText().str());
  EXPECT_EQ(L"0", ReadHeadsetK27EqSelect(VoiceIni(L"voiceGame")));
  EXPECT_TRUE(Option(L"hs_EQ_STATUS_0")->IsSelected());
  const std::vector<std::string> writes = EqWrites();
  ASSERT_EQ(10u, writes.size());
  EXPECT_EQ("PropertyControl(output, EQ_Slider1, write 7) = 0", writes[0]);
  EXPECT_TRUE(PathExists(folder + L"Bass.ini"));
  EXPECT_TRUE(messages.empty());
}

// A file that the JSON reader refuses (2 KB of nested brackets): as the selected profile at start
// the panel comes up on the factory lighting and the page's saves leave the file as it is; as an
// import it is refused with the import's text, as is a file of 2 GB.
TEST_F(HeadsetK27ProfileListTest, AFileTheReaderRefusesIsKeptAtStartAndRefusedOnImport) {
  const std::string nestedBrackets = std::string(1024, '[') + std::string(1024, ']');
  Store({{L"Game", L"voiceGame", 0}, {L"Bad", L"voiceBad", 0}}, 1);
  WriteText(folder + L"Bad.json", nestedBrackets);
  const std::vector<unsigned char> bad = ReadBytes(folder + L"Bad.json");
  OpenWindow();
  EXPECT_TRUE(PumpUntil([this] { return IsWindowVisible(window->GetHWND()) != FALSE; }, 5000)) << "shown";
  EXPECT_EQ(1, Combo()->GetCurSel());
  EXPECT_EQ(153, HeadsetK27Light.green) << "the factory lighting";
  EXPECT_EQ(L"1", Find(L"hsK27_Deng_edit_R")->GetText().str());
  window->Find<CComboUI>(L"hsK27_deng_combo_modeSelect0")->SelectItem(2);
  EXPECT_EQ(2, HeadsetK27Light.mode);
  EXPECT_EQ(bad, ReadBytes(folder + L"Bad.json")) << "never saved over";

  Combo()->SelectItem(0);
  const std::vector<unsigned char> game = ReadBytes(folder + L"Game.json");
  TempFolder source;
  std::wstring chosen = source / L"nested.json";
  WriteText(chosen, nestedBrackets);
  AnswerFileDialogsWith([&](const FileDialogRequest&) { return chosen; });
  Click(L"hsK27_pro_device_import_btn");
  chosen = source / L"huge.json";
  WriteSparseFile(chosen, 2ull << 30);
  Click(L"hsK27_pro_device_import_btn");
  EXPECT_EQ(Names(2, kNotAProfile), messages);
  EXPECT_EQ(game, ReadBytes(folder + L"Game.json"));
  EXPECT_EQ(bad, ReadBytes(folder + L"Bad.json"));
}

}  // namespace
