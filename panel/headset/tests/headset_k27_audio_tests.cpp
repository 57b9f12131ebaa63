#include <gtest/gtest.h>

#include <algorithm>

#include "audio_standin_steering.h"
#include "headset_k27_audio_defaults.h"
#include "headset_k27_eq.h"
#include "headset_k27_voice.h"
#include "program_folder.h"

namespace {
constexpr int kOutputStore = 0;
constexpr int kInputStore = 1;

std::vector<std::string> Writes(const std::vector<std::string>& log) {
  std::vector<std::string> writes;
  for (const std::string& line : log)
    if (line.find(", write ") != std::string::npos) writes.push_back(line);
  return writes;
}

// The stand-in library as the pages use it, with the devices the set-up would pick.
class HeadsetK27AudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(loaded);
    standin.Reset();
  }
  void EnsureAllDefaults() {
    for (const HeadsetK27AudioDefault& entry : HeadsetK27AudioDefaults()) EnsureHeadsetK27AudioDefault(properties, entry);
  }

  ConfLibApi api;
  bool loaded = api.Load(ProgramFolder() + L"SDK\\x86\\vista\\osConfLib.dll");
  AudioConfigStandin standin{api.module()};
  ConfLibDeviceRecord output{{0x0100, 1, 0, 1}, 0};
  ConfLibDeviceRecord input{{0x0200, 2, 0, 1}, 0x20000};
  HeadsetK27PropertyBuffers buffers;
  HeadsetK27Properties properties{api, buffers, output, input};
};

TEST_F(HeadsetK27AudioTest, UnreadableStoresGetEveryDefaultInOrder) {
  standin.SetStoreReadable(kOutputStore, false);
  standin.SetStoreReadable(kInputStore, false);
  EnsureAllDefaults();
  std::vector<std::string> expected = {
      "PropertyControl(output, VirtualSurroundEffectControl, write 0, parameter 4 -1 0) = 0",
      "PropertyControl(input, Enable_ENC_LFX, write 0) = 0",
      "PropertyControl(input, VolumeControl, write 0.000000, channel -1) = 0",
      "PropertyControl(output, Enable_EQ_GFX, write 0) = 0",
  };
  for (int band = 1; band <= 10; ++band)
    expected.push_back("PropertyControl(output, EQ_Slider" + std::to_string(band) + ", write 0) = 0");
  for (const char* line : {"PropertyControl(output, Enable_RFX_GFX, write 0) = 0",
                           "PropertyControl(output, RFX_ENVIRONMENT, write 0) = 0",
                           "PropertyControl(output, RFX_ROOMSIZE, write 0) = 0",
                           "PropertyControl(input, MuteControl, write 0) = 0",
                           "PropertyControl(input, VolumeScalarControl, write 0.000000, channel -1) = 0",
                           "PropertyControl(input, AAVolumeControl, write 0.000000, channel 0) = 0",
                           "PropertyControl(input, AAMuteControl, write 0) = 0",
                           "PropertyControl(input, AAVolumeScalarControl, write 0.000000, channel 0) = 0",
                           "PropertyControl(input, Enable_MAGICVOICE, write 0) = 0",
                           "PropertyControl(input, MagicVoice_Selection, write 0) = 0"})
    expected.push_back(line);
  EXPECT_EQ(expected, Writes(standin.CallLog()));
}

TEST_F(HeadsetK27AudioTest, ReadablePropertiesKeepTheirValues) {
  standin.SetProperty(kInputStore, L"MuteControl", nullptr);
  EnsureAllDefaults();
  const std::vector<std::string> expected = {"PropertyControl(input, MuteControl, write 0) = 0"};
  EXPECT_EQ(expected, Writes(standin.CallLog()));
  // The reads went with the forms of the table: the surround parameter and the channels.
  const std::vector<std::string> log = standin.CallLog();
  for (const char* read : {"PropertyControl(output, VirtualSurroundEffectControl, read, parameter 4 -1 0) = 0 0",
                           "PropertyControl(input, Enable_ENC_LFX, read, channel 0) = 0 0",
                           "PropertyControl(input, AAVolumeControl, read, channel 0) = 0 0.000000"})
    EXPECT_NE(log.end(), std::find(log.begin(), log.end(), read)) << read;
}

