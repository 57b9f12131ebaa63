#include <thread>

#include "device_detection.h"
#include "hardware_sync_reader.h"
#include "mouse_test_fixture.h"

namespace {

using MouseDetectionTest = MouseFixture;

struct Reactions {
  std::vector<DetectionEvent> seen;
  DetectionReactions Handlers() {
    return {[this] { seen.push_back(DetectionEvent::Found); }, [this] { seen.push_back(DetectionEvent::Lost); },
            [this] { seen.push_back(DetectionEvent::StillThere); }};
  }
};

// Only the mouse's command interface is the mouse: not its hardware-sync interface, nor another
// device of the same maker.
TEST_F(MouseDetectionTest, OnlyTheMousesCommandInterfaceIsFound) {
  struct Case {
    const char* what;
    std::vector<std::shared_ptr<SimulatedDevice>> devices;
    bool found;
  };
  const Case cases[] = {{"nothing", {}, false},
                        {"keyboard and pad", {MakeSimulatedKeyboard(), MakeSimulatedMousePad()}, false},
                        {"mouse among them", {MakeSimulatedKeyboard(), MakeSimulatedMouse()}, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SimulatedHidBackend devices;
    DeviceCommandChannel mouseChannel(devices);
    mouseChannel.SetIdentity(0x0C45, 0x5F01, 0x92, 0xFF1C);
    for (const auto& device : c.devices) devices.Attach(device);
    Reactions reactions;
    DeviceDetector detector(mouseChannel);
    const DetectionPass pass = detector.RunPass(reactions.Handlers());
    EXPECT_EQ(c.found ? DetectionEvent::Found : DetectionEvent::None, pass.event);
    EXPECT_EQ(c.found, pass.firstFind);
    EXPECT_EQ(c.found, mouseChannel.IsConnected() != 0);
    if (c.found) {
      EXPECT_EQ(0xFF1C, mouseChannel.m_device.Capabilities().UsagePage);
    }
    EXPECT_EQ(c.found ? std::vector<DetectionEvent>{DetectionEvent::Found} : std::vector<DetectionEvent>{},
              reactions.seen);
  }
}

TEST_F(MouseDetectionTest, PresenceIsFollowedAndOnlyAFirstPassFindIsAnnounced) {
  Reactions reactions;
  DeviceDetector detector(channel);
  EXPECT_EQ(DetectionEvent::None, detector.RunPass(reactions.Handlers()).event);
  auto mouse = MakeSimulatedMouse();
  bus.Attach(mouse);
  const DetectionPass later = detector.RunPass(reactions.Handlers());
  EXPECT_EQ(DetectionEvent::Found, later.event);
  EXPECT_FALSE(later.firstFind);
  EXPECT_EQ(DetectionEvent::StillThere, detector.RunPass(reactions.Handlers()).event);
  channel.m_lightingSync = 1;
  mouse->Unplug();
  EXPECT_EQ(DetectionEvent::Lost, detector.RunPass(reactions.Handlers()).event);
  EXPECT_FALSE(channel.IsConnected());
  EXPECT_EQ(0, channel.m_lightingSync.load());
  mouse->Plug();
  EXPECT_EQ(DetectionEvent::Found, detector.RunPass(reactions.Handlers()).event);
  const std::vector<DetectionEvent> expected = {DetectionEvent::Found, DetectionEvent::StillThere, DetectionEvent::Lost,
                                                DetectionEvent::Found};
  EXPECT_EQ(expected, reactions.seen);
}

TEST_F(MouseDetectionTest, TheReactionsRunUnderTheChannelLock) {
  bus.Attach(MakeSimulatedMouse());
  DeviceDetector detector(channel);
  bool heldElsewhere = true;
  DetectionReactions reactions;
  reactions.found = [&] {
    std::thread other([&] {
      heldElsewhere = !channel.m_lock.try_lock();
      if (!heldElsewhere) channel.m_lock.unlock();
    });
    other.join();
  };
  detector.RunPass(reactions);
  EXPECT_TRUE(heldElsewhere);
}

// The mouse's change reports reach the reader of its second interface; the keyboard's reader does
// not take the mouse's interface.
TEST_F(MouseDetectionTest, TheSyncReaderReadsTheMousesChangeReports) {
  auto mouse = MakeSimulatedMouse();
  bus.Attach(mouse);
  HardwareSyncReader keyboardReader(0x0C45, 0x0632, bus);
  keyboardReader.Step();
  EXPECT_FALSE(keyboardReader.IsOpen());

  HardwareSyncReader reader(0x0C45, 0x5F01, bus);
  EXPECT_EQ(0, reader.Step());
  ASSERT_TRUE(reader.IsOpen());
  mouse->PressProfileButton();
  EXPECT_EQ(0x401, reader.Step());
  EXPECT_EQ(1, mouse->Memory().settings[0]) << "the button moved the active profile on";
  for (uint16_t usage : {0x402, 0x403, 0x7}) {
    mouse->SendChangeReport(usage);
    EXPECT_EQ(usage, reader.Step());
  }
  EXPECT_EQ(0, reader.Step()) << "nothing to read";
  EXPECT_TRUE(reader.IsOpen());
  mouse->Unplug();
  EXPECT_EQ(0, reader.Step());
  EXPECT_FALSE(reader.IsOpen());
}

}  // namespace
