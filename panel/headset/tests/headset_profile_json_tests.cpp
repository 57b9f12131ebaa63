#include "headset_profile_json.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>

#include "profile_store.h"
#include "test_files.h"

namespace {
Json::Value Parse(const std::string& text) {
  TempFolder folder;
  WriteText(folder / L"p.json", text);
  return ReadJsonFile(folder / L"p.json");
}

// Records filled with a pattern, so "left as it was" shows.
HeadsetLightSettings PatternLight() {
  HeadsetLightSettings light;
  memset(&light, 0x01, sizeof light);
  return light;
}
HeadsetVoiceState PatternVoice() {
  HeadsetVoiceState voice;
  memset(&voice, 0x01, sizeof voice);
  return voice;
}

TEST(HeadsetProfileJson, HostileFilesLoadInRangeOrNotAtAll) {
  const HeadsetLightSettings kLight = PatternLight();
  const HeadsetVoiceState kVoice = PatternVoice();
  struct Case {
    const char* name;
    const char* text;
    std::function<void(const HeadsetLightSettings&, const HeadsetVoiceState&)> check;
  } cases[] = {
      {"root is an array", "[1,2]",
       [&](const HeadsetLightSettings& l, const HeadsetVoiceState& v) {
         EXPECT_EQ(0, memcmp(&kLight, &l, sizeof l));
         EXPECT_EQ(0, memcmp(&kVoice, &v, sizeof v));
       }},
      {"objects of the wrong type", R"({"LightInfo": "red", "VoiceInfo": [1]})",
       [&](const HeadsetLightSettings& l, const HeadsetVoiceState& v) {
         EXPECT_EQ(0, memcmp(&kLight, &l, sizeof l));
         EXPECT_EQ(0, memcmp(&kVoice, &v, sizeof v));
       }},
      {"members of the wrong type read 0",
       R"({"LightInfo": {"Red": "300", "Green": {}, "Blue": [1], "Light": 2, "MultiColor": "yes"},
           "VoiceInfo": {"master": "loud", "left": 40, "disvalue": "far", "eqinfo": {"3d": 1},
                         "Anvalue": [{"value": 9}, 3, null]}})",
       [&](const HeadsetLightSettings& l, const HeadsetVoiceState& v) {
         EXPECT_EQ(0, l.red + l.green + l.blue + l.multicolour);
         EXPECT_EQ(2, l.brightness);
         EXPECT_EQ(0, v.master);
         EXPECT_EQ(40, v.left);
         for (int i = 0; i < 8; ++i) EXPECT_EQ(0, v.distance[i]) << i;
         EXPECT_EQ(9, v.angle[0]);
         for (int i = 1; i < 8; ++i) EXPECT_EQ(0, v.angle[i]) << i;
         EXPECT_EQ(0, v.scenes[0].threeD);
       }},
      {"colours keep their low eight bits, any number turns multicolour on",
       R"({"LightInfo": {"Red": 300, "Green": -1, "Blue": 7.9, "MultiColor": 5}})",
       [&](const HeadsetLightSettings& l, const HeadsetVoiceState& v) {
         EXPECT_EQ(44, l.red);
         EXPECT_EQ(255, l.green);
         EXPECT_EQ(7, l.blue);
         EXPECT_EQ(1, l.multicolour);
         EXPECT_EQ(0, memcmp(&kVoice, &v, sizeof v)) << "no VoiceInfo: the voice record stays";
       }},
      {"indexes are bounded",
       R"({"LightInfo": {"SelectItem": 9, "Light": 7, "Speed": 200, "Direction": 3},
           "VoiceInfo": {"distance": 12, "eqselect": -1, "enc": 4}})",
       [&](const HeadsetLightSettings& l, const HeadsetVoiceState& v) {
         EXPECT_EQ(3, l.mode);
         EXPECT_EQ(4, l.brightness);
         EXPECT_EQ(4, l.speed);
         EXPECT_EQ(1, l.direction);
         EXPECT_EQ(7, v.selectedSpeaker);
         EXPECT_EQ(0, v.selectedScene);
         EXPECT_EQ(1, v.noiseCancelling);
       }},
      {"true and false read as 1 and 0",
       R"({"LightInfo": {"MultiColor": true, "Direction": true, "SelectItem": true, "Red": false},
           "VoiceInfo": {"enc": true, "virtual": true, "micvol": false, "eqinfo": [{"3d": true}]}})",
       [&](const HeadsetLightSettings& l, const HeadsetVoiceState& v) {
         EXPECT_EQ(1, l.multicolour);
         EXPECT_EQ(1, l.direction);
         EXPECT_EQ(1, l.mode);
         EXPECT_EQ(0, l.red);
         EXPECT_EQ(1, v.noiseCancelling);
         EXPECT_EQ(1, v.virtualOn);
         EXPECT_EQ(0, v.micVolume);
         EXPECT_EQ(1, v.scenes[0].threeD);
       }},
      {"missing members read 0", R"({"LightInfo": {"Speed": 2}, "VoiceInfo": {"micvol": 30}})",
       [&](const HeadsetLightSettings& l, const HeadsetVoiceState& v) {
         EXPECT_EQ(2, l.speed);
         EXPECT_EQ(0, l.mode + l.red + l.brightness);
         EXPECT_EQ(kLight.breathWheelIndex, l.breathWheelIndex) << "not stored in files";
         EXPECT_EQ(30, v.micVolume);
         EXPECT_EQ(0, v.master + v.distance[3] + v.scenes[5].bands[7]);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HeadsetLightSettings light = kLight;
    HeadsetVoiceState voice = kVoice;
    const Json::Value root = Parse(c.text);
    ReadHeadsetLightInfo(root, light);
    ReadHeadsetVoiceInfo(root.isObject() ? root["VoiceInfo"] : Json::Value(), voice);
    c.check(light, voice);
  }
}

