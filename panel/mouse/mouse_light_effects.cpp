#include "mouse_light_effects.h"

#include "clock.h"
#include "lighting_helpers.h"
#include "mouse_state.h"

namespace {
constexpr uint8_t kWheelSteps = COLOR_WHEEL_STEPS;
constexpr uint8_t kWaveSteps = 96;
constexpr uint8_t kPulseSteps = 128;
constexpr uint8_t kWheelGroupSpacing = 32;
constexpr uint8_t kWaveGroupSpacing = 6;
constexpr uint8_t kFillGroupSpacing = 7;
constexpr int32_t kFillTop = 8;
constexpr int32_t kFillBottom = -1;
constexpr size_t kRippleMarks = 14;
constexpr uint8_t kRippleColourStep = 11;
constexpr uint8_t kFlashColourStep = 14;
constexpr uint8_t kFlashCurveStart = 128;
// The flash level: the curve's start is one past its end, so a third of the level stands in.
constexpr uint16_t kFlashFactor = 88;
constexpr DWORD kFlashMs = 100;
constexpr DWORD kSlowModePauseMs = 50;
constexpr uint8_t kRingStartForward = 7;

const uint8_t* Live() { return MouseLiveSettings.data(); }
uint8_t Level() { return BrightnessLevel(Live()[MOUSE_LIGHT_LEVEL]); }
uint8_t Direction() { return Live()[MOUSE_LIGHT_DIRECTION]; }
bool Multicolour() { return Live()[MOUSE_LIGHT_MULTICOLOUR] != 0; }
RgbColor SetColour() { return {Live()[MOUSE_LIGHT_RED], Live()[MOUSE_LIGHT_RED + 1], Live()[MOUSE_LIGHT_RED + 2]}; }

uint8_t Wrap(unsigned value, uint8_t limit) { return static_cast<uint8_t>(value >= limit ? value - limit : value); }

void LoadScratch(const RgbColor& colour) {
  MouseLightState.scratchRed = colour.red;
  MouseLightState.scratchGreen = colour.green;
  MouseLightState.scratchBlue = colour.blue;
}

RgbColor Scratch() { return {MouseLightState.scratchRed, MouseLightState.scratchGreen, MouseLightState.scratchBlue}; }

void SetLed(LedColor& led, const RgbColor& colour, uint8_t level) { led = {colour.red, colour.green, colour.blue, level}; }

void SetGroup(MouseLeds& leds, size_t group, const RgbColor& colour, uint8_t level) {
  for (uint8_t led : MOUSE_LED_GROUPS[group]) SetLed(leds[led], colour, level);
}

void SetAll(MouseLeds& leds, const RgbColor& colour, uint8_t level) {
  for (LedColor& led : leds) SetLed(led, colour, level);
}

RgbColor Scaled(const RgbColor& colour, uint8_t factor) {
  LoadScratch(colour);
  ScaleMouseLightColor(factor);
  return Scratch();
}

uint8_t* Ring() { return MouseLightState.planes[RING_PLANE]; }

const MouseEffect kEffects[MOUSE_MODE_COUNT] = {
    {StepMouseWave, 0},  {StepMouseSpectrum, 0},          {StepMouseBreathing, 0},      {StepMouseStatic, 0},
    {StepMouseFill, kSlowModePauseMs}, {StepMouseRipple, kSlowModePauseMs}, {StepMouseReactive, 0},
};
}  // namespace

const std::array<std::array<RgbColor, MOUSE_LED_GROUP_COUNT>, 3> MOUSE_BREATHING_PALETTES = {{
    {{{255, 255, 0}, {200, 255, 0}, {170, 255, 0}, {140, 255, 0}, {110, 255, 0}, {80, 255, 0}, {70, 255, 0}}},
    {{{0, 255, 255}, {0, 200, 255}, {0, 170, 255}, {0, 140, 255}, {0, 110, 255}, {0, 80, 255}, {0, 70, 255}}},
    {{{245, 0, 255}, {245, 0, 200}, {245, 0, 170}, {245, 0, 140}, {245, 0, 110}, {245, 0, 80}, {245, 0, 70}}},
}};

MouseFillState MouseFillEffect{};
MouseReactiveState MouseReactiveEffect{};

void ResetMouseEffectStates() {
  MouseFillEffect = {};
  MouseReactiveEffect = {};
}

void StepMouseWave(MouseLeds& leds) {
  const uint8_t level = Level();
  if (Multicolour()) {
    uint8_t p = StepMouseLightPhase(Direction(), kWheelSteps);
    for (size_t g = 0; g < MOUSE_LED_GROUP_COUNT; ++g) {
      SetGroup(leds, g, Scaled(COLOR_WHEEL[p], level), level);
      p = Wrap(p + kWheelGroupSpacing, kWheelSteps);
    }
    return;
  }
  uint8_t p = StepMouseLightPhase(Direction(), kWaveSteps);
  for (size_t g = 0; g < MOUSE_LED_GROUP_COUNT; ++g) {
    LoadScratch(SetColour());
    ScaleMouseLightColor(level);
    ScaleMouseLightColor(WAVE_CURVE[p % kWaveSteps]);
    p = Wrap(p % kWaveSteps + kWaveGroupSpacing, kWaveSteps);
    SetGroup(leds, g, Scratch(), static_cast<uint8_t>(level * WAVE_CURVE[p] >> 8));
  }
}

