// The first headset's profile list in the real main window: the index file and the JSON files it
// leaves in the family's folder.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "audio_standin_steering.h"
#include "data_folders.h"
#include "file_dialogs.h"
#include "headset_state.h"
#include "ini_values.h"
#include "panel_window_fixture.h"
#include "profile_store.h"
#include "program_folder.h"
#include "test_files.h"

namespace {
const wchar_t* const kNotAProfile = L"The file is not a valid profile for this device.";
const wchar_t* const kProgramTaken = L"Another profile is already linked to this program.";
// "message_text_14": the refusal of a name that cannot be a file name.
const wchar_t* const kUnusableName =
    L"This name cannot be used: enter a name that can be a file name (not empty, without \\ / : * ? \" < > |, "
    L"not \".\" or \"..\", not ending in a space or a dot).";
const wchar_t* const kNameTaken = L"A profile with this name already exists.";

class HeadsetProfileListTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    PanelWindowTest::SetUp();
    ResetHeadsetStates();
    RemoveTree(DeviceProfileFolder(nullptr, L"head"));
    folder = DeviceProfileFolder(nullptr, L"head");
    factory = ReadBytes(ProgramFolder() + L"hslightdefault.json");
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      messages.push_back(box.FindControl(L"MessageText")->GetText().str());
      ClickWhenShown(box, L"confirm_btn");
    });
  }
  void TearDown() override {
    AnswerFileDialogsWith(nullptr);
    PanelWindowTest::TearDown();
  }

  std::wstring Index() const { return folder + L"hsProfile.ini"; }
  std::wstring Ini(const wchar_t* section, const std::wstring& key) const {
    return ReadIniText(Index(), section, key, L"missing");
  }
  void WriteIndex(const std::vector<std::wstring>& names) {
    WriteIniNumber(Index(), L"PROFILECOUNT", L"count", static_cast<int>(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
      WriteIniText(Index(), L"PROFILENAME", std::to_wstring(i), names[i]);
      WriteText(folder + names[i] + L".json", "{\"LightInfo\": {\"Red\": " + std::to_string(i + 1) + "}}");
    }
  }
  CComboUI* Combo() { return window->Find<CComboUI>(L"hs_device_profile_combo"); }
  std::vector<std::wstring> Rows() {
    std::vector<std::wstring> rows;
    for (int i = 0; i < Combo()->GetCount(); ++i) rows.push_back(Combo()->GetItemAt(i)->GetText().str());
    return rows;
  }
  void Click(const wchar_t* name) { NotifyClick(Find(name)); }

  std::wstring folder;
  std::vector<unsigned char> factory;
  std::vector<std::wstring> messages;
};

TEST_F(HeadsetProfileListTest, FirstRunMakesProfile1FromTheFactoryFileAndSelectsNothing) {
  OpenWindow();
  EXPECT_EQ(L"1", Ini(L"PROFILECOUNT", L"count"));
  EXPECT_EQ(L"profile1", Ini(L"PROFILENAME", L"0"));
  EXPECT_EQ(L"0", Ini(L"PROFILESELECT", L"select"));
  EXPECT_EQ(factory, ReadBytes(folder + L"profile1.json"));
  EXPECT_EQ(std::vector<std::wstring>{L"profile1"}, Rows());
  EXPECT_EQ(-1, Combo()->GetCurSel()) << "the headset's arrival selects the saved profile";
}

TEST_F(HeadsetProfileListTest, AFirstRunThatCannotWriteProfile1LeavesNoIndexAndIsTriedAgain) {
  CreateDirectoryW((folder + L"profile1.json").c_str(), nullptr);  // no file can be written there
  OpenWindow();
  EXPECT_EQ(std::vector<std::wstring>{L"The file cannot be read."}, messages);
  EXPECT_FALSE(PathExists(Index()));
  EXPECT_TRUE(Rows().empty());

  RemoveDirectoryW((folder + L"profile1.json").c_str());
  RestartWindow();
  EXPECT_EQ(L"profile1", Ini(L"PROFILENAME", L"0"));
  EXPECT_EQ(factory, ReadBytes(folder + L"profile1.json"));
}

