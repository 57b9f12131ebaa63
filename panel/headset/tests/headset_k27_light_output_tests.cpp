#include "headset_k27_light_output.h"

#include <gtest/gtest.h>

#include <thread>

#include "headset_k27_detection.h"
#include "fake_clock.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {

using Result = HeadsetK27FrameOutcome::Result;
constexpr uint8_t kOrder[12][2] = {{0x22, 0xAA}, {0x44, 0xAA}, {0x44, 0xAD}, {0x22, 0xAD}, {0x22, 0xAB}, {0x44, 0xAB},
                                   {0x44, 0xAE}, {0x22, 0xAE}, {0x22, 0xAC}, {0x44, 0xAC}, {0x44, 0xAF}, {0x22, 0xAF}};

void Fill(LedColor (&leds)[HEADSET_K27_LED_COUNT], LedColor colour) {
  for (LedColor& led : leds) led = colour;
}

TEST(HeadsetK27FrameReports, ValuesAreScaledClampedAndSentInOrderWithTheTailZero) {
  struct Case {
    const char* what;
    LedColor colour;
    uint8_t red, green, blue;
  } cases[] = {
      {"white at brightness 4 is clamped to 247", {255, 255, 255, 255}, 247, 247, 247},
      {"red 200 at brightness 2", {200, 0, 0, 128}, 100, 0, 0},
      {"off", {90, 80, 70, 0}, 0, 0, 0},
      {"just below the clamp", {248, 0, 0, 255}, 247, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LedColor leds[HEADSET_K27_LED_COUNT];
    Fill(leds, c.colour);
    const HeadsetK27FrameReports reports = BuildHeadsetK27FrameReports(leds);
    for (size_t i = 0; i < reports.size(); ++i) {
      const HeadsetK27LedReport& report = reports[i];
      EXPECT_EQ(0xFF, report[0]);
      EXPECT_EQ(kOrder[i][0], report[1]);
      EXPECT_EQ(kOrder[i][1], report[2]);
      EXPECT_EQ(0, report[3]);
      const uint8_t command = report[2];
      const int colour = command <= 0xAC ? command - 0xAA : command - 0xAD;
      const uint8_t expected = colour == 0 ? c.red : colour == 1 ? c.green : c.blue;
      for (int byte = 4; byte <= 10; ++byte) EXPECT_EQ(expected, report[byte]) << i << " byte " << byte;
      for (int byte = 11; byte <= 16; ++byte) EXPECT_EQ(0, report[byte]) << i << " byte " << byte;
    }
  }
}

TEST(HeadsetK27FrameReports, Led7ReportsCarryLeds1To6OfTheirColour) {
  LedColor leds[HEADSET_K27_LED_COUNT];
  for (size_t i = 0; i < HEADSET_K27_LED_COUNT; ++i)
    leds[i] = {static_cast<uint8_t>(10 * (i + 1)), static_cast<uint8_t>(20 * (i + 1)), static_cast<uint8_t>(i + 1), 255};
  const HeadsetK27FrameReports reports = BuildHeadsetK27FrameReports(leds);
  for (size_t i : {2u, 3u, 6u, 7u, 10u, 11u}) {
    const int colour = reports[i][2] - 0xAD;
    const auto component = [&](size_t led) {
      const uint8_t c = colour == 0 ? leds[led].red : colour == 1 ? leds[led].green : leds[led].blue;
      return HeadsetK27LedValue(c, 255);
    };
    EXPECT_EQ(component(7), reports[i][4]) << i;
    for (size_t led = 1; led <= 6; ++led) EXPECT_EQ(component(led), reports[i][4 + led]) << i << " led " << led;
  }
}

class HeadsetK27FrameSendTest : public ::testing::Test {
 protected:
  void Connect() {
    bus.Attach(headset);
    ASSERT_EQ(HeadsetK27Detection::Event::Found, detector.RunPass().event);
  }
  HeadsetK27FrameReports Frame(LedColor colour) {
    LedColor leds[HEADSET_K27_LED_COUNT];
    Fill(leds, colour);
    return BuildHeadsetK27FrameReports(leds);
  }

  FakeClock clock;
  SimulatedHidBackend bus;
  DeviceCommandChannel channel{bus};
  std::atomic<uint32_t> connections{0};
  HeadsetK27Detector detector{channel, connections};
  std::shared_ptr<SimulatedDevice> headset = MakeSimulatedHeadsetK27();
};

TEST_F(HeadsetK27FrameSendTest, AFrameReachesBothControllersAsTwelveReports) {
  Connect();
  const HeadsetK27FrameReports reports = Frame({200, 0, 100, 128});
  const HeadsetK27FrameOutcome outcome = SendHeadsetK27Frame(channel, connections, reports);
  EXPECT_EQ(Result::Sent, outcome.result);
  EXPECT_EQ(1u, outcome.connection);
  const auto sent = headset->OutputReports();
  ASSERT_EQ(12u, sent.size());
  for (size_t i = 0; i < sent.size(); ++i)
    EXPECT_EQ(std::vector<uint8_t>(reports[i].begin(), reports[i].end()), sent[i]) << i;
  const SimulatedHeadsetLeds leds = headset->HeadsetLeds();
  for (size_t c = 0; c < 2; ++c)
    for (size_t led = 0; led < 8; ++led) {
      EXPECT_EQ(100, leds.colours[c][led][0]);
      EXPECT_EQ(0, leds.colours[c][led][1]);
      EXPECT_EQ(50, leds.colours[c][led][2]);
    }
}

TEST_F(HeadsetK27FrameSendTest, NothingIsSentWhileTheHeadsetIsAbsent) {
  bus.Attach(headset);
  EXPECT_EQ(Result::Absent, SendHeadsetK27Frame(channel, connections, Frame({1, 2, 3, 255})).result);
  EXPECT_TRUE(headset->OutputReports().empty());
}

TEST_F(HeadsetK27FrameSendTest, ARefusedFirstReportIsReportedOncePerConnection) {
  Connect();
  headset->SetRefusesOutputReports(true);
  HeadsetK27WriteFailureNotice notice;
  int boxes = 0;
  for (int pass = 0; pass < 3; ++pass) {
    const HeadsetK27FrameOutcome outcome = SendHeadsetK27Frame(channel, connections, Frame({1, 2, 3, 255}));
    EXPECT_EQ(Result::FirstRefused, outcome.result);
    boxes += notice.ShouldShow(outcome.connection);
  }
  EXPECT_EQ(1, boxes);
  // A new connection may fail again and is told about once more.
  headset->Unplug();
  detector.RunPass();
  headset->Plug();
  detector.RunPass();
  for (int pass = 0; pass < 2; ++pass)
    boxes += notice.ShouldShow(SendHeadsetK27Frame(channel, connections, Frame({1, 2, 3, 255})).connection);
  EXPECT_EQ(2, boxes);
}

// The lighting sends while the detection may replace the connection: a frame is never split over
// two connections or sent to a decoy that the search opens on the same device object.
TEST_F(HeadsetK27FrameSendTest, FramesNeverReachADecoyWhileTheDetectionSearches) {
  auto decoy = std::make_shared<SimulatedDevice>(SimulatedHeadsetK27DecoyModel(0x01DB, SimulatedInterface::Headset));
  bus.Attach(decoy);
  Connect();
  std::atomic<bool> stop{false};
  std::thread detection([&] {
    while (!stop) {
      headset->Unplug();
      detector.RunPass();
      headset->Plug();
      detector.RunPass();
    }
  });
  for (int frame = 0; frame < 300; ++frame) SendHeadsetK27Frame(channel, connections, Frame({1, 2, 3, 255}));
  stop = true;
  detection.join();
  EXPECT_TRUE(decoy->OutputReports().empty());
  EXPECT_FALSE(headset->OutputReports().empty());
}

}  // namespace

