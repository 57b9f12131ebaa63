#include "audio_control_library.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include "audio_standin_steering.h"
#include "diagnostics.h"
#include "audio_test_helpers.h"

namespace {
const wchar_t* const kLibrary = L"Harkin_UsbAudio73xx_x32.dll";

// What Wine reports as the process's committed memory: its pages in use, so storage counts once
// it is written to.
SIZE_T CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;
}

std::vector<std::string> Lines(std::initializer_list<const char*> lines) {
  return std::vector<std::string>(lines.begin(), lines.end());
}

TEST(AudioControlLibraryLoader, ResultNamesTheFirstMissingEntryPoint) {
  struct Case {
    const wchar_t* file;
    int result;
    const char* debugText;
    bool laterEntriesResolved;  // position 66 (Harkin_SetMicVolume) reaches the library
  } cases[] = {
      {kLibrary, 0, "", true},
      {L"audio_control_without_2.dll", 3, "", false},
      {L"audio_control_without_3.dll", 4, "***** Harkin_CheckDriver *****\n", false},
      {L"audio_control_without_4.dll", 5, "***** Harkin_CheckDriverEx *****\n", false},
      {L"audio_control_without_252.dll", 253, "***** Harkin_PWM_GetRGB_Color_ById *****\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.file));
    DebugLogCapture debug;
    AudioControlLibraryLoader loader;
    EXPECT_EQ(c.result, loader.Load(c.file));
    EXPECT_EQ(c.debugText, debug.Text());

    AudioControlStandin standin(GetModuleHandleW(c.file));
    standin.Reset();
    EXPECT_EQ(c.laterEntriesResolved ? 0 : kAudioCallSkipped, loader.Harkin_SetMicVolume(37));
    EXPECT_EQ(c.laterEntriesResolved ? Lines({"Harkin_SetMicVolume(37)"}) : Lines({}),
              standin.CallLog());
  }
}

TEST(AudioControlLibraryLoader, MissingLibraryShowsTheSystemTextAndSkipsEveryCall) {
  MessageBoxRecorder recorder;
  AudioControlLibraryLoader loader;
  EXPECT_EQ(1, loader.Load(L"no_such_audio_library.dll"));

  ASSERT_EQ(1u, recorder.boxes.size());
  const MessageBoxRequest& box = recorder.boxes[0];
  EXPECT_EQ(nullptr, box.owner);
  EXPECT_EQ(L"Error", box.caption);
  EXPECT_EQ(static_cast<UINT>(MB_OK), box.type);
  const std::wstring prefix = L"error 126: ";
  EXPECT_EQ(prefix, box.text.substr(0, prefix.size()));
  EXPECT_GT(box.text.size(), prefix.size() + 2) << "the system's text for the code follows";

  // The detection's zeroed list stays zero, so the headset reads as absent.
  PresentDeviceList list{};
  EXPECT_EQ(kAudioCallSkipped, loader.Harkin_Search_Present_Device(&list));
  EXPECT_FALSE(ListsFirstHeadset(list));
  unsigned char value = 2;
  EXPECT_EQ(kAudioCallSkipped, loader.Harkin_Write_I2C_ById(0x11, 0x23, &value, 1, 1000, 0));
}

// The stand-in behaves as a plausible headset behind the entry points the panel calls.
class AudioControlStandinDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(0, loadResult);
    standin.Reset();
  }

  AudioControlLibraryLoader loader;
  int loadResult = loader.Load(kLibrary);
  AudioControlStandin standin{GetModuleHandleW(kLibrary)};
};

TEST_F(AudioControlStandinDevice, ListsTheHeadsetWhilePresent) {
  PresentDeviceList list{};
  loader.Harkin_Search_Present_Device(&list);
  EXPECT_EQ(1, list.count);
  EXPECT_TRUE(ListsFirstHeadset(list));

  standin.SetHeadsetPresent(false);
  list = PresentDeviceList{};
  loader.Harkin_Search_Present_Device(&list);
  EXPECT_EQ(0, list.count);
  EXPECT_FALSE(ListsFirstHeadset(list));
}

