// The RGB keyboards' effects. Phases and counters are byte arithmetic; products x * y >> 8 are
// formed in 16 bits.
#include <iterator>

#include "keyboard_effect_shared.h"
#include "keyboard_effects.h"
#include "keyboard_led_maps.h"
#include "keyboard_light_settings.h"
#include "lighting_helpers.h"

namespace {
constexpr uint8_t kWheel = COLOR_WHEEL_STEPS;  // 192
constexpr uint8_t kWave = 96;
constexpr uint8_t kPulse = 128;
constexpr uint8_t kPhaseLimit = 191;

struct Look {
  explicit Look(const KeyboardEffectContext& context) : view(context.keyboard) {}
  KeyboardLightView view;
  uint8_t B() const { return view.Level(); }
};

void SetWheel(KeyboardEffectContext& context, uint8_t key, uint8_t index, uint8_t level) {
  const RgbColor& colour = COLOR_WHEEL[index];
  context.SetRecord(key, colour.red, colour.green, colour.blue, level);
}

void SetSetColour(KeyboardEffectContext& context, const KeyboardLightView& view, uint8_t key, uint8_t level) {
  context.SetRecord(key, view.Red(), view.Green(), view.Blue(), level);
}

template <class F>
void ForColumnKeys(size_t column, F f) {
  for (size_t r = 0; r < KEY_GRID_ROWS; ++r) {
    const uint8_t key = KEYBOARD_KEY_GRID[column * KEY_GRID_ROWS + r];
    if (key != NO_KEY) f(key);
  }
}

template <class F>
void ForOrder(const uint8_t* order, size_t count, F f) {
  for (size_t i = 0; i < count; ++i)
    if (order[i] != NO_KEY) f(order[i]);
}

// Fade each key of the order one step and show it at its fade level, in its own wheel colour or
// the set colour.
void FadeKey(KeyboardEffectContext& context, const KeyboardLightView& view, uint8_t key) {
  if (key >= KEYBOARD_LED_COUNT) return;
  FadeKeyboardKey(key, view.Mode());
  const uint8_t level = ScaleByte(view.Level(), KeyboardLightState.fade[key]);
  if (view.Multicolour()) SetWheel(context, key, KeyboardLightState.steps[key], level);
  else SetSetColour(context, view, key, level);
}

void FadeRender(KeyboardEffectContext& context, const uint8_t* order, size_t count) {
  const KeyboardLightView view(context.keyboard);
  ForOrder(order, count, [&](uint8_t key) { FadeKey(context, view, key); });
}

void Wave(KeyboardEffectContext& context, uint8_t multicolourStep) {
  const KeyboardLightView view(context.keyboard);
  const uint8_t B = view.Level();
  if (view.Multicolour()) {
    uint8_t p = StepKeyboardLightPhase(view.Forward(), kWheel);
    for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c) {
      const uint8_t colour = p;
      p = AdvanceWrapped(p, multicolourStep, kWheel);
      ForColumnKeys(c, [&](uint8_t key) { SetWheel(context, key, colour, B); });
    }
    return;
  }
  uint8_t p = StepKeyboardLightPhase(view.Forward(), kWave);
  for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c) {
    p = AdvanceWrapped(p, 10, kWave);
    const uint8_t level = ScaleByte(B, WAVE_CURVE[p % kWave]);
    ForColumnKeys(c, [&](uint8_t key) { SetSetColour(context, view, key, level); });
  }
}

