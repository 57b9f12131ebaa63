#include <algorithm>
#include <functional>

#include "ini_values.h"
#include "mouse_memory.h"
#include "mouse_profiles.h"
#include "mouse_test_fixture.h"

namespace {

using Shape = std::array<int, 3>;
using MouseMemoryTest = MouseFixture;

void AppendTableRead(std::vector<Shape>& shapes, int command, int base) {
  for (int done = 0; done < 512; done += 56) shapes.push_back({command, std::min(56, 512 - done), base + done});
}

// The selected device and key profiles are "P" (the read-back saves both).
void SelectProfileP(const TempFolder& folder) {
  const std::wstring index = MouseProfileIndexFile(folder.path());
  for (const wchar_t* section : {L"PROFILEDEVICENAME", L"PROFILENAME"}) WriteIniText(index, section, L"0", L"P");
}

// What the page does with a read-back.
MouseReadResult ReadAndSave(DeviceCommandChannel& channel, const std::wstring& folder) {
  const MouseReadResult result = ReadMouseMemory(channel);
  if (result != MouseReadResult::Read) return result;
  SaveMouseProfile(MouseProfileKind::Key, folder);
  SaveMouseProfile(MouseProfileKind::Device, folder);
  return result;
}

TEST_F(MouseMemoryTest, ReadBackRunsItsSixtyNineExchangesAndSavesLiveValuesBeforeTheMouses) {
  auto mouse = Connect();
  mouse->EditMemory([](SimulatedMemory& memory) {
    for (int i = 0; i < 56; ++i) memory.settings[i] = static_cast<uint8_t>(0x80 + i);
    for (int i = 0; i < 64; ++i) memory.settings[3 * 64 + i] = static_cast<uint8_t>(0xC0 + i);
  });
  SelectProfileP(folder);
  MouseLiveSettings.fill(0x5A);
  MouseLiveSettings[0] = 0;
  MousePointerSpeed = 7;
  MouseWheelLines = 9;
  MouseSettingsBlocks[3][60] = 0xEE;  // bytes 56..63 never travel

  ASSERT_EQ(MouseReadResult::Read, ReadAndSave(channel, folder.path()));

  std::vector<Shape> expected = {{0x01, 0, 0}, {0x03, 33, 0}};
  AppendTableRead(expected, 0x07, 0);
  for (int p = 0; p < 5; ++p) {
    expected.push_back({0x05, 56, p * 64});
    AppendTableRead(expected, 0x08, p * 126);
  }
  expected.push_back({0x05, 1, 0});
  expected.push_back({0x02, 0, 0});
  const std::vector<Shape> shapes = Shapes(*mouse);
  EXPECT_EQ(expected, shapes);
  EXPECT_EQ(69u, shapes.size());
  int dataBytes = 0;
  for (const Shape& shape : shapes) dataBytes += shape[0] == 0x01 || shape[0] == 0x02 ? 0 : shape[1];
  EXPECT_EQ(3386, dataBytes);

  const SimulatedMemory memory = mouse->Memory();
  EXPECT_TRUE(std::equal(memory.settings.begin() + 3 * 64, memory.settings.begin() + 3 * 64 + 56,
                         MouseSettingsBlocks[3].begin()));
  EXPECT_EQ(0xEE, MouseSettingsBlocks[3][60]);
  EXPECT_TRUE(std::equal(memory.keyMemory.begin() + 4 * 126, memory.keyMemory.begin() + 4 * 126 + 512,
                         MouseKeyTables[4].begin()));
  EXPECT_EQ(0x5A, MouseLiveSettings[5]) << "the live settings are not taken from the mouse";

  const std::vector<unsigned char> file = ReadBytes(folder / L"P.config");
  ASSERT_EQ(592u, file.size());
  const unsigned char* block = file.data() + 16 + 512;
  EXPECT_EQ(0, block[0]);
  EXPECT_TRUE(std::all_of(block + 1, block + 33, [](unsigned char b) { return b == 0x5A; }));
  EXPECT_EQ(7, block[33]);
  EXPECT_EQ(9, block[34]);
  EXPECT_TRUE(std::equal(block + 35, block + 56, memory.settings.begin() + 35)) << "bytes 35..55 from the mouse";
  EXPECT_EQ(528u, ReadBytes(folder / L"P.pro").size());
}

// Each failure leaves the working state and the files as they were, whichever command it hits.
TEST_F(MouseMemoryTest, AFailedSequenceChangesNoStateAndNoFile) {
  struct Fault {
    const char* what;
    bool connected;
    SimulatedFault fault;
    unsigned afterRequests;
  };
  const Fault faults[] = {
      {"not connected", false, SimulatedFault::NoReply, 0},
      {"no reply to the first request", true, SimulatedFault::NoReply, 0},
      {"no reply to the second", true, SimulatedFault::NoReply, 1},
      {"0xFE to the factory table", true, SimulatedFault::StatusFE, 5},
      {"0xFF to the last block", true, SimulatedFault::StatusFF, 56},
      {"no reply to the last request", true, SimulatedFault::NoReply, 68},
      {"unplugged mid-way", true, SimulatedFault::Unplug, 30},
      {"write fails", true, SimulatedFault::WriteFails, 2},
  };
  struct Sequence {
    const char* name;
    std::function<bool(DeviceCommandChannel&, const std::wstring&)> run;
    unsigned requests;  // faults beyond it do not apply
  };
  const Sequence sequences[] = {
      {"read-back", [](DeviceCommandChannel& c, const std::wstring& f) {
         return ReadAndSave(c, f) == MouseReadResult::Read;
       }, 69},
      {"re-read", [](DeviceCommandChannel& c, const std::wstring&) { return ReloadActiveMouseProfile(c); }, 2},
      {"switch", [](DeviceCommandChannel& c, const std::wstring&) { return SwitchMouseOnboardProfile(c, 4); }, 3},
  };
  for (const Sequence& sequence : sequences) {
    for (const Fault& f : faults) {
      if (f.connected && f.afterRequests >= sequence.requests) continue;
      SCOPED_TRACE(std::string(sequence.name) + ": " + f.what);
      ResetMouseState();
      TempFolder data;
      SelectProfileP(data);
      WriteBytes(data / L"P.config", std::vector<unsigned char>(592, 0x77));
      FillMouseState();
      const MouseStateSnapshot before;
      channel.m_device.Close();
      auto device = Connect();
      // Every request from the k-th on fails, so the channel's retries cannot mend it.
      device->InjectFault(f.fault, f.afterRequests, SimulatedDevice::kEveryTime);
      channel.m_connected = f.connected;
      EXPECT_FALSE(sequence.run(channel, data.path()));
      EXPECT_TRUE(before == MouseStateSnapshot());
      EXPECT_EQ(std::vector<unsigned char>(592, 0x77), ReadBytes(data / L"P.config"));
      EXPECT_FALSE(PathExists(data / L"P.pro"));
      EXPECT_EQ(1, channel.m_frameSendEnabled.load()) << "frames resume";
      const std::vector<Shape> shapes = Shapes(*device);
      if (!f.connected) {
        EXPECT_TRUE(shapes.empty()) << "nothing runs before detection";
      }
      EXPECT_LE(shapes.size(), std::size_t{f.afterRequests} + 8) << "the sequence stops at the failure";
    }
  }
}

TEST_F(MouseMemoryTest, ASettingsEventStoresTheEditedProfileAndFollowsBlockZero) {
  auto mouse = Connect();
  mouse->EditMemory([](SimulatedMemory& memory) {
    memory.settings[0] = 2;  // the mouse runs profile 2; the page follows block 0 all the same
    for (int i = 1; i < 56; ++i) memory.settings[i] = static_cast<uint8_t>(0x90 + i);
  });
  MouseLiveSettings.fill(0x21);
  MouseLiveSettings[0] = 3;

  ASSERT_TRUE(ReloadActiveMouseProfile(channel));

  const std::vector<Shape> expected = {{0x05, 1, 0}, {0x05, 56, 0}};
  EXPECT_EQ(expected, Shapes(*mouse));
  EXPECT_EQ(3, MouseSettingsBlocks[3][0]);
  EXPECT_TRUE(std::all_of(MouseSettingsBlocks[3].begin() + 1, MouseSettingsBlocks[3].begin() + 33,
                          [](uint8_t b) { return b == 0x21; }));
  EXPECT_EQ(0, MouseLiveSettings[0]);
  EXPECT_EQ(0, MouseSettingsBlocks[0][0]);
  EXPECT_EQ(0x90 + 32, MouseLiveSettings[32]);
  EXPECT_EQ(0x90 + 55, MouseSettingsBlocks[0][55]);
}

TEST_F(MouseMemoryTest, AStoredProfileByteAboveFourIndexesNoBlock) {
  auto mouse = Connect();
  FillMouseState();
  MouseLiveSettings[0] = 9;
  const auto blocks = MouseSettingsBlocks;
  ASSERT_TRUE(ReloadActiveMouseProfile(channel));
  for (int p = 1; p < 5; ++p) EXPECT_EQ(blocks[p], MouseSettingsBlocks[p]) << p;
  EXPECT_EQ(0, MouseLiveSettings[0]);
}

TEST_F(MouseMemoryTest, TheSwitchTakesProfilesZeroToFourOnly) {
  struct Case {
    const char* what;
    uint8_t reported;
    int n;
    std::vector<Shape> requests;
    bool switched;
  };
  const Case cases[] = {
      {"to profile 3", 1, 3, {{0x05, 1, 0}, {0x06, 1, 0}, {0x05, 56, 192}}, true},
      {"to the active profile", 2, 2, {{0x05, 1, 0}}, false},
      {"to profile 5", 0, 5, {}, false},
      {"to profile -1", 0, -1, {}, false},
      {"while the mouse reports 7", 7, 1, {{0x05, 1, 0}}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetMouseState();
    channel.m_device.Close();
    auto mouse = Connect();
    mouse->EditMemory([&](SimulatedMemory& memory) {
      memory.settings[0] = c.reported;
      memory.settings[3 * 64 + 6] = 0xAB;
    });
    FillMouseState();
    MouseLiveSettings[0] = 0;
    const MouseStateSnapshot before;

    EXPECT_EQ(c.switched, SwitchMouseOnboardProfile(channel, c.n));

    EXPECT_EQ(c.requests, Shapes(*mouse));
    if (!c.switched) {
      EXPECT_TRUE(before == MouseStateSnapshot());
      continue;
    }
    EXPECT_EQ(3, mouse->Memory().settings[0]);
    EXPECT_EQ(3, MouseLiveSettings[0]);
    EXPECT_EQ(0xAB, MouseLiveSettings[6]);
    EXPECT_EQ(0xAB, MouseSettingsBlocks[3][6]);
    EXPECT_EQ(0x02, MouseSettingsBlocks[c.reported][6]) << "the left profile keeps the live settings";
  }
}

}  // namespace