TEST_F(HeadsetProfileListTest, AddTakesTheFirstFreeNumberAndOverwritesALeftoverFile) {
  WriteIndex({L"profile1", L"profile3"});
  WriteText(folder + L"profile2.json", "{\"LightInfo\": {\"Red\": 77}}");
  OpenWindow();
  Combo()->SelectItem(0);
  Click(L"hs_pro_device_add_btn");
  EXPECT_EQ((std::vector<std::wstring>{L"profile1", L"profile3", L"profile2"}), Rows());
  EXPECT_EQ(2, Combo()->GetCurSel());
  EXPECT_EQ(ReadJsonFile(ProgramFolder() + L"hslightdefault.json")["LightInfo"],
            ReadJsonFile(folder + L"profile2.json")["LightInfo"])
      << "not the stale settings";
  EXPECT_EQ(L"3", Ini(L"PROFILECOUNT", L"count"));
  EXPECT_EQ(L"profile2", Ini(L"PROFILENAME", L"2"));
  EXPECT_EQ(L"2", Ini(L"PROFILESELECT", L"select"));
}

TEST_F(HeadsetProfileListTest, CopyAppendsCopyUntilTheNameIsFree) {
  WriteIndex({L"Game", L"Game copy"});
  OpenWindow();
  Combo()->SelectItem(0);
  Click(L"hs_pro_device_copy_btn");
  EXPECT_EQ(L"Game copy copy", Rows().back());
  EXPECT_EQ(ReadBytes(folder + L"Game.json"), ReadBytes(folder + L"Game copy copy.json"));
  EXPECT_EQ(L"Game copy copy", Ini(L"PROFILENAME", L"2"));
}

TEST_F(HeadsetProfileListTest, RenameRefusesTakenAndUnsafeNamesAndKeepsTheOldFile) {
  WriteIndex({L"profile1", L"Game"});
  OpenWindow();
  Combo()->SelectItem(0);
  for (const wchar_t* refused : {L"GAME", L"a/b", L"", L"name."}) {
    Find(L"hs_device_profile_name_edit")->SetText(refused);
    Click(L"hs_device_profile_edit_save_btn");
  }
  EXPECT_EQ((std::vector<std::wstring>{kNameTaken, kUnusableName, kUnusableName, kUnusableName}), messages);
  EXPECT_EQ(L"profile1", Ini(L"PROFILENAME", L"0"));

  WriteText(folder + L"Quiet.json", "{\"LightInfo\": {\"Red\": 200}}");  // left by an earlier profile
  Find(L"hs_device_profile_name_edit")->SetText(L"Quiet");
  Click(L"hs_device_profile_edit_save_btn");
  EXPECT_EQ((std::vector<std::wstring>{L"Quiet", L"Game"}), Rows());
  EXPECT_EQ(L"Quiet", Ini(L"PROFILENAME", L"0"));
  EXPECT_EQ(ReadBytes(folder + L"profile1.json"), ReadBytes(folder + L"Quiet.json"));
}

TEST_F(HeadsetProfileListTest, DeletingTheMiddleProfileMovesTheLastLinkDownAndKeepsTheMagicKeys) {
  WriteIndex({L"a", L"b", L"c"});
  WriteIniText(Index(), L"PROFILELIKEDENGEXE", L"2", L"1");
  WriteIniText(Index(), L"DENGPROCESS", L"2", L"C:\\Games\\game.exe");
  WriteIniText(Index(), L"MAGICOPEN", L"open", L"1");
  WriteIniText(Index(), L"MAGICSELECT", L"select", L"3");
  OpenWindow();
  Combo()->SelectItem(1);
  Click(L"hs_pro_device_sub_btn");

  EXPECT_EQ((std::vector<std::wstring>{L"a", L"c"}), Rows());
  EXPECT_FALSE(PathExists(folder + L"b.json"));
  EXPECT_EQ(L"2", Ini(L"PROFILECOUNT", L"count"));
  EXPECT_EQ(L"c", Ini(L"PROFILENAME", L"1"));
  EXPECT_EQ(L"1", Ini(L"PROFILELIKEDENGEXE", L"1"));
  EXPECT_EQ(L"C:\\Games\\game.exe", Ini(L"DENGPROCESS", L"1"));
  for (const wchar_t* section : {L"PROFILENAME", L"PROFILELIKEDENGEXE", L"DENGPROCESS"})
    EXPECT_EQ(L"missing", Ini(section, L"2")) << "the former last index is gone";
  EXPECT_EQ(L"1", Ini(L"MAGICOPEN", L"open"));
  EXPECT_EQ(L"3", Ini(L"MAGICSELECT", L"select"));
  EXPECT_EQ(1, Combo()->GetCurSel());
}

