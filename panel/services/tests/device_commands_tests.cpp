#include <gtest/gtest.h>

#include <numeric>

#include "device_test_fixture.h"

namespace {

using CommandsTest = SimulatedChannelFixture;
using Shape = std::array<int, 3>;

std::vector<uint8_t> Pattern(size_t length, uint8_t seed) {
  std::vector<uint8_t> bytes(length);
  for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7);
  return bytes;
}

TEST_F(CommandsTest, AKeyTableBankReadsInTenChunksFromBankTimes126) {
  uint8_t table[512] = {};
  ASSERT_EQ(1, channel.ReadKeyTable(table, 1));
  std::vector<Shape> expected;
  for (int done = 0; done < 512; done += 56) expected.push_back({0x08, done + 56 < 512 ? 56 : 8, 126 + done});
  EXPECT_EQ(expected, RequestShapes());
  EXPECT_EQ(630, RequestShapes().back()[2]);
  const SimulatedMemory memory = device->Memory();
  EXPECT_TRUE(std::equal(table, table + 512, memory.keyMemory.begin() + 126));
}

TEST_F(CommandsTest, BanksOverlapInKeyMemory) {
  const std::vector<uint8_t> bank1 = Pattern(512, 0x11);
  ASSERT_EQ(1, channel.WriteKeyTable(bank1.data(), 1));
  uint8_t bank0[512] = {};
  ASSERT_EQ(1, channel.ReadKeyTable(bank0, 0));
  EXPECT_TRUE(std::equal(bank0 + 126, bank0 + 512, bank1.begin())) << "bank 1 starts 126 bytes into bank 0";
}

TEST_F(CommandsTest, BankAbove4IsRefusedBeforeSending) {
  uint8_t table[512] = {};
  EXPECT_EQ(-201, channel.ReadKeyTable(table, 5));
  EXPECT_EQ(-201, channel.WriteKeyTable(table, 5));
  EXPECT_EQ(-201, channel.ReadKeyTable(table, -1));
  EXPECT_TRUE(device->WireLog().empty());
}

TEST_F(CommandsTest, ZeroTransferSizeSendsNoKeyTableReport) {
  ASSERT_EQ(1, channel.SetTransferSize(0));
  uint8_t table[512] = {};
  EXPECT_EQ(1, channel.ReadFactoryKeyTable(table));
  EXPECT_EQ(1, channel.ReadKeyTable(table, 2));
  EXPECT_EQ(1, channel.WriteKeyTable(table, 2));
  EXPECT_TRUE(device->WireLog().empty());
}

TEST_F(CommandsTest, AnRgbFrameGoesOutInSixChunksOf56AndOneOf42) {
  SimulatedHidBackend keyboardBus;
  auto keyboard = MakeSimulatedKeyboard(SIMULATED_KEYBOARD_RGB);
  DeviceCommandChannel keyboardChannel(keyboardBus);
  ASSERT_TRUE(ConnectChannel(keyboardChannel, keyboardBus.Attach(keyboard)));
  const std::vector<uint8_t> frame = Pattern(378, 3);
  ASSERT_EQ(1, keyboardChannel.SendLedFrame(frame.data(), frame.size()));
  std::vector<Shape> shapes;
  for (const CommandReport& r : keyboard->Requests())
    shapes.push_back({r[COMMAND_FIELD_COMMAND], r[COMMAND_FIELD_LENGTH], CommandReportOffset(r.data())});
  EXPECT_EQ((std::vector<Shape>{{0x12, 56, 0}, {0x12, 56, 56}, {0x12, 56, 112}, {0x12, 56, 168}, {0x12, 56, 224},
                                {0x12, 56, 280}, {0x12, 42, 336}}),
            shapes);
  EXPECT_EQ(frame, keyboard->Memory().ledFrame);
}

TEST_F(CommandsTest, FramesHonourTheSendingSwitchAndSurviveALostChunk) {
  const std::vector<uint8_t> frame = Pattern(60, 9);
  channel.m_frameSendEnabled = 0;
  EXPECT_EQ(1, channel.SendLedFrame(frame.data(), frame.size()));
  EXPECT_TRUE(device->WireLog().empty());

  channel.m_frameSendEnabled = 1;
  device->InjectFault(SimulatedFault::NoReply, 0, 4);  // the first chunk is never answered
  EXPECT_EQ(1, channel.SendLedFrame(frame.data(), frame.size()));
  EXPECT_EQ(5u, device->Requests().size()) << "four attempts for chunk 1, then chunk 2";

  device->ClearWireLog();
  device->InjectFault(SimulatedFault::StatusFF);
  EXPECT_EQ(-102, channel.SendLedFrame(frame.data(), frame.size()));
  EXPECT_EQ(1u, device->Requests().size()) << "a refused chunk ends the frame";
}

TEST_F(CommandsTest, ARefusedChunkEndsTheImageAndKeepsWhatWasWritten) {
  const std::vector<uint8_t> image = Pattern(200, 1);
  device->InjectFault(SimulatedFault::StatusFE, 2);
  EXPECT_EQ(-103, channel.WriteMacroMemory(image.data(), image.size()));
  EXPECT_EQ((std::vector<Shape>{{0x15, 56, 0}, {0x15, 56, 56}, {0x15, 56, 112}}), RequestShapes());
  const SimulatedMemory memory = device->Memory();
  EXPECT_TRUE(std::equal(image.begin(), image.begin() + 112, memory.macroMemory.begin()));
  EXPECT_EQ(0, memory.macroMemory[112]) << "the refused chunk changed nothing";
}

