#include <cstring>

#include "keyboard_detection.h"
#include "keyboard_sync_reader.h"
#include "keyboard_test_fixture.h"
#include "profile_store.h"

namespace {

using Detection = KeyboardDetection;
using KeyboardDetectionTest = KeyboardFixture;

// 0x01, 0x03, 0x07 (chunks), 0x05, 0x08 bank 0 (chunks), 0x05 one byte, 0x02.
const std::vector<int> kReadBackCommands = {0x01, 0x03, 0x07, 0x05, 0x08, 0x05, 0x02};

TEST_F(KeyboardDetectionTest, EachProductIdChoosesItsModelAndIsReadBack) {
  struct Case {
    uint16_t productId;
    int model;  // -1: not accepted
  };
  const Case cases[] = {{0x7513, KEYBOARD_MODEL_RGB}, {0x0632, KEYBOARD_MODEL_ONECOLOR}, {0x763E, KEYBOARD_MODEL_RGB2},
                        {0x5F01, -1}, {0x1234, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.productId);
    SimulatedHidBackend bus;
    DeviceCommandChannel channel(bus);
    channel.SetIdentity(0x0C45, 0x0632, 0x92, 0xFF1C);
    KeyboardState state;
    state.model = 7;
    auto device = std::make_shared<SimulatedDevice>(SimulatedKeyboardModel(c.productId));
    bus.Attach(device);
    KeyboardDetector detector(channel, state, folder.path());
    const Detection detection = detector.RunPass(false, false);
    if (c.model < 0) {
      EXPECT_EQ(Detection::Event::None, detection.event);
      EXPECT_FALSE(channel.IsConnected());
      EXPECT_EQ(7, state.model);
      EXPECT_TRUE(device->WireLog().empty());
      continue;
    }
    EXPECT_EQ(Detection::Event::Found, detection.event);
    EXPECT_EQ(KeyboardReadResult::Read, detection.readBack);
    EXPECT_TRUE(detection.firstFind);
    EXPECT_TRUE(channel.IsConnected());
    EXPECT_EQ(c.model, state.model);
    EXPECT_EQ(kReadBackCommands, Commands(*device));
    const int slots = c.productId == 0x763E ? 106 : 105;
    EXPECT_EQ(slots, state.info.KeySlotCount());
    EXPECT_EQ(slots * 3, channel.m_transferSize.load());
    EXPECT_EQ(Detection::Event::StillThere, detector.RunPass(true, false).event);
  }
}

TEST_F(KeyboardDetectionTest, OnlyAFindOnTheFirstPassIsAnnounced) {
  KeyboardDetector detector(channel, state, folder.path());
  EXPECT_EQ(Detection::Event::None, detector.RunPass(false, false).event);
  auto keyboard = MakeSimulatedKeyboard(0x763E);
  bus.Attach(keyboard);
  const Detection later = detector.RunPass(false, false);
  EXPECT_EQ(Detection::Event::Found, later.event);
  EXPECT_FALSE(later.firstFind);
}

TEST_F(KeyboardDetectionTest, AFailedEnumerationIsRetriedOnTheNextPass) {
  bus.Attach(MakeSimulatedKeyboard(0x763E));
  KeyboardDetector detector(channel, state, folder.path());
  bus.SetListFails(true);
  EXPECT_EQ(Detection::Event::None, detector.RunPass(false, false).event);
  bus.SetListFails(false);
  EXPECT_EQ(Detection::Event::Found, detector.RunPass(false, false).event);
}

TEST_F(KeyboardDetectionTest, AnUnpluggedKeyboardHandsOverToTheMouseOrHidesTheWindow) {
  struct Case {
    bool mouse;
    bool mousePad;
    Detection::AfterLoss after;
  };
  const Case cases[] = {{true, true, Detection::AfterLoss::SelectMouseTab},
                        {false, true, Detection::AfterLoss::SelectMousePadTab},
                        {false, false, Detection::AfterLoss::HideWindow}};
  for (const Case& c : cases) {
    SimulatedHidBackend bus;
    DeviceCommandChannel channel(bus);
    channel.SetIdentity(0x0C45, 0x0632, 0x92, 0xFF1C);
    auto keyboard = MakeSimulatedKeyboard(0x0632);
    bus.Attach(keyboard);
    KeyboardDetector detector(channel, state, folder.path());
    ASSERT_EQ(Detection::Event::Found, detector.RunPass(c.mouse, c.mousePad).event);
    const Detection there = detector.RunPass(c.mouse, c.mousePad);
    EXPECT_EQ(c.mouse || c.mousePad, there.sameModeVisible);
    channel.m_lightingSync = 1;
    keyboard->Unplug();
    const Detection lost = detector.RunPass(c.mouse, c.mousePad);
    EXPECT_EQ(Detection::Event::Lost, lost.event);
    EXPECT_EQ(c.after, lost.afterLoss);
    EXPECT_FALSE(channel.IsConnected());
    EXPECT_FALSE(channel.m_lightingSync);
  }
}

TEST_F(KeyboardDetectionTest, TheSelectedDeviceProfileIsLoadedOnConnect) {
  WriteText(folder / L"kbProfile.ini", "[PROFILEDEVICESELECT]\r\nselect=1\r\n[PROFILEDEVICENAME]\r\n0=a\r\n1=Game\r\n");
  std::vector<uint8_t> payload(2470, 0x33);
  payload[0] = 9;  // an on-board profile no keyboard has
  ASSERT_EQ(0, WriteProfileFile(folder / L"Game.kconfig", payload.data(), payload.size(), PROFILE_KIND_KEYBOARD));
  bus.Attach(MakeSimulatedKeyboard(0x763E));
  KeyboardDetector detector(channel, state, folder.path());
  const Detection detection = detector.RunPass(false, false);
  EXPECT_EQ(1, detection.profileIndex);
  EXPECT_EQ(0x33, state.KeyboardCustomPaint[0]);
  EXPECT_EQ(0x33, state.keyTables[0][0]);
  EXPECT_EQ(0, state.LiveProfileIndex());
  EXPECT_EQ(0, state.KeyboardLiveSettings[0]);
}

TEST_F(KeyboardDetectionTest, MoreThan170KeySlotsStopsAfterTheDeviceInfo) {
  SimulatedDeviceModel model = SimulatedKeyboardModel(0x763E);
  model.info.bytes[5] = 171;
  auto keyboard = std::make_shared<SimulatedDevice>(model);
  bus.Attach(keyboard);
  const KeyboardState before = state;
  KeyboardDetector detector(channel, state, folder.path());
  const Detection detection = detector.RunPass(false, false);
  EXPECT_EQ(KeyboardReadResult::TooManySlots, detection.readBack);
  EXPECT_EQ((std::vector<int>{0x01, 0x03}), Commands(*keyboard));
  EXPECT_EQ(0, std::memcmp(&before.info, &state.info, sizeof state.info));
}

struct SyncReaderTest : KeyboardFixture {
  // Steps the reader until it reports a change or gives up.
  static KeyboardChange NextChange(KeyboardSyncReader& reader) {
    for (int step = 0; step < 4; ++step) {
      const KeyboardChange change = reader.Step();
      if (change != KeyboardChange::None) return change;
    }
    return KeyboardChange::None;
  }
};

TEST_F(SyncReaderTest, ChangeReportsOfTheOneColourKeyboardAreRead) {
  auto keyboard = MakeSimulatedKeyboard(0x0632);
  bus.Attach(keyboard);
  KeyboardSyncReader reader(bus);
  reader.Step();
  ASSERT_TRUE(reader.IsOpen());
  keyboard->SendChangeReport(0x402);
  EXPECT_EQ(KeyboardChange::DeviceChanged, NextChange(reader));
  keyboard->SendChangeReport(0x401);
  EXPECT_EQ(KeyboardChange::SettingsChanged, NextChange(reader));
  keyboard->SendChangeReport(0x0E9);
  EXPECT_EQ(KeyboardChange::None, NextChange(reader));
  keyboard->Unplug();
  reader.Step();
  EXPECT_FALSE(reader.IsOpen());
}

TEST_F(SyncReaderTest, AFailedEnumerationIsRetriedOnTheNextStep) {
  bus.Attach(MakeSimulatedKeyboard(0x0632));
  KeyboardSyncReader reader(bus);
  bus.SetListFails(true);
  reader.Step();
  EXPECT_FALSE(reader.IsOpen());
  bus.SetListFails(false);
  reader.Step();
  EXPECT_TRUE(reader.IsOpen());
}

TEST_F(SyncReaderTest, TheRgbKeyboardsSyncInterfaceIsNeverOpened) {
  for (uint16_t productId : {uint16_t{0x7513}, uint16_t{0x763E}}) {
    SimulatedHidBackend bus;
    auto keyboard = MakeSimulatedKeyboard(productId);
    bus.Attach(keyboard);
    KeyboardSyncReader reader(bus);
    keyboard->SendChangeReport(0x402);
    EXPECT_EQ(KeyboardChange::None, NextChange(reader));
    EXPECT_FALSE(reader.IsOpen());
  }
}

}  // namespace