void KeyCycle(KeyboardEffectContext& context, uint8_t counterStep, bool prescale) {
  const KeyboardLightView view(context.keyboard);
  const uint8_t B = view.Level();
  constexpr size_t kCycleEntries = 111;
  ForOrder(KEYBOARD_KEY_ORDER.data(), kCycleEntries, [&](uint8_t key) {
    if (key >= KEYBOARD_LED_COUNT) return;
    uint8_t& phase = KeyboardLightState.fade[key];
    phase = static_cast<uint8_t>(phase + 1);
    if (phase > kPhaseLimit) {
      phase = 0;
      EffectColorCounter = static_cast<uint8_t>(EffectColorCounter + counterStep);
      KeyboardLightState.steps[key] = EffectColorCounter;
    }
    RgbColor colour = view.Multicolour() ? KEYBOARD_CYCLE_PALETTE[KeyboardLightState.steps[key]]
                                         : RgbColor{view.Red(), view.Green(), view.Blue()};
    const uint8_t flash = FLASH_CURVE[phase];
    if (prescale) {
      colour = {ScaleByte(ScaleByte(colour.red, flash), B), ScaleByte(ScaleByte(colour.green, flash), B),
                ScaleByte(ScaleByte(colour.blue, flash), B)};
    }
    context.SetRecord(key, colour.red, colour.green, colour.blue, ScaleByte(B, flash));
  });
}

void Path(KeyboardEffectContext& context, size_t entries) {
  const KeyboardLightView view(context.keyboard);
  const uint8_t B = view.Level();
  const uint8_t limit = view.Multicolour() ? kWheel : kWave;
  uint8_t q = StepKeyboardLightPhase(view.Forward(), limit);
  ForOrder(KEYBOARD_KEY_ORDER.data(), entries, [&](uint8_t key) {
    if (view.Multicolour()) SetWheel(context, key, q, B);
    else SetSetColour(context, view, key, ScaleByte(B, WAVE_CURVE[q % kWave]));
    q = AdvanceWrapped(q, 5, limit);
  });
}

void Spiral(KeyboardEffectContext& context, bool paintPreviews) {
  const KeyboardLightView view(context.keyboard);
  const uint8_t B = view.Level();
  uint8_t& phase = KeyboardLightState.phase;
  if (view.Forward()) {
    phase = static_cast<uint8_t>(phase + 4);
    if (phase >= kWheel) phase = 0;
  } else {
    phase = static_cast<uint8_t>(phase - 2);
    if (phase >= kWheel) phase = kWheel;  // shows as 0
  }
  uint8_t q = phase;
  for (size_t ring = 0; ring < SPIRAL_RINGS; ++ring) {
    q = AdvanceWrapped(q, 21, kWheel);
    for (size_t cell = 0; cell < SPIRAL_RING_CELLS; ++cell) {
      const uint8_t key = LookupKeyboardLed(KEYBOARD_SPIRAL_ORDER[ring * SPIRAL_RING_CELLS + cell]);
      if (key >= KEYBOARD_LED_COUNT) continue;
      SetWheel(context, key, q, B);
      const RgbColor& colour = COLOR_WHEEL[q];
      if (paintPreviews) context.Preview(key, PackPreviewColour(colour.red, colour.green, colour.blue), B);
    }
  }
}

uint8_t PlanesColumn(size_t column) {
  const auto& planes = KeyboardLightState.planes;
  return planes[0][column] | planes[1][column] | planes[2][column] | planes[3][column];
}

void MarkPlanesColumn(size_t column, uint8_t bits) {
  for (auto& plane : KeyboardLightState.planes) plane[column] |= bits;
}

void PlaneScroll(KeyboardEffectContext& context, const uint8_t* order, size_t entries) {
  if (PlanesColumn(1) == 0x01) MarkPlanesColumn(1, 0x01);
  if (PlanesColumn(22) == 0x01) MarkPlanesColumn(22, 0x40);
  FlashKeyboardPlaneKeys(KeyboardLightView(context.keyboard).Multicolour());
  SpreadKeyboardGridPlanes();
  FadeRender(context, order, entries);
}

void Twinkle(KeyboardEffectContext& context, uint8_t& position) {
  LightKeyboardTwinkleKeys(position);
  const KeyboardLightView view(context.keyboard);
  for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key) FadeKey(context, view, key);
}

void RandomFill(KeyboardEffectContext& context, const uint8_t* order, size_t orderLength) {
  LightKeyboardFillKey(order, orderLength);
  FadeRender(context, KEYBOARD_KEY_ORDER.data(), KEYBOARD_LED_COUNT);
}