void StepMouseSpectrum(MouseLeds& leds) {
  const uint8_t level = Level();
  const uint8_t phase = StepMouseLightPhase(Direction(), kWheelSteps);
  SetAll(leds, Scaled(COLOR_WHEEL[phase], level), level);
}

void StepMouseBreathing(MouseLeds& leds) {
  const uint8_t level = Level();
  const uint8_t phase = StepMouseLightPhase(Direction(), kPulseSteps) % kPulseSteps;
  uint8_t& palette = MouseLiveSettings[MOUSE_LIGHT_PALETTE];
  if (phase == 0) palette = palette >= 2 ? 0 : static_cast<uint8_t>(palette + 1);
  const auto& colours = MOUSE_BREATHING_PALETTES[palette < MOUSE_BREATHING_PALETTES.size() ? palette : 0];
  for (size_t g = 0; g < MOUSE_LED_GROUP_COUNT; ++g) {
    LoadScratch(Multicolour() ? colours[g] : SetColour());
    ScaleMouseLightColor(PULSE_CURVE[phase]);
    ScaleMouseLightColor(level);
    SetGroup(leds, g, Scratch(), level);
  }
}

void StepMouseStatic(MouseLeds& leds) {
  const uint8_t level = Level();
  SetAll(leds, Scaled(SetColour(), level), level);
}

void StepMouseFill(MouseLeds& leds) {
  MouseFillState& fill = MouseFillEffect;
  if (!fill.falling) {
    if (++fill.count == kFillTop) fill.falling = 1;
  } else if (--fill.count == kFillBottom) {
    fill.falling = 0;
  }
  const uint8_t level = Level();
  const uint8_t direction = Direction();
  uint8_t p = StepMouseLightPhase(direction, kWheelSteps);
  for (size_t g = 0; g < MOUSE_LED_GROUP_COUNT; ++g) {
    const int32_t group = static_cast<int32_t>(g);
    const bool lit = direction == 0 ? group < fill.count : group > fill.count;
    if (lit) SetGroup(leds, g, Scaled(Multicolour() ? COLOR_WHEEL[p] : SetColour(), level), level);
    else SetGroup(leds, g, RgbColor{0, 0, 0}, level);
    p = Wrap(p + kFillGroupSpacing, kWheelSteps);
  }
}

void MarkMouseRippleRing() {
  for (size_t i = 0; i < kRippleMarks; ++i) {
    if (!Ring()[i]) continue;
    MouseLightState.fade[i] = 255;
    if (Multicolour()) {
      EffectColorCounter = static_cast<uint8_t>(EffectColorCounter + kRippleColourStep);
      MouseLightState.steps[i] = EffectColorCounter;
    }
  }
}

void SeedMouseRipple(uint8_t direction) { Ring()[direction ? kRingStartForward : 0] = 1; }

void StepMouseRipple(MouseLeds& leds) {
  const uint8_t direction = Direction();
  StepMouseLightPhase(direction, kWheelSteps);
  MarkMouseRippleRing();
  RotateMouseLightRing(direction == 0 ? 1 : 0);
  const uint8_t level = Level();
  for (size_t g = 0; g < MOUSE_LED_GROUP_COUNT; ++g) {
    FadeMouseLed(static_cast<uint8_t>(g), MOUSE_MODE_RIPPLE);
    const RgbColor colour =
        Multicolour() ? COLOR_WHEEL[Wrap(MouseLightState.steps[g], kWheelSteps)] : SetColour();
    SetGroup(leds, g, colour, static_cast<uint8_t>(level * MouseLightState.fade[g] >> 8));
  }
}

void StepMouseReactive(MouseLeds& leds) {
  MouseReactiveState& flash = MouseReactiveEffect;
  if (MouseFlashRequest.exchange(0)) {
    flash.curvePosition = kFlashCurveStart;
    flash.active = 1;
    flash.start = CurrentClock().TickCount();
    flash.colourIndex = static_cast<uint8_t>(flash.colourIndex + kFlashColourStep);
    if (flash.colourIndex >= kWheelSteps) flash.colourIndex = 0;
  }
  const uint8_t level = Level();
  if (!flash.active) {
    SetAll(leds, RgbColor{0, 0, 0}, level);
    return;
  }
  if (CurrentClock().TickCount() - flash.start >= kFlashMs) flash.active = 0;
  const RgbColor colour = Multicolour() ? COLOR_WHEEL[flash.colourIndex] : SetColour();
  SetAll(leds, colour, static_cast<uint8_t>(level * kFlashFactor >> 8));
}

const MouseEffect* MouseEffectFor(uint8_t mode) { return mode < MOUSE_MODE_COUNT ? &kEffects[mode] : nullptr; }

void BuildMouseLedFrame(const MouseLeds& leds, uint8_t (&frame)[MOUSE_LED_FRAME_SIZE]) {
  for (size_t i = 0; i < MOUSE_LED_COUNT; ++i) {
    const LedColor& led = leds[i];
    frame[3 * i] = static_cast<uint8_t>(led.red * led.level >> 8);
    frame[3 * i + 1] = static_cast<uint8_t>(led.green * led.level >> 8);
    frame[3 * i + 2] = static_cast<uint8_t>(led.blue * led.level >> 8);
  }
}

DWORD MousePreviewColour(const LedColor& led) {
  return static_cast<DWORD>(led.red) | static_cast<DWORD>(led.blue) << 8 | static_cast<DWORD>(led.green) << 16;
}
