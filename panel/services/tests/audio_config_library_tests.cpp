#include "audio_config_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

#include "audio_standin_steering.h"
#include "audio_test_helpers.h"
#include "diagnostics.h"
#include "program_folder.h"

namespace {
constexpr int kOutputStore = 0;
constexpr int kInputStore = 1;

TEST(SplitString, DropsEmptyPieces) {
  using Pieces = std::vector<std::wstring>;
  struct Case {
    const wchar_t* text;
    Pieces pieces;
  } cases[] = {
      {L"131072,0,1,2,3,4,5", {L"131072", L"0", L"1", L"2", L"3", L"4", L"5"}},
      {L"1,,2", {L"1", L"2"}},
      {L",,a,;b;,", {L"a", L"b"}},
      {L"single", {L"single"}},
      {L"", {}},
      {L",;,", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.pieces, SplitString(c.text, L",;")) << ToUtf8(c.text);
}

// The library loaded straight from the test program's folder, with the stand-in reset.
class ConfLibBridge : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(loaded);
    standin.Reset();
  }

  ConfLibApi api;
  bool loaded = api.Load(ProgramFolder() + L"SDK\\x86\\vista\\osConfLib.dll");
  AudioConfigStandin standin{api.module()};
  ConfLibDeviceRecord output{};
  ConfLibDeviceRecord input{};
  MessageBoxRecorder recorder;
};

TEST_F(ConfLibBridge, PicksOutputByTypePreferenceAndInputOfType2) {
  struct Case {
    const char* what;
    std::vector<ConfLibDevice> outputs, inputs;
    uint32_t pickedOutput, pickedInput;  // first word of the pick, 0 for none
  } cases[] = {
      {"type 1 wins over an earlier type 12", {{11, 12, 0, 1}, {12, 1, 0, 1}}, {}, 12, 0},
      {"type 1 with state 0 falls through to 12",
       {{21, 1, 0, 0}, {22, 4, 0, 1}, {23, 7, 0, 1}, {24, 12, 0, 1}}, {}, 24, 0},
      {"then 7 before 4", {{31, 4, 0, 1}, {32, 7, 0, 1}}, {}, 32, 0},
      {"no output of state 1", {{41, 1, 0, 0}, {42, 3, 0, 1}}, {}, 0, 0},
      {"input of type 2 whatever its state", {}, {{51, 1, 0, 1}, {52, 2, 0, 0}, {53, 2, 0, 1}}, 0,
       52},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    standin.SetDeviceList(kConfLibOutputList, c.outputs);
    standin.SetDeviceList(kConfLibInputList, c.inputs);
    output.Clear();
    input.Clear();
    SelectConfLibDevices(api, output, input);
    EXPECT_EQ(c.pickedOutput, output.device.firstWord);
    EXPECT_EQ(c.pickedInput, input.device.firstWord);
  }
}

TEST_F(ConfLibBridge, FeatureMaskFromTheSupportFeatureText) {
  struct Case {
    const wchar_t* text;  // null: the property cannot be read
    int32_t mask;
    bool failureBox;
  } cases[] = {
      {L"131072,0,0,0,0,0,0", 0x20000, false},
      {L"5,1,2,3,4,5,6,7", 5, false},
      {L"131072,0,0,0,0,0", 0, true},   // six fields
      {L"131072,0,,0,0,0,0", 0, true},  // an empty field is not counted
      {nullptr, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text ? ToUtf8(c.text) : "unreadable");
    standin.SetProperty(kInputStore, L"GetSupportFeature", c.text);
    recorder.boxes.clear();
    input.Clear();
    SelectConfLibDevices(api, output, input);
    EXPECT_EQ(c.mask, input.featureMask);
    ASSERT_EQ(c.failureBox ? 1u : 0u, recorder.boxes.size());
    if (c.failureBox) {
      EXPECT_EQ(L"UpdateAPOAvailable failed!", recorder.boxes[0].text);
    }
  }
}

TEST_F(ConfLibBridge, EmptyListsLeaveTheRecordsEmptyAndUnqueried) {
  standin.SetDeviceList(kConfLibOutputList, {});
  standin.SetDeviceList(kConfLibInputList, {});
  SelectConfLibDevices(api, output, input);
  EXPECT_EQ(0, output.device.type);
  EXPECT_EQ(0, input.device.type);
  for (const std::string& call : standin.CallLog())
    EXPECT_EQ(std::string::npos, call.find("PropertyControl")) << call;
}

// The demo's device set reaches the stand-in through the environment at its load (or reset) and
// through its steering when the headset is plugged later.
TEST_F(ConfLibBridge, StandinReportsTheHeadsetOnlyWhilePresent) {
  auto outputs = [&] {
    int32_t count = -1;
    api.GetDeviceCount(kConfLibOutputList, &count);
    return count;
  };
  SetEnvironmentVariableW(L"STANDIN_K27", L"absent");
  standin.Reset();
  SetEnvironmentVariableW(L"STANDIN_K27", nullptr);
  EXPECT_EQ(0, outputs()) << "absent at load";
  standin.SetHeadsetPresent(true);
  EXPECT_EQ(1, outputs()) << "plugged later";
  standin.SetHeadsetPresent(false);
  EXPECT_EQ(0, outputs()) << "unplugged";
  standin.Reset();
  EXPECT_EQ(1, outputs()) << "present at load";
}