TEST_F(AudioControlStandinDevice, EachLedControllerHasItsOwnRegisters) {
  unsigned char red = 0x7F, blue = 0x33;
  EXPECT_EQ(0, loader.Harkin_Write_I2C_ById(0x11, 0x20, &red, 1, 1000, 0));
  EXPECT_EQ(0, loader.Harkin_Write_I2C_ById(0x22, 0x22, &blue, 1, 1000, 0));
  EXPECT_NE(0, loader.Harkin_Write_I2C_ById(0x33, 0x20, &red, 1, 1000, 0));
  EXPECT_EQ(0x7F, standin.I2CRegister(0x11, 0x20));
  EXPECT_EQ(0x00, standin.I2CRegister(0x22, 0x20));
  EXPECT_EQ(0x33, standin.I2CRegister(0x22, 0x22));

  standin.SetHeadsetPresent(false);
  EXPECT_NE(0, loader.Harkin_Write_I2C_ById(0x11, 0x20, &blue, 1, 1000, 0));
  EXPECT_EQ(0x7F, standin.I2CRegister(0x11, 0x20));

  EXPECT_EQ(Lines({"Harkin_Write_I2C_ById(0x11, 0x20, [7F], 1, 1000, 0)",
                   "Harkin_Write_I2C_ById(0x22, 0x22, [33], 1, 1000, 0)",
                   "Harkin_Write_I2C_ById(0x33, 0x20, [7F], 1, 1000, 0)",
                   "Harkin_Write_I2C_ById(0x11, 0x20, [33], 1, 1000, 0)"}),
            standin.CallLog());
}

TEST_F(AudioControlStandinDevice, LogsEverySettingWithItsArguments) {
  Virtual7ch1Params params{};
  params.distance[0] = 0.5f;
  params.angle[7] = 6.25f;
  loader.Harkin_SetSpeakerChannelVolume(40, 60);
  loader.Harkin_SetSpeakerMasterVolume(80);
  loader.Harkin_SetVirtual7ch1(&params);
  loader.Harkin_SetVirtual7ch1_OnOff(1);
  loader.Harkin_SetSoundField(3);
  loader.Harkin_SetSoundField_OnOff(1);
  loader.Harkin_Config3D_ById(0);
  loader.Harkin_Set3D_OnOff_ById(1, 0);
  loader.Harkin_SetEncOnOff(0);
  loader.Harkin_SetMagicSoundOnOff(1);
  loader.Harkin_SetMagicSound_Level(-6);
  EXPECT_EQ(Lines({"Harkin_SetSpeakerChannelVolume(40, 60)", "Harkin_SetSpeakerMasterVolume(80)",
                   "Harkin_SetVirtual7ch1(0; distance 0.5 0 0 0 0 0 0 0; angle 0 0 0 0 0 0 0 6.25)",
                   "Harkin_SetVirtual7ch1_OnOff(1)", "Harkin_SetSoundField(3)",
                   "Harkin_SetSoundField_OnOff(1)", "Harkin_Config3D_ById(0)",
                   "Harkin_Set3D_OnOff_ById(1, 0)", "Harkin_SetEncOnOff(0)",
                   "Harkin_SetMagicSoundOnOff(1)", "Harkin_SetMagicSound_Level(-6)"}),
            standin.CallLog());
}
// A polling thread of a long run logs without end: the log keeps the newest whole lines in storage
// of a fixed size, so a log that is full commits nothing more however long it goes on. (Measured
// over a second fill: the first one also meets the process's own first-use allocations.)
TEST_F(AudioControlStandinDevice, CallLogKeepsTheNewestLinesWithoutGrowing) {
  constexpr int kCalls = 60000;  // about 1.4 MB of lines, past the log's size
  for (int volume = 0; volume < kCalls; ++volume) loader.Harkin_SetMicVolume(volume);
  const SIZE_T before = CommittedBytes();
  for (int volume = 0; volume < kCalls; ++volume) loader.Harkin_SetMicVolume(volume);
  EXPECT_LT(CommittedBytes(), before + 256 * 1024);

  const std::vector<std::string> log = standin.CallLog();
  ASSERT_FALSE(log.empty());
  EXPECT_LT(log.size(), static_cast<size_t>(kCalls));
  EXPECT_EQ("Harkin_SetMicVolume(" + std::to_string(kCalls - 1) + ")", log.back());
  const int first = kCalls - static_cast<int>(log.size());
  EXPECT_EQ("Harkin_SetMicVolume(" + std::to_string(first) + ")", log.front()) << "whole lines, none lost between";
}
}  // namespace
