#pragma once
#include <array>
#include <atomic>
#include <cstdint>

#include "device_command_channel.h"
#include "headset_state.h"
#include "lighting_state.h"

// The K27 headset's LEDs are driven from the PC: every frame goes out as twelve 17-byte output
// reports, three colours of LEDs 0 .. 6 and of LED 7, each to both LED controllers (0x22, 0x44).
using HeadsetK27LedReport = std::array<uint8_t, 17>;
constexpr size_t kHeadsetK27FrameReportCount = 12;
using HeadsetK27FrameReports = std::array<HeadsetK27LedReport, kHeadsetK27FrameReportCount>;

using HeadsetK27Leds = LedColor[HEADSET_K27_LED_COUNT];
// The K27's four effects: the shared generators over its eight LEDs and in its timing.
void GenerateHeadsetK27WaveFrame(HeadsetLightSettings& light, HeadsetK27Leds& leds);
void GenerateHeadsetK27SpectrumFrame(HeadsetLightSettings& light, HeadsetK27Leds& leds);
void GenerateHeadsetK27BreathFrame(HeadsetLightSettings& light, HeadsetK27Leds& leds);
void GenerateHeadsetK27StaticFrame(HeadsetLightSettings& light, HeadsetK27Leds& leds);
// The frame of the record's mode (0 wave, 1 colour cycle, 2 breathing, 3 static) into `leds`;
// false, with `leds` unchanged, for any other mode.
bool GenerateHeadsetK27Frame(HeadsetLightSettings& light, HeadsetK27Leds& leds);

// component * level / 256, sent as at most 247.
uint8_t HeadsetK27LedValue(uint8_t component, uint8_t level);

// The frame's reports in sending order. One buffer is changed from report to report, so the LED 7
// reports carry LEDs 1 .. 6 of their colour after LED 7's value; bytes 3 and 11 .. 16 stay 0.
HeadsetK27FrameReports BuildHeadsetK27FrameReports(const LedColor (&leds)[HEADSET_K27_LED_COUNT]);

struct HeadsetK27FrameOutcome {
  enum class Result { Absent, Sent, FirstRefused } result = Result::Absent;
  uint32_t connection = 0;  // the connection that the frame went to
};

// Sends the frame under the channel's lock, so the detection cannot replace the connection in the
// middle of a frame: nothing when the headset is not connected. Only the first report's result is
// examined.
HeadsetK27FrameOutcome SendHeadsetK27Frame(DeviceCommandChannel& channel, const std::atomic<uint32_t>& connections,
                                           const HeadsetK27FrameReports& reports);

// "fail to write data" is shown once per connection, however many frames fail.
class HeadsetK27WriteFailureNotice {
 public:
  bool ShouldShow(uint32_t connection) {
    if (connection == shownFor_) return false;
    shownFor_ = connection;
    return true;
  }

 private:
  uint32_t shownFor_ = 0;  // connections count from 1
};
