#include "keyboard_led_frame.h"

#include <cstring>

#include "clock.h"
#include "keyboard_light_settings.h"

namespace {
constexpr DWORD kHardwareCommandPauseMs = 50;

uint8_t Scaled(uint8_t component, uint8_t level) {
  return static_cast<uint8_t>(static_cast<uint16_t>(component * level) >> 8);
}
}  // namespace

const KeyboardLedMap& KeyboardFrameMapOf(int model) {
  return model == KEYBOARD_MODEL_RGB ? KEYBOARD_LED_MAP_RGB : KEYBOARD_LED_MAP_RGB2;
}

void BuildKeyboardLedFrame(int model, const LedColor* leds, uint8_t (&frame)[KEYBOARD_RGB_FRAME_SIZE]) {
  std::memset(frame, 0, sizeof frame);
  const KeyboardLedMap& map = KeyboardFrameMapOf(model);
  for (size_t key = 0; key < KEYBOARD_LED_COUNT; ++key) {
    const uint32_t led = static_cast<uint8_t>(map[key]);
    if (led >= KEYBOARD_LED_COUNT) continue;
    const LedColor record = leds[key];
    frame[3 * led] = Scaled(record.red, record.level);
    frame[3 * led + 1] = Scaled(record.green, record.level);
    frame[3 * led + 2] = Scaled(record.blue, record.level);
  }
}

void KeyboardFrameGate::Tick(DeviceCommandChannel& channel, uint8_t mode, bool framesEnabled,
                             const uint8_t (&frame)[KEYBOARD_RGB_FRAME_SIZE]) {
  if (gate_ == 1) {
    if (mode == KEYBOARD_DEVICE_MODE_A || mode == KEYBOARD_DEVICE_MODE_B) {
      CurrentClock().Sleep(kHardwareCommandPauseMs);
      channel.SendHardwareLightingCommand();
    } else if (framesEnabled) {
      channel.SendLedFrame(frame, sizeof frame);
    }
    gate_ = 0;
  }
  ++gate_;
}
