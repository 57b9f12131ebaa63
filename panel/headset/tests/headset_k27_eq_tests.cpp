#include "headset_k27_eq.h"

#include <gtest/gtest.h>

#include "ini_values.h"
#include "test_files.h"

namespace {

class HeadsetK27EqFilesTest : public ::testing::Test {
 protected:
  std::wstring Index() const { return HeadsetK27IndexPath(folder.path()); }
  TempFolder folder;
};

TEST_F(HeadsetK27EqFilesTest, TheProfilesFilesAreFoundThroughTheSelectedProfile) {
  EXPECT_EQ(folder / L"0.json", HeadsetK27ProfilePath(folder.path())) << "no index file: both entries read 0";
  WriteIniText(Index(), L"PROFILENAME", L"1", L"Game");
  WriteIniText(Index(), L"VOICEPROFILENAME", L"0", L"voiceprofile1");
  WriteIniText(Index(), L"VOICEPROFILENAME", L"1", L"voiceGame");
  WriteIniNumber(Index(), L"PROFILESELECT", L"select", 1);
  EXPECT_EQ(folder / L"Game.json", HeadsetK27ProfilePath(folder.path()));
  const std::wstring voice = HeadsetK27VoiceIniPath(folder.path());
  EXPECT_EQ(folder / L"voiceGame.ini", voice);
  EXPECT_EQ(L"0", ReadHeadsetK27EqSelect(voice));  // missing file
  WriteHeadsetK27EqSelect(voice, 12);
  WriteHeadsetK27EqSelectName(voice, L"Bass");
  EXPECT_EQ(L"12", ReadHeadsetK27EqSelect(voice));
  EXPECT_EQ(L"Bass", ReadHeadsetK27EqSelectName(voice));
}

// Entries that name files of the keyboard's folder or of the other headset's: the paths built from
// them are refused, so the equaliser choice and the light saves write nothing there.
TEST_F(HeadsetK27EqFilesTest, StoredNamesThatLeaveTheFolderGiveNoPath) {
  const std::wstring k27 = folder / L"headK27\\", kb = folder / L"kb\\";
  CreateDirectoryW(k27.c_str(), nullptr);
  CreateDirectoryW(kb.c_str(), nullptr);
  WriteText(kb + L"kbProfile.ini", "[PROFILECOUNT]\r\ncount=1\r\n");
  const std::vector<unsigned char> keyboardIndex = ReadBytes(kb + L"kbProfile.ini");
  const std::wstring index = HeadsetK27IndexPath(k27);
  WriteIniText(index, L"PROFILENAME", L"0", L"..\\head\\profile2");
  WriteIniText(index, L"VOICEPROFILENAME", L"0", L"..\\kb\\kbProfile");
  WriteIniNumber(index, L"PROFILESELECT", L"select", 0);
  EXPECT_EQ(L"", HeadsetK27ProfilePath(k27));
  EXPECT_EQ(L"", HeadsetK27VoiceIniPath(k27));
  EXPECT_EQ(L"", HeadsetK27EqPresetPath(k27, L"..\\..\\escaped"));
  WriteHeadsetK27EqSelect(HeadsetK27VoiceIniPath(k27), 5);
  EXPECT_EQ(L"0", ReadHeadsetK27EqSelect(HeadsetK27VoiceIniPath(k27)));
  EXPECT_EQ(keyboardIndex, ReadBytes(kb + L"kbProfile.ini"));
}

TEST_F(HeadsetK27EqFilesTest, RewritingTheRegisterDropsStaleEntriesAndKeepsOtherKeys) {
  WriteIniNumber(Index(), L"PROFILECOUNT", L"count", 2);
  WriteHeadsetK27UserEqPresets(Index(), {L"Bass", L"Voice", L"Rock"});
  WriteHeadsetK27UserEqPresets(Index(), {L"Bass", L"Rock"});
  EXPECT_EQ((std::vector<std::wstring>{L"Bass", L"Rock"}), ReadHeadsetK27UserEqPresets(Index()));
  EXPECT_EQ(L"missing", ReadIniText(Index(), L"EQINDEX", L"2", L"missing"));
  EXPECT_EQ(2, ReadIniNumber(Index(), L"PROFILECOUNT", L"count"));
  EXPECT_EQ(1, FindHeadsetK27UserEqPreset(ReadHeadsetK27UserEqPresets(Index()), L"rOCK"));
  EXPECT_EQ(-1, FindHeadsetK27UserEqPreset(ReadHeadsetK27UserEqPresets(Index()), L"Roc"));
}

TEST_F(HeadsetK27EqFilesTest, AHostileCountIsReadOnlyAsFarAsTheBound) {
  WriteIniText(Index(), L"EQCOUNT", L"count", L"2000000000");
  EXPECT_EQ(static_cast<size_t>(kHeadsetK27MaxUserEqPresets), ReadHeadsetK27UserEqPresets(Index()).size());
  WriteIniText(Index(), L"EQCOUNT", L"count", L"-5");
  EXPECT_TRUE(ReadHeadsetK27UserEqPresets(Index()).empty());
}

TEST_F(HeadsetK27EqFilesTest, PresetFilesRoundTripAndAMissingOneIsTenZeros) {
  const HeadsetK27EqValues values = {-20, -3, 0, 4, 20, 1, 2, 3, 4, 5};
  const std::wstring path = HeadsetK27EqPresetPath(folder.path(), L"Bass");
  EXPECT_EQ(folder / L"Bass.ini", path);
  ASSERT_TRUE(WriteHeadsetK27EqPresetFile(path, values));
  EXPECT_EQ(values, ReadHeadsetK27EqPresetFile(path));
  EXPECT_EQ(HeadsetK27EqValues{}, ReadHeadsetK27EqPresetFile(folder / L"Gone.ini"));
}

TEST_F(HeadsetK27EqFilesTest, PresetNamesMustBeUsableAndFree) {
  WriteIniText(folder / L"voiceprofile1.ini", L"EQSELECT", L"select", L"3");
  const std::vector<std::wstring> presets = {L"Bass"};
  struct Case {
    const wchar_t* name;
    HeadsetK27PresetName verdict;
  } cases[] = {
      {L"Rock", HeadsetK27PresetName::Usable},
      {L"", HeadsetK27PresetName::Unusable},
      {L"a/b", HeadsetK27PresetName::Unusable},
      {L"..", HeadsetK27PresetName::Unusable},
      {L"Loud.", HeadsetK27PresetName::Unusable},
      {L"bASS", HeadsetK27PresetName::Taken},
      // Saving these would write over the index file or a profile's voice INI.
      {L"hsK27Profile", HeadsetK27PresetName::Taken},
      {L"VoiceProfile1", HeadsetK27PresetName::Taken},
      // Names that a profile's voice INI takes once that profile is added or copied.
      {L"voiceprofile3", HeadsetK27PresetName::Taken},
      {L"VOICEPROFILE12copyCopy", HeadsetK27PresetName::Taken},
      {L"voiceprofile", HeadsetK27PresetName::Usable},
      {L"voiceprofile3 copy", HeadsetK27PresetName::Usable},
      {L"voiceprofile3copyx", HeadsetK27PresetName::Usable},
      // An index file reads these back as "Bass" and "Rock".
      {L" Bass", HeadsetK27PresetName::Unusable},
      {L"'Rock'", HeadsetK27PresetName::Unusable},
  };
  WriteIniNumber(Index(), L"PROFILECOUNT", L"count", 1);
  for (const Case& c : cases)
    EXPECT_EQ(c.verdict, CheckHeadsetK27PresetName(folder.path(), presets, c.name)) << c.name;
}

}  // namespace