void Custom(KeyboardEffectContext& context, const KeyboardLedMap& map) {
  const uint8_t B = KeyboardLightView(context.keyboard).Level();
  const auto& layout = SelectedKeyboardLayout(context.keyboard);
  for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key) {
    const uint8_t led = static_cast<uint8_t>(map[key]);
    if (led >= KEYBOARD_LED_COUNT) continue;
    context.SetRecord(key, layout[3 * led], layout[3 * led + 1], layout[3 * led + 2], B);
  }
}

void AllKeys(KeyboardEffectContext& context, uint8_t red, uint8_t green, uint8_t blue, uint8_t level) {
  for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key) context.SetRecord(key, red, green, blue, level);
}
}  // namespace

void StepKeyboardWaveEffect(KeyboardEffectContext& context) { Wave(context, 14); }
void StepKeyboardWaveEffectModel2(KeyboardEffectContext& context) { Wave(context, 7); }

void StepKeyboardColumnBreathEffect(KeyboardEffectContext& context) {
  const KeyboardLightView view(context.keyboard);
  const uint8_t B = view.Level();
  if (view.Multicolour()) {
    uint8_t p = StepSyncLightPhase(view.Forward(), kWheel);
    for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c) {
      const uint8_t colour = p;
      ForColumnKeys(c, [&](uint8_t key) { SetWheel(context, key, colour, B); });
      p = AdvanceWrapped(p, 2, kWheel);
    }
    return;
  }
  uint8_t p = StepKeyboardLightPhase(view.Forward(), kWave);
  for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c) {
    KeyboardLightState.scratchRed = view.Red();
    KeyboardLightState.scratchGreen = view.Green();
    KeyboardLightState.scratchBlue = view.Blue();
    ScaleKeyboardLightColor(B);
    ScaleKeyboardLightColor(FLASH_CURVE[p]);
    p = AdvanceWrapped(p, 10, kWave);
    const uint8_t level = ScaleByte(B, FLASH_CURVE[p]);
    ForColumnKeys(c, [&](uint8_t key) {
      context.SetRecord(key, KeyboardLightState.scratchRed, KeyboardLightState.scratchGreen,
                        KeyboardLightState.scratchBlue, level);
    });
  }
}

void StepKeyboardRowBandEffect(KeyboardEffectContext& context) {
  const KeyboardLightView view(context.keyboard);
  uint8_t p = StepSyncLightPhase(view.Forward(), kWheel);
  for (size_t r = 0; r < KEY_GRID_ROWS; ++r) {
    for (size_t c = 0; c < KEY_GRID_COLUMNS; ++c) {
      const uint8_t key = KEYBOARD_KEY_GRID[c * KEY_GRID_ROWS + r];
      if (key != NO_KEY) SetWheel(context, key, p, view.Level());
    }
    p = AdvanceWrapped(p, 24, kWheel);
  }
}

void StepKeyboardSpectrumEffect(KeyboardEffectContext& context) {
  const KeyboardLightView view(context.keyboard);
  const RgbColor& colour = COLOR_WHEEL[StepKeyboardLightPhase(view.Forward(), kWheel)];
  AllKeys(context, colour.red, colour.green, colour.blue, view.Level());
}

void StepKeyboardBreathingEffect(KeyboardEffectContext& context) {
  const KeyboardLightView view(context.keyboard);
  const uint8_t phase = StepKeyboardLightPhase(view.Forward(), kPulse);
  if (phase == 0) {
    uint8_t& palette = context.keyboard.KeyboardLiveSettings[KB_LIGHT_PALETTE];
    palette = palette >= 2 ? 0 : static_cast<uint8_t>(palette + 1);
  }
  const uint8_t level = ScaleByte(view.Level(), PULSE_CURVE[phase % kPulse]);
  if (view.Multicolour()) {
    const RgbColor& colour = COLOR_WHEEL[(phase + 50) % kWheel];
    AllKeys(context, colour.red, colour.green, colour.blue, level);
  } else {
    AllKeys(context, view.Red(), view.Green(), view.Blue(), level);
  }
}

