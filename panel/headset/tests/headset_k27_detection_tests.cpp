#include "headset_k27_detection.h"

#include <gtest/gtest.h>

#include "debug_log_capture.h"
#include "fake_clock.h"
#include "headset_k27_light_output.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {

using Event = HeadsetK27Detection::Event;

class HeadsetK27DetectionTest : public ::testing::Test {
 protected:
  std::shared_ptr<SimulatedDevice> AttachDecoy(uint16_t productId, SimulatedInterface target) {
    auto decoy = std::make_shared<SimulatedDevice>(SimulatedHeadsetK27DecoyModel(productId, target));
    bus.Attach(decoy);
    return decoy;
  }

  FakeClock clock;
  SimulatedHidBackend bus;
  DeviceCommandChannel channel{bus};
  std::atomic<uint32_t> connections{0};
  HeadsetK27Detector detector{channel, connections};
};

TEST_F(HeadsetK27DetectionTest, DecoysOfTheVendorAreOpenedRefusedAndClosedBeforeTheHeadsetIsKept) {
  auto otherProduct = AttachDecoy(0x01DB, SimulatedInterface::Headset);
  auto vendorInterface = AttachDecoy(HEADSET_K27_PRODUCT, SimulatedInterface::VendorControl);
  auto headset = MakeSimulatedHeadsetK27();
  const std::wstring path = bus.Attach(headset);
  DebugLogCapture log;

  const HeadsetK27Detection found = detector.RunPass();

  EXPECT_EQ(Event::Found, found.event);
  EXPECT_TRUE(found.firstFind);
  EXPECT_TRUE(channel.IsConnected());
  EXPECT_EQ(path, channel.m_device.DevicePath());
  EXPECT_EQ(0, otherProduct->OpenHandles());
  EXPECT_EQ(0, vendorInterface->OpenHandles());
  EXPECT_EQ(1, headset->OpenHandles());
  EXPECT_EQ(1u, connections.load());
  EXPECT_EQ(std::vector<DWORD>{100}, clock.Pauses());
  EXPECT_EQ(1, log.Count(L"\u8bbe\u5907\u5df2\u7ecf\u6293\u5230"));
  // Still there: no second open, no new connection.
  EXPECT_EQ(Event::None, detector.RunPass().event);
  EXPECT_EQ(1, headset->OpenHandles());
  EXPECT_EQ(1u, connections.load());
}

TEST_F(HeadsetK27DetectionTest, OnlyDecoysLeaveNothingOpenAndAnnounceNothing) {
  auto decoy = AttachDecoy(0x01DB, SimulatedInterface::Headset);
  EXPECT_EQ(Event::None, detector.RunPass().event);
  EXPECT_FALSE(channel.IsConnected());
  EXPECT_EQ(0, decoy->OpenHandles());
  EXPECT_FALSE(channel.m_device.IsOpen());
}

TEST_F(HeadsetK27DetectionTest, OnlyAFindOnTheFirstPassIsAnnounced) {
  EXPECT_EQ(Event::None, detector.RunPass().event);
  auto headset = MakeSimulatedHeadsetK27();
  bus.Attach(headset);
  const HeadsetK27Detection later = detector.RunPass();
  EXPECT_EQ(Event::Found, later.event);
  EXPECT_FALSE(later.firstFind);
}

TEST_F(HeadsetK27DetectionTest, UnplugClearsTheFlagsAndAReplugIsANewConnectionOnAFreshHandle) {
  auto headset = MakeSimulatedHeadsetK27();
  bus.Attach(headset);
  ASSERT_EQ(Event::Found, detector.RunPass().event);
  channel.m_lightingSync = 1;

  headset->Unplug();
  EXPECT_EQ(Event::Lost, detector.RunPass().event);
  EXPECT_FALSE(channel.IsConnected());
  EXPECT_EQ(0, channel.m_lightingSync.load());
  EXPECT_EQ(Event::None, detector.RunPass().event);

  headset->Plug();
  const HeadsetK27Detection back = detector.RunPass();
  EXPECT_EQ(Event::Found, back.event);
  EXPECT_FALSE(back.firstFind);
  EXPECT_EQ(2u, connections.load());
  // The stale handle was replaced by the open of the new instance.
  EXPECT_EQ(1, headset->OpenHandles());
  HeadsetK27LedReport report{0xFF, 0x22, 0x23, 4};
  EXPECT_NE(0, channel.m_device.SetOutputReport(report.data(), 17));
}

TEST_F(HeadsetK27DetectionTest, AFailedEnumerationEndsTheSearch) {
  bus.SetListFails(true);
  EXPECT_EQ(Event::EnumerationFailed, detector.RunPass().event);
  EXPECT_FALSE(channel.IsConnected());
}

}  // namespace
