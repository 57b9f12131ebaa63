// What a mode selection starts its effect from, after the keyboard's effect state was cleared.
#include "keyboard_effects.h"
#include "lighting_state.h"

namespace {
constexpr uint8_t kWheel = COLOR_WHEEL_STEPS;

template <class F>
void ForGridKeys(F f) {
  for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c)
    for (size_t r = 0; r < KEY_GRID_ROWS; ++r) {
      const uint8_t key = KEYBOARD_KEY_GRID[c * KEY_GRID_ROWS + r];
      if (key < KEYBOARD_LED_COUNT) f(c, r, key);
    }
}

void MarkAllPlanes(size_t column, uint8_t bits) {
  for (auto& plane : KeyboardLightState.planes) plane[column] |= bits;
}
}  // namespace

void SeedKeyboardKeyPhases() {
  unsigned v = 0;
  for (uint8_t& step : KeyboardLightState.steps) {
    v += 33;
    if (v > kWheel) v -= kWheel;
    step = static_cast<uint8_t>(v);
  }
}

// Below the bottom row: the first ripple starts there.
void SeedKeyboardRipplePlanes() { MarkAllPlanes(9, 0x40); }

void SeedKeyboardColumnPhases() {
  ForGridKeys([](size_t c, size_t r, uint8_t key) {
    KeyboardLightState.fade[key] = KEYBOARD_CYCLE_SEEDS[c * KEY_GRID_ROWS + r];
    KeyboardLightState.steps[key] = static_cast<uint8_t>(7 * c);
  });
}

void SeedKeyboardScrollPlanes() { MarkAllPlanes(1, 0x01); }

void SeedKeyboardOneColorPhases() {
  ForGridKeys([](size_t c, size_t r, uint8_t key) { KeyboardOneColorPhases[key] = KEYBOARD_CYCLE_SEEDS[c * KEY_GRID_ROWS + r]; });
}

// Empty cells still advance the running value.
void SeedKeyboardOneColorGradient() {
  for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c) {
    uint8_t a = static_cast<uint8_t>(192 - 8 * c);
    for (size_t r = 0; r < KEY_GRID_ROWS; ++r) {
      uint8_t b = static_cast<uint8_t>(a - 35);
      if (b >= kWheel) b = static_cast<uint8_t>(a - 98);
      const uint8_t key = KEYBOARD_KEY_GRID[c * KEY_GRID_ROWS + r];
      if (key < KEYBOARD_LED_COUNT) KeyboardOneColorPhases[key] = b;
      a = b;
    }
  }
}
