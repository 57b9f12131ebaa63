#pragma once
// The mouse's seven software lighting effects over its 20 LED records, and the 60-byte frame
// built from them. The effects read the live settings and step the process-wide mouse lighting
// state without a lock; every index taken from the settings is bounded first.
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "lighting_state.h"

// Live-settings bytes of the lighting.
constexpr size_t MOUSE_LIGHT_MODE = 1;
constexpr size_t MOUSE_LIGHT_LEVEL = 2;
constexpr size_t MOUSE_LIGHT_SPEED = 3;
constexpr size_t MOUSE_LIGHT_DIRECTION = 4;
constexpr size_t MOUSE_LIGHT_MULTICOLOUR = 5;
constexpr size_t MOUSE_LIGHT_RED = 6;  // then green, blue
constexpr size_t MOUSE_LIGHT_PALETTE = 9;

constexpr uint8_t MOUSE_MODE_RIPPLE = 5;
constexpr int MOUSE_MODE_COUNT = 7;
constexpr size_t MOUSE_LED_FRAME_SIZE = 3 * MOUSE_LED_COUNT;

// Breathing in multicolour: three palettes of one colour per LED group.
extern const std::array<std::array<RgbColor, MOUSE_LED_GROUP_COUNT>, 3> MOUSE_BREATHING_PALETTES;

// The fill effect's count (runs 1..8, 7..-1, 0..8, ...) and direction of travel; kept for the run.
struct MouseFillState {
  int32_t count;
  uint8_t falling;
};
// The reactive flash: lit from the step that takes a flash request until the first step that finds
// its time over; kept for the run.
struct MouseReactiveState {
  uint8_t active;
  uint8_t colourIndex;
  DWORD start;
  uint8_t curvePosition;
};
extern MouseFillState MouseFillEffect;
extern MouseReactiveState MouseReactiveEffect;
// Both back to their start; for test fixtures.
void ResetMouseEffectStates();

using MouseLeds = LedColor[MOUSE_LED_COUNT];

void StepMouseWave(MouseLeds& leds);
void StepMouseSpectrum(MouseLeds& leds);
void StepMouseBreathing(MouseLeds& leds);
void StepMouseStatic(MouseLeds& leds);
void StepMouseFill(MouseLeds& leds);
void StepMouseRipple(MouseLeds& leds);
void StepMouseReactive(MouseLeds& leds);

// The ring marks of positions 0..13 start their fade levels (and, in multicolour, their colours).
void MarkMouseRippleRing();
// A new ripple: one mark where the direction starts it (position 7 forward, else 0).
void SeedMouseRipple(uint8_t direction);

struct MouseEffect {
  void (*step)(MouseLeds& leds);
  DWORD pauseMs;  // before the step
};
// The effect of a mode; null for a mode the mouse does not have.
const MouseEffect* MouseEffectFor(uint8_t mode);

// Byte 3i + c is component c of LED i times its level, shifted right by 8.
void BuildMouseLedFrame(const MouseLeds& leds, uint8_t (&frame)[MOUSE_LED_FRAME_SIZE]);
// The previews' packing: red | blue << 8 | green << 16.
DWORD MousePreviewColour(const LedColor& led);
