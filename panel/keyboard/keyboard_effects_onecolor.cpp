// The one-colour keyboard's effects: one level per LED. Each step shows its keys in the previews
// and in a level frame of 126 bytes (108 for the random fill) that the caller sends.
#include "keyboard_effect_shared.h"
#include "keyboard_effects.h"
#include "keyboard_led_maps.h"
#include "keyboard_light_settings.h"
#include "lighting_helpers.h"

namespace {
constexpr uint8_t kWave = 96;
constexpr uint8_t kPulse = 128;
constexpr uint8_t kPhaseLimit = 191;
constexpr size_t kLevelFrameBytes = KEYBOARD_LED_COUNT;
constexpr size_t kFillFrameBytes = 108;
constexpr size_t kPathEntries = 105;
constexpr size_t kCycleEntries = 106;

template <class F>
void ForOrder(size_t count, F f) {
  for (size_t i = 0; i < count; ++i)
    if (KEYBOARD_KEY_ORDER[i] != NO_KEY) f(KEYBOARD_KEY_ORDER[i]);
}

// Fade each key one step and show it at its fade level.
void ShowFaded(KeyboardEffectContext& context, uint8_t key) {
  const KeyboardLightView view(context.keyboard);
  if (key >= KEYBOARD_LED_COUNT) return;
  FadeKeyboardKey(key, view.Mode());
  context.ShowOneColorKey(key, ScaleByte(view.Level(), KeyboardLightState.fade[key]));
}

void ShowFadedOrder(KeyboardEffectContext& context) {
  ForOrder(KEYBOARD_LED_COUNT, [&](uint8_t key) { ShowFaded(context, key); });
}
}  // namespace

void StepKeyboardOneColorWaveEffect(KeyboardEffectContext& context) {
  const KeyboardLightView view(context.keyboard);
  // The running value lives in the synchronised phase byte, as the keyboard's own thread leaves it.
  uint8_t& p = SyncLightState.phase;
  p = StepKeyboardLightPhase(view.Forward(), kWave);
  for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c) {
    const uint8_t level = ScaleByte(view.Level(), WAVE_CURVE[p % kWave]);
    for (size_t r = 0; r < KEY_GRID_ROWS; ++r) context.ShowOneColorKey(KEYBOARD_KEY_GRID[c * KEY_GRID_ROWS + r], level);
    p = AdvanceWrapped(p % kWave, 7, kWave);
  }
  context.frameLength = kLevelFrameBytes;
}

void StepKeyboardOneColorBreathingEffect(KeyboardEffectContext& context) {
  uint8_t& phase = KeyboardLightState.phase;
  phase = static_cast<uint8_t>(phase + 1);
  if (phase >= kPulse) phase = 0;
  const uint8_t level = ScaleByte(KeyboardLightView(context.keyboard).Level(), PULSE_CURVE[phase]);
  for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key) context.Preview(key, ONECOLOR_PREVIEW_COLOUR, level);
  context.levelFrame.fill(level);
  context.frameLength = kLevelFrameBytes;
}

void StepKeyboardOneColorStaticEffect(KeyboardEffectContext& context) {
  const uint8_t B = KeyboardLightView(context.keyboard).Level();
  for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key) {
    context.Preview(key, ONECOLOR_PREVIEW_COLOUR, B);
    context.SetRecord(key, KeyboardLightState.scratchRed, KeyboardLightState.scratchGreen,
                      KeyboardLightState.scratchBlue, B);
  }
  context.levelFrame.fill(B);
  context.frameLength = kLevelFrameBytes;
}

// The marked ring is drawn at full fade and nothing else, so no trail remains.
void StepKeyboardOneColorRippleEffect(KeyboardEffectContext& context) {
  RenderKeyboardGridPlanes(254, 0);
  SpreadKeyboardGridPlanes();
  const auto& planes = KeyboardLightState.planes;
  const uint8_t u = planes[0][9] | planes[1][9] | planes[2][9] | planes[3][9];
  const uint8_t restart = u == 0x01 ? 0x03 : u == 0x60 ? 0x60 : 0;
  for (auto& plane : KeyboardLightState.planes) plane[9] |= restart;
  ShowFadedOrder(context);
  context.frameLength = kLevelFrameBytes;
}

void StepKeyboardOneColorSequenceEffect(KeyboardEffectContext& context) {
  StepKeyboardSequenceStages(KeyboardLightView(context.keyboard).Multicolour());
  ShowFadedOrder(context);
  context.frameLength = kLevelFrameBytes;
}

void StepKeyboardOneColorPathEffect(KeyboardEffectContext& context) {
  const KeyboardLightView view(context.keyboard);
  uint8_t q = StepKeyboardLightPhase(view.Forward(), kWave);
  ForOrder(kPathEntries, [&](uint8_t key) {
    context.ShowOneColorKey(key, ScaleByte(view.Level(), WAVE_CURVE[q % kWave]));
    q = AdvanceWrapped(q % kWave, 5, kWave);
  });
  context.frameLength = kLevelFrameBytes;
}

void StepKeyboardOneColorCustomEffect(KeyboardEffectContext& context) {
  const uint8_t B = KeyboardLightView(context.keyboard).Level();
  const auto& layout = SelectedKeyboardLayout(context.keyboard);
  for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key) {
    const uint8_t led = static_cast<uint8_t>(KEYBOARD_LED_MAP_ONECOLOR[key]);
    if (led < KEYBOARD_LED_COUNT) context.ShowOneColorKey(key, ScaleByte(B, layout[led]));
  }
  context.frameLength = kLevelFrameBytes;
}

void StepKeyboardOneColorTwinkleEffect(KeyboardEffectContext& context) {
  LightKeyboardTwinkleKeys(KeyboardTwinklePositions[KEYBOARD_MODEL_ONECOLOR]);
  for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key) ShowFaded(context, key);
  context.frameLength = kLevelFrameBytes;
}

void StepKeyboardOneColorKeyCycleEffect(KeyboardEffectContext& context) {
  const uint8_t B = KeyboardLightView(context.keyboard).Level();
  ForOrder(kCycleEntries, [&](uint8_t key) {
    if (key >= KEYBOARD_LED_COUNT) return;
    uint8_t& phase = KeyboardOneColorPhases[key];
    phase = static_cast<uint8_t>(phase + 1);
    if (phase > kPhaseLimit) phase = 0;
    context.ShowOneColorKey(key, ScaleByte(B, FLASH_CURVE[phase]));
  });
  context.frameLength = kLevelFrameBytes;
}

// The model has 108 LEDs; this step sends only those.
void StepKeyboardOneColorRandomFillEffect(KeyboardEffectContext& context) {
  LightKeyboardFillKey(KEYBOARD_SNAKE_ORDER.data(), KEYBOARD_SNAKE_ORDER.size());
  ShowFadedOrder(context);
  context.frameLength = kFillFrameBytes;
}