// A profile file that is there but unreadable is left as it is and the factory tree stands in for
// it, at once even for 20 MB (the detection thread loads profiles); a missing file reads null.
TEST(HeadsetProfileLoad, AnUnreadableProfileGivesTheFactoryTreeAndStaysAsItIs) {
  TempFolder folder;
  const std::wstring factory = folder / L"factory.json", path = folder / L"profile1.json";
  WriteText(factory, R"({"LightInfo": {"Red": 7}})");
  const struct {
    const char* what;
    std::string text;
  } cases[] = {
      {"nested brackets", std::string(1024, '[') + std::string(1024, ']')},
      {"20 MB", R"({"LightInfo": {"Red": 1}})" + std::string(20 << 20, ' ')},
      {"not UTF-8", "{\"LightInfo\": {\"Red\": 1}, \"name\": \"caf\xE9\"}"},
      {"not JSON", "{"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteText(path, c.text);
    const std::vector<unsigned char> before = ReadBytes(path);
    const DWORD start = GetTickCount();
    const Json::Value root = ReadHeadsetProfileOrFactory(path, factory);
    EXPECT_LT(GetTickCount() - start, 1000u);
    EXPECT_EQ(7, root["LightInfo"]["Red"].asInt());
    EXPECT_FALSE(SaveHeadsetLightInfo(path, HeadsetLightSettings{})) << "never saved over";
    EXPECT_EQ(before, ReadBytes(path));
  }
  DeleteFileW(path.c_str());
  EXPECT_TRUE(ReadHeadsetProfileOrFactory(path, factory).isNull());
}

class HeadsetProfileSave : public ::testing::Test {
 protected:
  TempFolder folder;
  std::wstring path = folder / L"profile1.json";
};

TEST_F(HeadsetProfileSave, LightSaveRewritesLightInfoOnlyAndWritesMulticolourAsOne) {
  WriteText(path, R"({"Extra": {"keep": true}, "VoiceInfo": {"master": 12, "own": "x"},
                      "LightInfo": {"Red": 1, "Comment": "mine"}})");
  HeadsetLightSettings light{2, 3, 1, 1, 5, 10, 20, 30, 99};
  ASSERT_TRUE(SaveHeadsetLightInfo(path, light));

  const Json::Value saved = ReadJsonFile(path);
  EXPECT_EQ(Parse(R"({"keep": true})"), saved["Extra"]);
  EXPECT_EQ(Parse(R"({"master": 12, "own": "x"})"), saved["VoiceInfo"]);
  EXPECT_EQ(Parse(R"({"Red": 10, "Green": 20, "Blue": 30, "Light": 3, "MultiColor": 1,
                      "SelectItem": 2, "Speed": 1, "Direction": 1, "Comment": "mine"})"),
            saved["LightInfo"]);
}