TEST_F(CommandsTest, UnpluggedBetweenChunksTheWriteFails) {
  const std::vector<uint8_t> script = Pattern(300, 5);
  device->InjectFault(SimulatedFault::Unplug, 3);
  EXPECT_EQ(-1, channel.WriteScriptMemory(script.data(), script.size()));
  EXPECT_EQ(3u, device->Requests().size());
  EXPECT_FALSE(device->IsPlugged());
  EXPECT_FALSE(channel.m_device.IsDevicePathPresent());
}

TEST_F(CommandsTest, TheLargestCursorScriptImageFillsTheScriptMemory) {
  const std::vector<uint8_t> script = Pattern(3072, 2);
  ASSERT_EQ(1, channel.WriteScriptMemory(script.data(), script.size()));
  EXPECT_EQ(script, device->Memory().scriptMemory);
  const std::vector<uint8_t> tooLong = Pattern(3073, 4);
  EXPECT_EQ(-102, channel.WriteScriptMemory(tooLong.data(), tooLong.size())) << "its last chunk runs past the end";
}

TEST_F(CommandsTest, SettingsTransfersStayInOneReport) {
  channel.m_lightingSync = 1;
  const uint8_t level = 3;
  ASSERT_EQ(1, channel.WriteSettings(&level, 1, 3 * 64 + 26));
  EXPECT_EQ(0, channel.m_lightingSync);
  EXPECT_EQ((std::vector<Shape>{{0x06, 1, 218}}), RequestShapes());
  EXPECT_EQ(3, device->Memory().settings[218]);

  uint8_t tooLong[64] = {};
  std::fill(std::begin(tooLong), std::end(tooLong), 0xAA);
  channel.m_lightingSync = 1;
  EXPECT_EQ(0, channel.WriteSettings(tooLong, 57, 0));
  EXPECT_EQ(0, channel.ReadSettings(tooLong, 57, 0));
  EXPECT_EQ(1, channel.m_lightingSync);
  EXPECT_EQ(0xAA, tooLong[0]);
  EXPECT_EQ(1u, device->Requests().size()) << "nothing sent for more than 56 bytes";
}

TEST_F(CommandsTest, RestoreDefaultsAndHardwareLightingCarryNoChecksum) {
  const uint8_t changed = 0x77;
  ASSERT_EQ(1, channel.WriteSettings(&changed, 1, 70));
  EXPECT_NE(0, channel.SendRestoreDefaults());
  EXPECT_NE(0, channel.SendHardwareLightingCommand());
  const std::vector<CommandReport> requests = device->Requests();
  ASSERT_EQ(3u, requests.size());
  for (const CommandReport& request : {requests[1], requests[2]}) {
    CommandReport expected{};
    expected[0] = 4;
    expected[3] = request[3];
    EXPECT_EQ(expected, request);
  }
  EXPECT_EQ(0x0D, requests[1][3]);
  EXPECT_EQ(0x13, requests[2][3]);
  const SimulatedMemory memory = device->Memory();
  EXPECT_EQ(device->Model().factorySettings, memory.settings);
  EXPECT_EQ(1u, memory.hardwareLightingCommands);
}

std::vector<Shape> Framed(std::vector<Shape> inner) {
  inner.insert(inner.begin(), {{0x01, 0, 0}, {0x03, 33, 0}});
  inner.push_back({0x05, 1, 0});
  inner.push_back({0x02, 0, 0});
  return inner;
}

void AppendTableRead(std::vector<Shape>& shapes, int command, int total, int base) {
  for (int done = 0; done < total; done += 56) shapes.push_back({command, std::min(56, total - done), base + done});
}

// A test of the simulation, not of the product: the read-back scripts are the simulation's own
// (channel_scenarios) until the device cores carry the read-backs, and this test moves with them
// (the mouse's has: its core's tests check its order).
TEST(SimulatedReadBackScripts, OnTheWireInOrder) {
  struct Case {
    const char* name;
    std::shared_ptr<SimulatedDevice> device;
    void (*readBack)(DeviceCommandChannel&);
    std::vector<Shape> expected;
  };
  std::vector<Shape> keyboard;  // 106 key slots: 318-byte tables
  AppendTableRead(keyboard, 0x07, 318, 0);
  keyboard.push_back({0x05, 56, 0});
  AppendTableRead(keyboard, 0x08, 318, 0);
  std::vector<Shape> pad;
  for (int profile = 0; profile < 5; ++profile) pad.push_back({0x05, 56, profile * 64});
  Case cases[] = {
      {"keyboard", MakeSimulatedKeyboard(SIMULATED_KEYBOARD_RGB2), RunKeyboardReadBack, Framed(keyboard)},
      {"mouse pad", MakeSimulatedMousePad(), RunMousePadReadBack, Framed(pad)},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedHidBackend bus;
    DeviceCommandChannel channel(bus);
    ASSERT_TRUE(ConnectChannel(channel, bus.Attach(c.device)));
    c.readBack(channel);
    std::vector<Shape> shapes;
    for (const WireRecord& record : c.device->WireLog()) {
      ASSERT_NE(WireEvent::Discarded, record.event);
      if (record.event == WireEvent::Request)
        shapes.push_back({record.bytes[3], record.bytes[4], CommandReportOffset(record.bytes.data())});
    }
    EXPECT_EQ(c.expected, shapes);
    EXPECT_EQ(2 * shapes.size(), c.device->WireLog().size()) << "every request answered once";
  }
}

}  // namespace
