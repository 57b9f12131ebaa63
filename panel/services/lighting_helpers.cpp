#include "lighting_helpers.h"

#include <cstring>

namespace {

// Shared bytes are read once into a local and written once, so a value that another thread changes
// meanwhile is never bounded in one read and used from another.
uint8_t StepPhase(uint8_t& phase, uint8_t forward, uint8_t count) {
  const uint8_t next = StepLightPhase(forward, count, phase, 1);
  phase = next;
  return next;
}

uint8_t StepHeadsetPhase(uint8_t& phase, uint8_t forward, uint8_t limit) {
  uint8_t next;
  if (forward) {
    next = static_cast<uint8_t>(phase + 3);
    if (next >= limit) next = static_cast<uint8_t>(next - limit);
  } else {
    next = static_cast<uint8_t>(phase - 3);
    if (next >= limit) next = static_cast<uint8_t>(limit - 3);
  }
  phase = next;
  return next;
}

uint8_t ScaleComponent(uint8_t component, uint16_t f) {
  return static_cast<uint8_t>(static_cast<uint16_t>(component * f) >> 8);
}

void ScaleColor(LightPhaseState& state, uint16_t f) {
  state.scratchRed = ScaleComponent(state.scratchRed, f);
  state.scratchGreen = ScaleComponent(state.scratchGreen, f);
  state.scratchBlue = ScaleComponent(state.scratchBlue, f);
}

void ScaleColorPlusOne(LightPhaseState& state, uint16_t factor) {
  ScaleColor(state, static_cast<uint16_t>(factor + 1));
}

// How much one fade step takes off a level, by its highest bits and size. Levels never fall below
// 0, which is how "1..8 go to 0" reads as well.
struct FadeRule {
  uint8_t bit7;
  uint8_t bit6;
  uint8_t bit5;
  uint8_t above16;
  uint8_t from9to16;
  uint8_t from1to8;
};

constexpr FadeRule KEYBOARD_RIPPLE_FADE = {40, 30, 10, 8, 4, 8};
constexpr FadeRule KEYBOARD_FADE = {30, 20, 10, 5, 4, 8};
constexpr FadeRule MOUSE_RIPPLE_FADE = {40, 30, 10, 8, 4, 4};
constexpr FadeRule MOUSE_FADE = {15, 10, 7, 3, 1, 1};
constexpr FadeRule MOUSEPAD_RIPPLE_FADE = {40, 30, 20, 5, 5, 1};
constexpr FadeRule MOUSEPAD_FADE = {15, 10, 7, 3, 1, 1};

constexpr uint8_t RIPPLE_MODE = 5;

uint8_t FadeStep(uint8_t level, const FadeRule& rule) {
  uint8_t cut;
  if (level & 0x80) {
    cut = rule.bit7;
  } else if (level & 0x40) {
    cut = rule.bit6;
  } else if (level & 0x20) {
    cut = rule.bit5;
  } else if (level > 16) {
    cut = rule.above16;
  } else if (level > 8) {
    cut = rule.from9to16;
  } else {
    cut = rule.from1to8;
  }
  return level > cut ? static_cast<uint8_t>(level - cut) : 0;
}

void Fade(LightEffectState& state, uint8_t led, uint8_t mode, const FadeRule& ripple,
          const FadeRule& other) {
  if (led >= sizeof(state.fade)) return;
  state.fade[led] = FadeStep(state.fade[led], mode == RIPPLE_MODE ? ripple : other);
}

void RotateRing(uint8_t* ring, size_t length, uint8_t forward) {
  if (forward) {
    const uint8_t last = ring[length - 1];
    std::memmove(ring + 1, ring, length - 1);
    ring[0] = last;
  } else {
    const uint8_t first = ring[0];
    std::memmove(ring, ring + 1, length - 1);
    ring[length - 1] = first;
  }
}

void ClearEffectState(LightEffectState& state) {
  state.phase = 0;
  std::memset(state.steps, 0, sizeof(state.steps));
  std::memset(state.fade, 0, sizeof(state.fade));
  std::memset(state.planes, 0, sizeof(state.planes));
}

// The four ripple planes each spread into one quadrant: rows up (>> 1) or down (<< 1), columns to
// the left (from c + 1) or to the right (from c - 1).
enum RipplePlane { DOWN_LEFT = 0, DOWN_RIGHT = 1, UP_RIGHT = 2, UP_LEFT = 3 };

void SpreadLeft(uint8_t* plane, bool down) {
  // Ascending, so column c + 1 still holds its old value when column c reads it.
  for (size_t c = 0; c + 1 < KEY_GRID_COLUMNS; ++c) {
    const uint8_t moved = down ? static_cast<uint8_t>(plane[c] << 1) : plane[c] >> 1;
    plane[c] = moved | plane[c + 1];
  }
  uint8_t& last = plane[KEY_GRID_COLUMNS - 1];
  last = down ? static_cast<uint8_t>(last << 1) : last >> 1;
}

void SpreadRight(uint8_t* plane, bool down) {
  for (size_t c = KEY_GRID_COLUMNS - 1; c > 0; --c) {
    const uint8_t moved = down ? static_cast<uint8_t>(plane[c] << 1) : plane[c] >> 1;
    plane[c] = moved | plane[c - 1];
  }
  plane[0] = down ? static_cast<uint8_t>(plane[0] << 1) : plane[0] >> 1;
}

}  // namespace

