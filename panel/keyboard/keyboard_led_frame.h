#pragma once
// The keyboard's RGB frame and the frame timer's sending rule.
#include <cstddef>
#include <cstdint>

#include "device_command_channel.h"
#include "keyboard_led_maps.h"
#include "lighting_state.h"

constexpr size_t KEYBOARD_RGB_FRAME_SIZE = 378;

// The map the RGB frame is built with: each RGB model's own numbering, so that model 0's
// backslash key reaches its LED 55; the one-colour model keeps the RGB2 map.
const KeyboardLedMap& KeyboardFrameMapOf(int model);

// LED n at bytes 3n..3n+2: red, green, blue of the record whose UI key maps to it, each times the
// record's level >> 8; LEDs that no key maps to stay 0.
void BuildKeyboardLedFrame(int model, const LedColor* leds, uint8_t (&frame)[KEYBOARD_RGB_FRAME_SIZE]);

// The frame timer's sender: the first tick after start sends nothing, every later one sends the
// frame, or in the device-run modes command 0x13 after a 50 ms pause (also while frames are off).
class KeyboardFrameGate {
 public:
  void Tick(DeviceCommandChannel& channel, uint8_t mode, bool framesEnabled,
            const uint8_t (&frame)[KEYBOARD_RGB_FRAME_SIZE]);

 private:
  int gate_ = 0;
};