TEST_F(HeadsetProfileListTest, ImportRefusesAFileWithoutALightInfoObjectAndReloadsAGoodOne) {
  WriteIndex({L"profile1"});
  OpenWindow();
  Combo()->SelectItem(0);
  const std::vector<unsigned char> before = ReadBytes(folder + L"profile1.json");
  TempFolder source;
  std::wstring chosen;
  AnswerFileDialogsWith([&](const FileDialogRequest&) { return chosen; });
  const std::string nestedBrackets = std::string(1024, '[') + std::string(1024, ']');
  for (const std::string& hostile :
       {std::string("[1,2]"), std::string("{\"LightInfo\": 5}"), std::string("{\"VoiceInfo\": {}}"),
        std::string("not json"), nestedBrackets}) {
    chosen = source / L"hostile.json";
    WriteText(chosen, hostile);
    Click(L"hs_pro_device_import_btn");
  }
  chosen = source / L"huge.json";
  WriteSparseFile(chosen, 2ull << 30);
  Click(L"hs_pro_device_import_btn");
  EXPECT_EQ(std::vector<std::wstring>(6, kNotAProfile), messages);
  EXPECT_EQ(before, ReadBytes(folder + L"profile1.json"));

  chosen = source / L"good.json";
  WriteText(chosen, "{\"LightInfo\": {\"Red\": 300, \"SelectItem\": 3}}");
  Click(L"hs_pro_device_import_btn");
  EXPECT_EQ(3, ReadJsonFile(folder + L"profile1.json")["LightInfo"]["SelectItem"].asInt());
  EXPECT_EQ(44, HeadsetLight.red) << "reloaded";
  EXPECT_EQ(3, HeadsetLight.mode);
}

TEST_F(HeadsetProfileListTest, ExportOverwritesTheChosenFileAndResetRestoresAMissingOne) {
  WriteIndex({L"profile1"});
  OpenWindow();
  Combo()->SelectItem(0);
  TempFolder target;
  WriteText(target / L"old.json", "old");
  AnswerFileDialogsWith([&](const FileDialogRequest& request) {
    EXPECT_TRUE(request.flags & OFN_OVERWRITEPROMPT);
    return target / L"old.json";
  });
  Click(L"hs_pro_device_export_btn");
  EXPECT_EQ(ReadBytes(folder + L"profile1.json"), ReadBytes(target / L"old.json"));

  DeleteFileW((folder + L"profile1.json").c_str());
  Click(L"hs_pro_device_reset_btn");
  Json::Value saved = ReadJsonFile(folder + L"profile1.json");
  Json::Value expected = ReadJsonFile(ProgramFolder() + L"hslightdefault.json");
  EXPECT_EQ(expected["LightInfo"], saved["LightInfo"]);
  EXPECT_EQ(expected["VoiceInfo"], saved["VoiceInfo"]);
}

TEST_F(HeadsetProfileListTest, LinkingAProgramTheProfileAlreadyLinksIsRefused) {
  WriteIndex({L"a", L"b"});
  WriteIniText(Index(), L"PROFILELIKEDENGEXE", L"0", L"1");
  WriteIniText(Index(), L"DENGPROCESS", L"0", L"C:\\Games\\game.exe");
  OpenWindow();
  Combo()->SelectItem(0);
  EXPECT_EQ(L"game.exe", Find(L"hs_device_profile_link_edit")->GetText().str());
  AnswerFileDialogsWith([](const FileDialogRequest&) { return std::wstring(L"c:\\games\\GAME.exe"); });
  Click(L"hs_device_profile_link_btn");
  EXPECT_EQ(std::vector<std::wstring>{kProgramTaken}, messages);

  Combo()->SelectItem(1);
  EXPECT_EQ(L"", Find(L"hs_device_profile_link_edit")->GetText().str()) << "an unlinked profile clears the link";
}