uint8_t StepLightPhase(uint8_t forward, uint8_t limit, uint8_t value, uint8_t step) {
  if (forward) {
    const unsigned next = value + step;
    return next >= limit ? 0 : static_cast<uint8_t>(next);
  }
  const uint8_t next = static_cast<uint8_t>(value - step);
  return next >= limit ? static_cast<uint8_t>(limit - step) : next;
}

uint8_t StepKeyboardLightPhase(uint8_t forward, uint8_t count) {
  return StepPhase(KeyboardLightState.phase, forward, count);
}
uint8_t StepMouseLightPhase(uint8_t forward, uint8_t count) {
  return StepPhase(MouseLightState.phase, forward, count);
}
uint8_t StepMousePadLightPhase(uint8_t forward, uint8_t count) {
  return StepPhase(MousePadLightState.phase, forward, count);
}
uint8_t StepSyncLightPhase(uint8_t forward, uint8_t count) {
  return StepPhase(SyncLightState.phase, forward, count);
}

uint8_t StepHeadsetLightPhase(uint8_t forward, uint8_t limit) {
  return StepHeadsetPhase(HeadsetLightState.phase, forward, limit);
}
uint8_t StepHeadsetK27LightPhase(uint8_t forward, uint8_t limit) {
  return StepHeadsetPhase(HeadsetK27LightState.phase, forward, limit);
}

void ScaleKeyboardLightColor(uint16_t factor) { ScaleColor(KeyboardLightState, factor); }
void ScaleSyncLightColor(uint16_t factor) { ScaleColorPlusOne(SyncLightState, factor); }
void ScaleMouseLightColor(uint16_t factor) { ScaleColorPlusOne(MouseLightState, factor); }
void ScaleMousePadLightColor(uint16_t factor) { ScaleColorPlusOne(MousePadLightState, factor); }
void ScaleHeadsetLightColor(uint16_t factor) { ScaleColorPlusOne(HeadsetLightState, factor); }
void ScaleHeadsetK27LightColor(uint16_t factor) { ScaleColorPlusOne(HeadsetK27LightState, factor); }

void FadeKeyboardKey(uint8_t led, uint8_t mode) {
  Fade(KeyboardLightState, led, mode, KEYBOARD_RIPPLE_FADE, KEYBOARD_FADE);
}
void FadeMouseLed(uint8_t led, uint8_t mode) {
  Fade(MouseLightState, led, mode, MOUSE_RIPPLE_FADE, MOUSE_FADE);
}
void FadeMousePadLed(uint8_t led, uint8_t mode) {
  Fade(MousePadLightState, led, mode, MOUSEPAD_RIPPLE_FADE, MOUSEPAD_FADE);
}

void RotateMouseLightRing(uint8_t forward) {
  RotateRing(MouseLightState.planes[RING_PLANE], MOUSE_RING_LENGTH, forward);
}
void RotateMousePadLightRing(uint8_t forward) {
  RotateRing(MousePadLightState.planes[RING_PLANE], MOUSEPAD_RING_LENGTH, forward);
}

void MarkKeyboardGridKey(uint8_t key) {
  // NO_KEY also fills the empty cells; marking one would start a ripple from nowhere.
  if (key == NO_KEY) return;
  for (size_t cell = 0; cell < KEY_GRID_CELLS; ++cell) {
    if (KEYBOARD_KEY_GRID[cell] != key) continue;
    const uint8_t rowBit = static_cast<uint8_t>(1u << (cell % KEY_GRID_ROWS));
    for (uint8_t* plane : KeyboardLightState.planes) plane[cell / KEY_GRID_ROWS] |= rowBit;
    return;
  }
}

void SpreadKeyboardGridPlanes() {
  uint8_t(&planes)[4][KEY_GRID_COLUMNS] = KeyboardLightState.planes;
  SpreadLeft(planes[UP_LEFT], false);
  SpreadLeft(planes[DOWN_LEFT], true);
  SpreadRight(planes[UP_RIGHT], false);
  SpreadRight(planes[DOWN_RIGHT], true);
}

void RenderKeyboardGridPlanes(uint8_t value, uint8_t keep) {
  const uint8_t(&planes)[4][KEY_GRID_COLUMNS] = KeyboardLightState.planes;
  for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c) {
    const uint8_t marked = planes[0][c] | planes[1][c] | planes[2][c] | planes[3][c];
    for (size_t r = 0; r < KEY_GRID_ROWS; ++r) {
      const uint8_t key = KEYBOARD_KEY_GRID[c * KEY_GRID_ROWS + r];
      if (key == NO_KEY) continue;
      if (marked & (1u << r)) {
        KeyboardLightState.fade[key] = value;
      } else if (!keep) {
        KeyboardLightState.fade[key] = 0;
      }
    }
  }
}

uint8_t LookupKeyboardLed(uint8_t key) {
  if (key == NO_KEY) return NO_KEY;
  for (size_t i = 0; i < KEYBOARD_LED_COUNT; ++i) {
    if (KEYBOARD_KEY_ORDER[i] == key) return KEYBOARD_LED_ORDER[i];
  }
  return NO_KEY;
}

void ClearKeyboardLightState() {
  ClearEffectState(KeyboardLightState);
  KeyboardLightState.stage = 0;
}
void ClearMouseLightState() { ClearEffectState(MouseLightState); }
void ClearMousePadLightState() { ClearEffectState(MousePadLightState); }

void ZeroLightBuffer(uint8_t* buffer, uint32_t count) { std::memset(buffer, 0, count); }
