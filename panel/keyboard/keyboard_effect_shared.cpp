#include "keyboard_effect_shared.h"

#include "lighting_helpers.h"
#include "lighting_tables.h"

uint8_t KeyboardTwinklePositions[3] = {};

namespace {
constexpr uint8_t kFlashCounterStep = 11;
constexpr uint8_t kTwinkleCounterStep = 10;
constexpr uint8_t kFillCounterStep = 13;
constexpr uint8_t kFillFade = 254;
constexpr uint8_t kLastFillPosition = 105;
constexpr uint8_t kSequenceRowSteps = 20;
constexpr uint8_t kSequencePairSteps = 31;
constexpr uint8_t kSequenceWaitKey = 72;
constexpr uint8_t kSequenceCentreKey = 52;
constexpr uint8_t kSequenceEdgeKey = 105;
constexpr int kTwinklesPerStep = 3;

void LightKeys(const uint8_t* keys, size_t count, bool multicolour) {
  for (size_t i = 0; i < count; ++i)
    if (keys[i] != NO_SEQUENCE_KEY) LightKeyboardFlashKey(keys[i], multicolour);
}
}  // namespace

void LightKeyboardFlashKey(uint8_t key, bool multicolour) {
  if (key >= KEYBOARD_LED_COUNT) return;
  KeyboardLightState.fade[key] = 255;
  if (!multicolour) return;
  EffectColorCounter = static_cast<uint8_t>(EffectColorCounter + kFlashCounterStep);
  KeyboardLightState.steps[key] = EffectColorCounter;
}

void FlashKeyboardPlaneKeys(bool multicolour) {
  const auto& planes = KeyboardLightState.planes;
  for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c) {
    const uint8_t marked = planes[0][c] | planes[1][c] | planes[2][c] | planes[3][c];
    for (size_t r = 0; r < KEY_GRID_ROWS; ++r)
      if (marked & (1u << r)) LightKeyboardFlashKey(KEYBOARD_KEY_GRID[c * KEY_GRID_ROWS + r], multicolour);
  }
}

void StepKeyboardSequenceStages(bool multicolour) {
  LightEffectState& state = KeyboardLightState;
  uint8_t& s = state.phase;
  switch (state.stage) {
    case 0:
      if (s >= kSequenceRowSteps) s = 0;  // left there by another effect
      LightKeys(KEYBOARD_SEQUENCE_ROWS[s].data(), KEYBOARD_SEQUENCE_ROWS[s].size(), multicolour);
      if (++s >= kSequenceRowSteps) {
        s = 0;
        state.stage = 1;
      }
      break;
    case 1:
      if (s < kSequencePairSteps) {
        const auto& pair = KEYBOARD_SEQUENCE_PAIRS[s % KEYBOARD_SEQUENCE_PAIRS.size()];
        LightKeys(pair.data(), pair.size(), multicolour);
        ++s;
      } else if (state.fade[kSequenceWaitKey] == 0) {
        s = 0;
        state.stage = 2;
      }
      break;
    case 2:
      MarkKeyboardGridKey(kSequenceCentreKey);
      state.stage = 3;
      break;
    case 3:
      FlashKeyboardPlaneKeys(multicolour);
      SpreadKeyboardGridPlanes();
      if (state.fade[kSequenceEdgeKey] != 0) state.stage = 4;
      break;
    default:
      if (state.fade[kSequenceEdgeKey] == 0) {
        state.stage = 0;
        s = 0;
      }
      break;
  }
}

void LightKeyboardTwinkleKeys(uint8_t& position) {
  for (int i = 0; i < kTwinklesPerStep; ++i) {
    if (++position >= KEYBOARD_RANDOM_ORDER.size()) position = 0;
    const uint8_t key = KEYBOARD_LED_ORDER[KEYBOARD_RANDOM_ORDER[position] % KEYBOARD_LED_ORDER.size()];
    EffectColorCounter = static_cast<uint8_t>(EffectColorCounter + kTwinkleCounterStep);
    if (key >= KEYBOARD_LED_COUNT) continue;
    KeyboardLightState.steps[key] = EffectColorCounter;
    KeyboardLightState.fade[key] = 255;
  }
}

void LightKeyboardFillKey(const uint8_t* order, size_t orderLength) {
  uint8_t& position = SyncLightState.phase;
  if (position > kLastFillPosition || position >= orderLength) {
    position = 0;
    return;
  }
  const uint8_t key = order[position];
  ++position;
  EffectColorCounter = static_cast<uint8_t>(EffectColorCounter + kFillCounterStep);
  if (key >= KEYBOARD_LED_COUNT) return;
  KeyboardLightState.fade[key] = kFillFade;
  KeyboardLightState.steps[key] = EffectColorCounter;
}