TEST_F(HeadsetProfileListTest, ArrivingHeadsetGetsTheSavedProfileAndAPickedModeReachesItsRegisters) {
  WriteIndex({L"a", L"b"});
  WriteText(folder + L"b.json",
            "{\"LightInfo\": {\"SelectItem\": 2, \"Red\": 9},"
            " \"VoiceInfo\": {\"master\": 61, \"eqselect\": 1, \"eqinfo\": [{}, {\"soundmode\": 5}]}}");
  WriteIniText(Index(), L"PROFILESELECT", L"select", L"1");
  OpenWindow();
  const AudioControlStandin standin(GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll"));
  standin.SetHeadsetPresent(true);
  ASSERT_TRUE(PumpUntil([&] { return Combo()->GetCurSel() == 1 && standin.LastSetting("Harkin_SetEncOnOff") >= 0; },
                        3000));
  EXPECT_TRUE(Find(L"hs_tab")->IsVisible());
  EXPECT_EQ(61, standin.LastSetting("Harkin_SetSpeakerMasterVolume"));
  EXPECT_EQ(5, standin.LastSetting("Harkin_SetSoundField"));
  EXPECT_EQ(2, window->Find<CComboUI>(L"hs_deng_combo_modeSelect0")->GetCurSel());
  EXPECT_EQ(9, HeadsetLight.red);

  // The wave, picked by the user: the lighting thread writes its configuration once.
  window->Find<CComboUI>(L"hs_deng_combo_modeSelect0")->SelectItem(0);
  EXPECT_EQ(1, window->m_headsetHardwareEffect);
  EXPECT_EQ(0, ReadJsonFile(folder + L"b.json")["LightInfo"]["SelectItem"].asInt());
  standin.ClearCallLog();
  ASSERT_TRUE(PumpUntil([&] { return window->m_headsetLightDirty == 0; }, 6000));
  EXPECT_EQ(2, standin.I2CRegister(0x22, 0x23));
  EXPECT_EQ(0x00, standin.I2CRegister(0x11, 0x2A)) << "single colour";
  EXPECT_EQ(9, standin.I2CRegister(0x22, 0x27));
}

// The list was shortened elsewhere: the headset still gets a profile, and its changes are saved.
TEST_F(HeadsetProfileListTest, AnArrivingHeadsetWhoseSavedProfileIsGoneGetsTheFirstOne) {
  WriteIndex({L"a", L"b"});
  WriteIniText(Index(), L"PROFILESELECT", L"select", L"2");
  OpenWindow();
  const AudioControlStandin standin(GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll"));
  standin.SetHeadsetPresent(true);
  ASSERT_TRUE(PumpUntil([&] { return Find(L"hs_tab")->IsVisible() && Combo()->GetCurSel() == 0; }, 3000));
  EXPECT_EQ(folder + L"a.json", window->SelectedHeadsetProfilePath()) << "where the changes are saved";
}

// The saved profile is 20 MB: the detection thread that applies it on arrival refuses it at once,
// the factory settings stand in, and a change the user makes is not saved over the file.
TEST_F(HeadsetProfileListTest, AnArrivingHeadsetWhoseSavedProfileIsUnreadableGetsTheFactorySettings) {
  WriteIndex({L"a", L"b"});
  WriteText(folder + L"b.json", "{\"LightInfo\": {\"Red\": 9}}" + std::string(20 << 20, ' '));
  const std::vector<unsigned char> before = ReadBytes(folder + L"b.json");
  WriteIniText(Index(), L"PROFILESELECT", L"select", L"1");
  const Json::Value factoryLight = ReadJsonFile(ProgramFolder() + L"hslightdefault.json")["LightInfo"];
  OpenWindow();
  const AudioControlStandin standin(GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll"));
  const DWORD start = GetTickCount();
  standin.SetHeadsetPresent(true);
  ASSERT_TRUE(PumpUntil([&] { return Combo()->GetCurSel() == 1 && standin.LastSetting("Harkin_SetEncOnOff") >= 0; },
                        3000));
  EXPECT_LT(GetTickCount() - start, 3000u);
  EXPECT_EQ(factoryLight["Red"].asInt(), HeadsetLight.red);
  EXPECT_EQ(factoryLight["SelectItem"].asInt(), window->Find<CComboUI>(L"hs_deng_combo_modeSelect0")->GetCurSel());
  window->Find<CComboUI>(L"hs_deng_combo_modeSelect0")->SelectItem(3);
  EXPECT_EQ(before, ReadBytes(folder + L"b.json"));
  EXPECT_TRUE(messages.empty());
}

// An index entry that names a file in another device's folder: its row stays, but selecting it and
// changing the lighting neither loads nor writes that file. (The keyboard's folder: the K27's own
// list, running beside, would take a profile file put in its folder as one of its own.)
TEST_F(HeadsetProfileListTest, AnIndexEntryNamingAnotherFolderReachesNoFile) {
  const std::wstring k27 = DeviceProfileFolder(nullptr, L"kb") + L"profile2.json";
  WriteText(k27, "{\"LightInfo\": {\"Red\": 77}}");
  const std::vector<unsigned char> before = ReadBytes(k27);
  WriteIndex({L"a"});
  WriteIniNumber(Index(), L"PROFILECOUNT", L"count", 2);
  WriteIniText(Index(), L"PROFILENAME", L"1", L"..\\kb\\profile2");
  OpenWindow();
  Combo()->SelectItem(1);
  EXPECT_EQ(L"", window->SelectedHeadsetProfilePath());
  EXPECT_NE(77, HeadsetLight.red);
  window->Find<CComboUI>(L"hs_deng_combo_modeSelect0")->SelectItem(3);
  EXPECT_EQ(before, ReadBytes(k27));
  DeleteFileW(k27.c_str());
}
}  // namespace
