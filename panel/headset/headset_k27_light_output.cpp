#include "headset_k27_light_output.h"

#include <algorithm>

#include "headset_light_generators.h"

namespace {
constexpr uint8_t kReportId = 0xFF;
constexpr uint8_t kHighestValue = 0xF7;
constexpr size_t kGroupLeds = 7;  // LEDs 0 .. 6 travel together, LED 7 alone
constexpr size_t kFirstValueByte = 4;

enum Colour { kRed, kGreen, kBlue };

struct ReportStep {
  uint8_t target;
  uint8_t command;
};
// Per colour: the group to both controllers, then LED 7 to both in the other order.
constexpr ReportStep kSteps[kHeadsetK27FrameReportCount] = {
    {0x22, 0xAA}, {0x44, 0xAA}, {0x44, 0xAD}, {0x22, 0xAD}, {0x22, 0xAB}, {0x44, 0xAB},
    {0x44, 0xAE}, {0x22, 0xAE}, {0x22, 0xAC}, {0x44, 0xAC}, {0x44, 0xAF}, {0x22, 0xAF},
};

uint8_t ComponentOf(const LedColor& led, Colour colour) {
  switch (colour) {
    case kRed: return led.red;
    case kGreen: return led.green;
    case kBlue: return led.blue;
  }
  return 0;
}
}  // namespace

void GenerateHeadsetK27WaveFrame(HeadsetLightSettings& light, HeadsetK27Leds& leds) {
  GenerateHeadsetWaveFrame(kK27HeadsetLighting, light, leds, HEADSET_K27_LED_COUNT);
}

void GenerateHeadsetK27SpectrumFrame(HeadsetLightSettings& light, HeadsetK27Leds& leds) {
  GenerateHeadsetSpectrumFrame(kK27HeadsetLighting, light, leds, HEADSET_K27_LED_COUNT);
}

void GenerateHeadsetK27BreathFrame(HeadsetLightSettings& light, HeadsetK27Leds& leds) {
  GenerateHeadsetBreathFrame(kK27HeadsetLighting, light, leds, HEADSET_K27_LED_COUNT);
}

void GenerateHeadsetK27StaticFrame(HeadsetLightSettings& light, HeadsetK27Leds& leds) {
  GenerateHeadsetStaticFrame(light, leds, HEADSET_K27_LED_COUNT);
}

bool GenerateHeadsetK27Frame(HeadsetLightSettings& light, HeadsetK27Leds& leds) {
  switch (light.mode) {
    case 0: GenerateHeadsetK27WaveFrame(light, leds); return true;
    case 1: GenerateHeadsetK27SpectrumFrame(light, leds); return true;
    case 2: GenerateHeadsetK27BreathFrame(light, leds); return true;
    case 3: GenerateHeadsetK27StaticFrame(light, leds); return true;
    default: return false;
  }
}

uint8_t HeadsetK27LedValue(uint8_t component, uint8_t level) {
  return static_cast<uint8_t>(std::min<unsigned>(component * level / 256u, kHighestValue));
}

HeadsetK27FrameReports BuildHeadsetK27FrameReports(const LedColor (&leds)[HEADSET_K27_LED_COUNT]) {
  HeadsetK27FrameReports reports{};
  HeadsetK27LedReport buffer{};
  buffer[0] = kReportId;
  for (size_t i = 0; i < kHeadsetK27FrameReportCount; ++i) {
    const ReportStep step = kSteps[i];
    buffer[1] = step.target;
    buffer[2] = step.command;
    const bool groupReport = step.command <= 0xAC;
    const Colour colour = static_cast<Colour>(groupReport ? step.command - 0xAA : step.command - 0xAD);
    if (groupReport) {
      for (size_t led = 0; led < kGroupLeds; ++led)
        buffer[kFirstValueByte + led] = HeadsetK27LedValue(ComponentOf(leds[led], colour), leds[led].level);
    } else {
      const LedColor& last = leds[kGroupLeds];
      buffer[kFirstValueByte] = HeadsetK27LedValue(ComponentOf(last, colour), last.level);
    }
    reports[i] = buffer;
  }
  return reports;
}

HeadsetK27FrameOutcome SendHeadsetK27Frame(DeviceCommandChannel& channel, const std::atomic<uint32_t>& connections,
                                           const HeadsetK27FrameReports& reports) {
  std::lock_guard<std::recursive_mutex> lock(channel.m_lock);
  HeadsetK27FrameOutcome outcome;
  if (!channel.IsConnected()) return outcome;
  outcome.connection = connections;
  HidDevice& device = channel.m_device;
  const DWORD length = static_cast<DWORD>(reports[0].size());
  const bool firstTaken = device.SetOutputReport(reports[0].data(), length) != 0;
  for (size_t i = 1; i < reports.size(); ++i) device.SetOutputReport(reports[i].data(), length);
  outcome.result = firstTaken ? HeadsetK27FrameOutcome::Result::Sent : HeadsetK27FrameOutcome::Result::FirstRefused;
  return outcome;
}
