#pragma once
// LED records and the scratch state of the software lighting effects. The states are process-wide
// and unlocked: the lighting threads step them while the window thread clears them. Every field is
// a single byte, and every index taken from them is bounded before use, so an interleaved update
// can only change one frame of an animation.
#include <cstddef>
#include <cstdint>

#include "lighting_tables.h"

// One LED of a software frame; the device gets component * level >> 8.
struct LedColor {
  uint8_t red;
  uint8_t green;
  uint8_t blue;
  uint8_t level;
};
static_assert(sizeof(LedColor) == 4, "LED records are sent and compared as 4 bytes");

constexpr size_t MOUSE_LED_COUNT = 20;
constexpr size_t MOUSEPAD_LED_COUNT = 15;
constexpr size_t HEADSET_LED_COUNT = 13;
constexpr size_t HEADSET_K27_LED_COUNT = 8;

// The mouse and the mouse pad use their fourth plane as a ring of this many bytes.
constexpr size_t MOUSE_RING_LENGTH = 23;
constexpr size_t MOUSEPAD_RING_LENGTH = 15;
constexpr size_t RING_PLANE = 3;

// What every effect state has: a running phase and the colour the current step works on.
struct LightPhaseState {
  uint8_t phase;
  uint8_t scratchRed;
  uint8_t scratchGreen;
  uint8_t scratchBlue;
};

struct LightEffectState : LightPhaseState {
  uint8_t steps[KEYBOARD_LED_COUNT];  // per LED a colour index or a phase of its own
  uint8_t fade[KEYBOARD_LED_COUNT];   // per LED a level that falls step by step
  // Four bit planes over the key grid's columns: bit r of planes[p][c] marks row r of column c.
  uint8_t planes[4][KEY_GRID_COLUMNS];
  uint8_t stage;  // keyboard sequence effect only
};

extern LightEffectState KeyboardLightState;
extern LightEffectState MouseLightState;
extern LightEffectState MousePadLightState;
// Also the phase of some keyboard effects, which never run while the keyboard is synchronised.
extern LightPhaseState SyncLightState;
extern LightPhaseState HeadsetLightState;
extern LightPhaseState HeadsetK27LightState;

// Per-key phases of the one-colour keyboard's cycle effects.
extern uint8_t KeyboardOneColorPhases[KEYBOARD_LED_COUNT];
// One wrapping colour counter shared by the keyboard, mouse and mouse-pad effects.
extern uint8_t EffectColorCounter;

// Every state above back to zero, as at start; for test fixtures.
void ResetLightingStates();