namespace {
TEST(HeadsetK27Frame, TheStaticModeLightsEveryLedWithTheRecordsColourAndLevel) {
  struct Case {
    const char* what;
    uint8_t red, green, blue, brightness;
    uint8_t sentRed, sentGreen, sentBlue;
  } cases[] = {
      {"white at brightness 4", 255, 255, 255, 4, 247, 247, 247},
      {"red 200 at brightness 2", 200, 0, 0, 2, 100, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HeadsetLightSettings light{};
    light.mode = 3;
    light.brightness = c.brightness;
    light.red = c.red;
    light.green = c.green;
    light.blue = c.blue;
    LedColor leds[HEADSET_K27_LED_COUNT] = {};
    ASSERT_TRUE(GenerateHeadsetK27Frame(light, leds));
    for (const HeadsetK27LedReport& report : BuildHeadsetK27FrameReports(leds)) {
      const bool group = report[2] <= 0xAC;
      const int colour = group ? report[2] - 0xAA : report[2] - 0xAD;
      const uint8_t expected = colour == 0 ? c.sentRed : colour == 1 ? c.sentGreen : c.sentBlue;
      for (int byte = 4; byte <= (group ? 10 : 4); ++byte) EXPECT_EQ(expected, report[byte]);
    }
  }
}

TEST(HeadsetK27Frame, AModeOutsideTheFourMakesNoFrame) {
  HeadsetLightSettings light{};
  light.mode = 4;
  LedColor leds[HEADSET_K27_LED_COUNT] = {{1, 2, 3, 4}};
  EXPECT_FALSE(GenerateHeadsetK27Frame(light, leds));
  EXPECT_EQ(1, leds[0].red);
}
}  // namespace
