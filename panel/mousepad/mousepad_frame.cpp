#include "mousepad_frame.h"

namespace {
uint8_t Dimmed(uint8_t component, uint8_t level) { return static_cast<uint8_t>(component * level >> 8); }
}  // namespace

MousePadFrame BuildMousePadLedFrame(const MousePadLeds& leds) {
  MousePadFrame frame{};
  for (size_t i = 0; i < MOUSEPAD_LED_COUNT; ++i) {
    frame[3 * i] = Dimmed(leds[i].red, leds[i].level);
    frame[3 * i + 1] = Dimmed(leds[i].green, leds[i].level);
    frame[3 * i + 2] = Dimmed(leds[i].blue, leds[i].level);
  }
  return frame;
}

int SendMousePadLedFrame(DeviceCommandChannel& channel, const MousePadLeds& leds) {
  const MousePadFrame frame = BuildMousePadLedFrame(leds);
  return channel.SendLedFrame(frame.data(), MOUSEPAD_FRAME_SENT);
}

uint32_t MousePadPreviewColor(const LedColor& led) {
  return static_cast<uint32_t>(led.red | led.blue << 8 | led.green << 16);
}