void StepKeyboardStaticEffect(KeyboardEffectContext& context) {
  const KeyboardLightView view(context.keyboard);
  AllKeys(context, view.Red(), view.Green(), view.Blue(), view.Level());
}

void ClearKeyboardPreviewFrame(KeyboardEffectContext& context) { AllKeys(context, 0, 0, 0, 0); }

void StepKeyboardKeyRainbowEffect(KeyboardEffectContext& context) {
  const uint8_t B = KeyboardLightView(context.keyboard).Level();
  for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key) {
    uint8_t& step = KeyboardLightState.steps[key];
    step = static_cast<uint8_t>(step + 1);
    if (step > kPhaseLimit) step = 0;
    SetWheel(context, key, step, B);
  }
}

void StepKeyboardKeyCycleEffect(KeyboardEffectContext& context) { KeyCycle(context, 5, false); }
void StepKeyboardKeyCycleEffectModel2(KeyboardEffectContext& context) { KeyCycle(context, 7, true); }
void StepKeyboardPathEffect(KeyboardEffectContext& context) { Path(context, KEYBOARD_LED_COUNT); }
void StepKeyboardPathEffectModel2(KeyboardEffectContext& context) { Path(context, 105); }
void StepKeyboardSpiralEffect(KeyboardEffectContext& context) { Spiral(context, true); }
void StepKeyboardSpiralEffectModel2(KeyboardEffectContext& context) { Spiral(context, false); }

void StepKeyboardRippleEffect(KeyboardEffectContext& context) {
  const uint8_t u = PlanesColumn(9);
  if (u == 0x01) MarkPlanesColumn(9, 0x01);
  if (u == 0x40) MarkPlanesColumn(9, 0x40);
  FlashKeyboardPlaneKeys(KeyboardLightView(context.keyboard).Multicolour());
  SpreadKeyboardGridPlanes();
  FadeRender(context, KEYBOARD_KEY_ORDER.data(), KEYBOARD_LED_COUNT);
}

void StepKeyboardPlaneScrollEffect(KeyboardEffectContext& context) {
  PlaneScroll(context, KEYBOARD_LED_ORDER.data(), 111);
}
void StepKeyboardPlaneScrollEffectModel2(KeyboardEffectContext& context) {
  PlaneScroll(context, KEYBOARD_KEY_ORDER.data(), KEYBOARD_LED_COUNT);
}

void StepKeyboardSequenceEffect(KeyboardEffectContext& context) {
  StepKeyboardSequenceStages(KeyboardLightView(context.keyboard).Multicolour());
  FadeRender(context, KEYBOARD_KEY_ORDER.data(), KEYBOARD_LED_COUNT);
}

void StepKeyboardTwinkleEffect(KeyboardEffectContext& context) { Twinkle(context, KeyboardTwinklePositions[0]); }
void StepKeyboardTwinkleEffectModel2(KeyboardEffectContext& context) { Twinkle(context, KeyboardTwinklePositions[2]); }

void StepKeyboardRandomFillEffect(KeyboardEffectContext& context) {
  RandomFill(context, KEYBOARD_SNAKE_ORDER.data(), KEYBOARD_SNAKE_ORDER.size());
}
void StepKeyboardRandomFillEffectModel2(KeyboardEffectContext& context) {
  RandomFill(context, KEYBOARD_KEY_ORDER_RGB2.data(), KEYBOARD_KEY_ORDER_RGB2.size());
}

void StepKeyboardCustomEffect(KeyboardEffectContext& context) { Custom(context, KEYBOARD_LED_MAP_RGB); }
void StepKeyboardCustomEffectModel2(KeyboardEffectContext& context) { Custom(context, KEYBOARD_LED_MAP_RGB2); }
