#include "headset_light_generators.h"

#include "lighting_helpers.h"
#include "lighting_tables.h"

HeadsetEffectState HeadsetEffect;
HeadsetEffectState HeadsetK27Effect;

const HeadsetLightFamily kFirstHeadsetLighting{HeadsetLightState, StepHeadsetLightPhase,
                                               ScaleHeadsetLightColor, HeadsetEffect};
const HeadsetLightFamily kK27HeadsetLighting{HeadsetK27LightState, StepHeadsetK27LightPhase,
                                             ScaleHeadsetK27LightColor, HeadsetK27Effect};

namespace {
constexpr uint8_t kWheelWaveLimit = 192;
constexpr uint8_t kWheelWaveStep = 14;
constexpr uint8_t kCurveWaveLimit = 96;
constexpr uint8_t kCurveWaveStep = 10;
constexpr uint8_t kCycleLimit = 192;
constexpr uint8_t kBreathLimit = 128;
constexpr uint8_t kBreathStep = 4;
constexpr uint8_t kBreathWheelStep = 16;

LedColor Led(uint8_t red, uint8_t green, uint8_t blue, uint8_t level) { return {red, green, blue, level}; }
LedColor Led(const RgbColor& colour, uint8_t level) { return Led(colour.red, colour.green, colour.blue, level); }

void SetScratch(LightPhaseState& state, uint8_t red, uint8_t green, uint8_t blue) {
  state.scratchRed = red;
  state.scratchGreen = green;
  state.scratchBlue = blue;
}

LedColor ScratchLed(const LightPhaseState& state, uint8_t level) {
  return Led(state.scratchRed, state.scratchGreen, state.scratchBlue, level);
}

uint8_t Advance(uint8_t phase, uint8_t step, uint8_t limit) {
  const unsigned next = phase + step;
  return static_cast<uint8_t>(next >= limit ? next - limit : next);
}

// The two wave variants share one phase with different limits; a phase left above the smaller
// limit by the other variant would index past the wave curve, so it is brought into range first.
uint8_t StepWave(const HeadsetLightFamily& family, uint8_t forward, uint8_t limit) {
  family.waveState.phase = static_cast<uint8_t>(family.waveState.phase % limit);
  return family.stepWavePhase(forward, limit);
}

void Fill(LedColor* leds, size_t count, const LedColor& led) {
  for (size_t i = 0; i < count; ++i) leds[i] = led;
}
}  // namespace

void GenerateHeadsetWaveFrame(const HeadsetLightFamily& family, const HeadsetLightSettings& light,
                              LedColor* leds, size_t count) {
  const uint8_t level = BrightnessLevel(light.brightness);
  LightPhaseState& scratch = family.waveState;
  if (light.multicolour) {
    uint8_t p = StepWave(family, light.direction, kWheelWaveLimit);
    for (size_t i = 0; i < count; ++i) {
      const RgbColor& colour = COLOR_WHEEL[p];
      SetScratch(scratch, colour.red, colour.green, colour.blue);
      family.scaleScratch(level);
      p = Advance(p, kWheelWaveStep, kWheelWaveLimit);
      leds[i] = ScratchLed(scratch, level);
    }
    return;
  }
  uint8_t p = StepWave(family, light.direction, kCurveWaveLimit);
  for (size_t i = 0; i < count; ++i) {
    SetScratch(scratch, light.red, light.green, light.blue);
    family.scaleScratch(level);
    family.scaleScratch(WAVE_CURVE[p]);
    p = Advance(p, kCurveWaveStep, kCurveWaveLimit);
    leds[i] = ScratchLed(scratch, static_cast<uint8_t>((level * WAVE_CURVE[p]) >> 8));
  }
}

void GenerateHeadsetSpectrumFrame(const HeadsetLightFamily& family, const HeadsetLightSettings& light,
                                  LedColor* leds, size_t count) {
  HeadsetEffectState& effect = family.effect;
  effect.cycleIndex = StepLightPhase(light.direction, kCycleLimit, effect.cycleIndex, 1);
  Fill(leds, count, Led(COLOR_WHEEL[effect.cycleIndex], BrightnessLevel(light.brightness)));
}

void GenerateHeadsetBreathFrame(const HeadsetLightFamily& family, HeadsetLightSettings& light,
                                LedColor* leds, size_t count) {
  HeadsetEffectState& effect = family.effect;
  effect.breathPhase = StepLightPhase(light.direction, kBreathLimit, effect.breathPhase, kBreathStep);
  if (light.breathWheelIndex >= kCycleLimit) light.breathWheelIndex = 0;
  if (effect.breathPhase == 0) {
    light.breathWheelIndex = Advance(light.breathWheelIndex, kBreathWheelStep, kCycleLimit);
  }
  const uint8_t level =
      static_cast<uint8_t>((PULSE_CURVE[effect.breathPhase] * BrightnessLevel(light.brightness)) >> 8);
  const LedColor led = light.multicolour ? Led(COLOR_WHEEL[light.breathWheelIndex], level)
                                         : Led(light.red, light.green, light.blue, level);
  Fill(leds, count, led);
}

void GenerateHeadsetStaticFrame(const HeadsetLightSettings& light, LedColor* leds, size_t count) {
  Fill(leds, count, Led(light.red, light.green, light.blue, BrightnessLevel(light.brightness)));
}

void ResetHeadsetEffects() {
  HeadsetEffect = {};
  HeadsetK27Effect = {};
}
