#include "headset_k27_voice_names.h"

#include <gtest/gtest.h>

#include "headset_k27_eq.h"
#include "ini_values.h"
#include "test_files.h"

namespace {

class HeadsetK27VoiceNamesTest : public ::testing::Test {
 protected:
  void Profiles(std::initializer_list<const wchar_t*> voiceNames) {
    int i = 0;
    for (const wchar_t* name : voiceNames) WriteIniText(Index(), L"VOICEPROFILENAME", std::to_wstring(i++), name);
    WriteIniNumber(Index(), L"PROFILECOUNT", L"count", i);
  }
  std::wstring Index() const { return HeadsetK27IndexPath(folder.path()); }
  TempFolder folder;
};

TEST_F(HeadsetK27VoiceNamesTest, ACopyOfTwoProfilesIsVoiceprofile2copy) {
  Profiles({L"voiceprofile1", L"voiceprofile2"});
  EXPECT_EQ(L"voiceprofile2copy", HeadsetK27CopyVoiceName(folder.path(), 3));
}

// Profiles 1, 2 and a copy (voiceprofile2copy); the second is deleted, so the next copy would be
// voiceprofile2copy again and share the first copy's equaliser choice.
TEST_F(HeadsetK27VoiceNamesTest, ACopyAfterADeleteGetsANameOfItsOwn) {
  Profiles({L"voiceprofile1", L"VoiceProfile2Copy"});
  EXPECT_EQ(L"voiceprofile2copycopy", HeadsetK27CopyVoiceName(folder.path(), 3));
}

TEST_F(HeadsetK27VoiceNamesTest, ALeftoverFileOfTheNameIsNotReused) {
  Profiles({L"voiceprofile1", L"voiceGame"});
  WriteIniText(folder / L"voiceprofile2copy.ini", L"EQSELECT", L"select", L"5");
  EXPECT_EQ(L"voiceprofile2copycopy", HeadsetK27CopyVoiceName(folder.path(), 3));
}

}  // namespace