TEST_F(HeadsetK27AudioTest, TypedReadsAndWritesUseTheirForms) {
  standin.SetProperty(kInputStore, L"VolumeScalarControl", L"0.290000");
  float volume = 0;
  EXPECT_EQ(0, properties.ReadFloat(HeadsetK27Device::Input, L"VolumeScalarControl",
                                    HeadsetK27Second::Channel(kHeadsetK27MicChannel), volume));
  EXPECT_FLOAT_EQ(0.29f, volume);
  standin.SetProperty(kInputStore, L"MagicVoice_Selection", L"7");
  int32_t selection = 0;
  EXPECT_EQ(0, properties.ReadInteger(HeadsetK27Device::Input, L"MagicVoice_Selection", HeadsetK27Second::None(),
                                      selection));
  EXPECT_EQ(7, selection);
  // A failed read leaves the value alone.
  standin.SetProperty(kInputStore, L"MagicVoice_Selection", nullptr);
  EXPECT_NE(0, properties.ReadInteger(HeadsetK27Device::Input, L"MagicVoice_Selection", HeadsetK27Second::None(),
                                      selection));
  EXPECT_EQ(7, selection);

  standin.ClearCallLog();
  properties.WriteFloat(HeadsetK27Device::Input, L"VolumeScalarControl",
                        HeadsetK27Second::Channel(kHeadsetK27MicChannel), 37 / 100.0f);
  properties.WriteInteger(HeadsetK27Device::Input, L"MuteControl", HeadsetK27Second::None(), 1);
  const std::vector<std::string> expected = {
      "PropertyControl(input, VolumeScalarControl, write 0.370000, channel -1) = 0",
      "PropertyControl(input, MuteControl, write 1) = 0"};
  EXPECT_EQ(expected, standin.CallLog());
}

TEST_F(HeadsetK27AudioTest, ABuiltInPresetEnablesTheEqualiserThenWritesTheBandsInOrder) {
  WriteHeadsetK27EqValues(properties, HEADSET_K27_EQ_PRESETS[3]);
  std::vector<std::string> expected = {"PropertyControl(output, Enable_EQ_GFX, write 1) = 0"};
  const int bands[] = {2, 1, -2, -3, -5, -7, 0, 4, 9, 8};
  for (int band = 0; band < 10; ++band)
    expected.push_back("PropertyControl(output, EQ_Slider" + std::to_string(band + 1) + ", write " +
                       std::to_string(bands[band]) + ") = 0");
  EXPECT_EQ(expected, Writes(standin.CallLog()));
}

TEST(HeadsetK27AudioWithoutLibrary, CallsAreSkipped) {
  ConfLibApi api;
  ConfLibDeviceRecord output{}, input{};
  HeadsetK27PropertyBuffers buffers;
  HeadsetK27Properties properties(api, buffers, output, input);
  std::wstring text = L"kept";
  EXPECT_EQ(kAudioCallSkipped, properties.ReadText(HeadsetK27Device::Input, L"MuteControl", {}, text));
  EXPECT_EQ(L"kept", text);
  EXPECT_EQ(kAudioCallSkipped, properties.WriteInteger(HeadsetK27Device::Input, L"MuteControl", {}, 1));
}

}  // namespace

namespace {
TEST_F(HeadsetK27AudioTest, TheVoiceRefreshReadsWhatTheDeviceCanTell) {
  struct Case {
    const char* what;
    std::vector<std::pair<const wchar_t*, const wchar_t*>> inputProperties;  // null text: unreadable
    int32_t featureMask;
    HeadsetK27VoiceReadings expected;
  } cases[] = {
      {"every value, 0.29 rounded, selection 7 shows option 0",
       {{L"MuteControl", L"1"}, {L"VolumeScalarControl", L"0.290000"}, {L"AAMuteControl", L"0"},
        {L"AAVolumeScalarControl", L"0.555000"}, {L"Enable_MAGICVOICE", L"1"}, {L"MagicVoice_Selection", L"7"}},
       0x20000, {1, 29, 0, 56, true, 0}},
      {"no monitor without its maximum",
       {{L"GetAAMaxVol", nullptr}, {L"MagicVoice_Selection", L"2"}}, 0x20000, {0, 50, {}, {}, false, 2}},
      {"no magic voice in the feature mask, whatever the property holds",
       {{L"Enable_MAGICVOICE", L"1"}, {L"MagicVoice_Selection", L"3"}}, 0x10000, {0, 50, 0, 50, false, 3}},
      {"failed reads leave their values out",
       {{L"MuteControl", nullptr}, {L"VolumeScalarControl", nullptr}, {L"Enable_MAGICVOICE", nullptr},
        {L"MagicVoice_Selection", nullptr}},
       0x20000, {{}, {}, 0, 50, false, {}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    standin.Reset();
    for (const auto& [name, text] : c.inputProperties) standin.SetProperty(kInputStore, name, text);
    input.featureMask = c.featureMask;
    const HeadsetK27VoiceReadings readings = ReadHeadsetK27Voice(properties);
    EXPECT_EQ(c.expected.micMuted, readings.micMuted);
    EXPECT_EQ(c.expected.micVolume, readings.micVolume);
    EXPECT_EQ(c.expected.monitorMuted, readings.monitorMuted);
    EXPECT_EQ(c.expected.monitorVolume, readings.monitorVolume);
    EXPECT_EQ(c.expected.magicVoiceOn, readings.magicVoiceOn);
    EXPECT_EQ(c.expected.magicVoiceOption, readings.magicVoiceOption);
  }
}

TEST(HeadsetK27VolumePosition, RoundsInsteadOfTruncating) {
  EXPECT_EQ(29, HeadsetK27VolumePosition(0.29f));
  EXPECT_EQ(28, HeadsetK27VolumePosition(0.284f));
  EXPECT_EQ(100, HeadsetK27VolumePosition(1.0f));
  EXPECT_EQ(0, HeadsetK27VolumePosition(0.0f));
}
}  // namespace