TEST_F(ConfLibBridge, StandinKeepsPropertiesInTheirValueForms) {
  ConfLibDevice capture{0x0200, 2, 0, 1};
  std::vector<unsigned char> value(1024), channel(1024);
  void* valueAddress = value.data();
  void* channelAddress = channel.data();
  auto write = [&](const wchar_t* name, const void* bytes, bool withChannel) {
    std::fill(value.begin(), value.end(), 0);
    memcpy(value.data(), bytes, 4);
    return api.PropertyControl(capture, name, &valueAddress, withChannel ? &channelAddress : nullptr, 1);
  };
  const int32_t muted = 1, minusOne = -1;
  const float volume = 0.37f;
  memcpy(channel.data(), &minusOne, 4);

  EXPECT_EQ(0, write(L"MuteControl", &muted, false));
  EXPECT_EQ(0, write(L"VolumeScalarControl", &volume, true));
  EXPECT_NE(0, write(L"GetAAMaxVol", &muted, false)) << "read only";
  std::wstring text;
  EXPECT_EQ(0, api.ReadPropertyText(capture, L"VolumeScalarControl", &channelAddress, text));
  EXPECT_EQ(L"0.370000", text);
  EXPECT_EQ(0, api.ReadPropertyText(capture, L"MuteControl", nullptr, text));
  EXPECT_EQ(L"1", text);

  standin.SetProperty(kInputStore, L"MuteControl", nullptr);
  text = L"kept";
  EXPECT_NE(0, api.ReadPropertyText(capture, L"MuteControl", nullptr, text));
  EXPECT_EQ(L"kept", text);
  EXPECT_NE(0, api.ReadPropertyText(ConfLibDevice{}, L"MuteControl", nullptr, text))
      << "an empty record is no device";

  std::vector<std::string> log = standin.CallLog();
  ASSERT_EQ(7u, log.size());
  EXPECT_EQ("PropertyControl(input, MuteControl, write 1) = 0", log[0]);
  EXPECT_EQ("PropertyControl(input, VolumeScalarControl, write 0.370000, channel -1) = 0", log[1]);
  EXPECT_EQ("PropertyControl(input, VolumeScalarControl, read, channel -1) = 0 0.370000", log[3]);
}

TEST(ConfLibApi, UnresolvedEntryPointsAreSkipped) {
  MessageBoxRecorder recorder;
  ConfLibApi api;
  EXPECT_FALSE(api.Load(L"C:\\no such folder\\osConfLib.dll"));

  EXPECT_EQ(kAudioCallSkipped, api.ConfLibInit());
  EXPECT_EQ(kAudioCallSkipped, api.CreateDeviceList());
  int32_t count = 99;
  EXPECT_EQ(kAudioCallSkipped, api.GetDeviceCount(kConfLibOutputList, &count));
  EXPECT_EQ(0, count);
  std::wstring text = L"kept";
  EXPECT_EQ(kAudioCallSkipped,
            api.ReadPropertyText(ConfLibDevice{1, 2, 3, 1}, L"MuteControl", nullptr, text));
  EXPECT_EQ(L"kept", text);

  ConfLibDeviceRecord output{}, input{};
  SelectConfLibDevices(api, output, input);
  EXPECT_EQ(0, output.device.type);
  EXPECT_EQ(0, input.device.type);
  EXPECT_TRUE(recorder.boxes.empty());
}

// Runs the probe program under the given Windows version (Wine's per-program setting) and returns
// what it wrote: "<IsVistaOrLater> <path of the loaded library>".
std::string ProbeUnderVersion(const wchar_t* version) {
  const wchar_t* key = L"Software\\Wine\\AppDefaults\\audio_config_probe.exe";
  HKEY handle;
  RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr);
  RegSetValueExW(handle, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                 static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);

  TempFolder folder;
  std::wstring output = folder / L"probe.txt";
  std::wstring command =
      L"\"" + ProgramFolder() + L"audio_config_probe.exe\" \"" + output + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  RegDeleteKeyW(HKEY_CURRENT_USER, key);
  std::vector<unsigned char> bytes = ReadBytes(output);
  return std::string(bytes.begin(), bytes.end());
}

TEST(LoadConfLib, FolderFollowsTheWindowsVersion) {
  const std::string xp = "\\sdk\\x86\\xp\\osconflib.dll";
  const std::string vista = "\\sdk\\x86\\vista\\osconflib.dll";
  struct Case {
    const wchar_t* version;
    std::string expected;  // IsVistaOrLater, then the tail of the library's path
  } cases[] = {
      {L"winxp", "0 " + xp}, {L"win2003", "0 " + xp}, {L"vista", "1 " + vista}, {L"win7", "1 " + vista},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.version));
    std::string probe = ProbeUnderVersion(c.version);
    std::transform(probe.begin(), probe.end(), probe.begin(), [](char ch) {
      return ch == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    });
    ASSERT_GT(probe.size(), c.expected.size());
    EXPECT_EQ(c.expected.substr(0, 2), probe.substr(0, 2));
    EXPECT_EQ(c.expected.substr(2), probe.substr(probe.size() - (c.expected.size() - 2)));
  }
}
}  // namespace
