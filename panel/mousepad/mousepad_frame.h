#pragma once
// The mouse pad's LED frame: three bytes per LED, each component times the LED's level >> 8.
#include <array>
#include <cstddef>
#include <cstdint>

#include "device_command_channel.h"
#include "mousepad_effects.h"

constexpr size_t MOUSEPAD_FRAME_SIZE = MOUSEPAD_LED_COUNT * 3;
// The pad takes LEDs 0..10 of a frame.
constexpr size_t MOUSEPAD_FRAME_SENT = 33;

using MousePadFrame = std::array<uint8_t, MOUSEPAD_FRAME_SIZE>;

MousePadFrame BuildMousePadLedFrame(const MousePadLeds& leds);

// One 0x12 report of the frame's first 33 bytes; nothing while the channel's frame sending is off.
int SendMousePadLedFrame(DeviceCommandChannel& channel, const MousePadLeds& leds);

// The preview colour of an LED record, packed red | blue << 8 | green << 16.
uint32_t MousePadPreviewColor(const LedColor& led);