TEST_F(HeadsetProfileSave, VoiceSaveCompletesAMissingOrWronglyTypedVoiceInfo) {
  for (const char* text : {R"({"LightInfo": {"Red": 4}})",
                           R"({"LightInfo": {"Red": 4}, "VoiceInfo": {"disvalue": 3, "eqinfo": [7]}})"}) {
    SCOPED_TRACE(text);
    WriteText(path, text);
    HeadsetVoiceState voice{};
    voice.distance[7] = 70;
    voice.angle[2] = 25;
    voice.scenes[5].bands[7] = -12;
    voice.scenes[0].threeD = 1;
    ASSERT_TRUE(SaveHeadsetVoiceInfo(path, voice));

    const Json::Value saved = ReadJsonFile(path);
    EXPECT_EQ(4, saved["LightInfo"]["Red"].asInt());
    HeadsetVoiceState loaded = PatternVoice();
    ReadHeadsetVoiceInfo(saved["VoiceInfo"], loaded);
    EXPECT_EQ(0, memcmp(&voice, &loaded, sizeof voice));
    EXPECT_EQ(8u, saved["VoiceInfo"]["Anvalue"].size());
    EXPECT_EQ(6u, saved["VoiceInfo"]["eqinfo"].size());
  }
}

TEST_F(HeadsetProfileSave, ARootOfTheWrongTypeIsReplaced) {
  WriteText(path, "[1,2]");
  ASSERT_TRUE(SaveHeadsetLightInfo(path, HeadsetLightSettings{1, 2, 3, 0, 0, 4, 5, 6, 0}));
  HeadsetLightSettings loaded{};
  ReadHeadsetLightInfo(ReadJsonFile(path), loaded);
  EXPECT_EQ(4, loaded.red);
  EXPECT_TRUE(IsHeadsetProfile(ReadJsonFile(path)));
}

TEST_F(HeadsetProfileSave, MissingOrUnparsableFileIsNeverWritten) {
  EXPECT_FALSE(SaveHeadsetLightInfo(path, HeadsetLightSettings{}));
  EXPECT_FALSE(PathExists(path));
  WriteText(path, "{\"LightInfo\": ");
  EXPECT_FALSE(SaveHeadsetVoiceInfo(path, HeadsetVoiceState{}));
  EXPECT_EQ(14u, ReadBytes(path).size());
}

TEST_F(HeadsetProfileSave, AReadOnlyFileIsReportedAndLeftAsItIs) {
  WriteText(path, "{\"LightInfo\": {\"Red\": 3}}");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  const std::vector<unsigned char> before = ReadBytes(path);
  EXPECT_FALSE(SaveHeadsetLightInfo(path, HeadsetLightSettings{}));
  EXPECT_EQ(before, ReadBytes(path));
}

TEST(HeadsetProfileImportCheck, AcceptsOnlyAnObjectWithALightInfoObject) {
  EXPECT_TRUE(IsHeadsetProfile(Parse(R"({"LightInfo": {}})")));
  for (const char* text : {"[1,2]", "5", R"({"VoiceInfo": {}})", R"({"LightInfo": [1]})"}) {
    EXPECT_FALSE(IsHeadsetProfile(Parse(text))) << text;
  }
  EXPECT_FALSE(IsHeadsetProfile(Json::Value()));
}
}  // namespace
