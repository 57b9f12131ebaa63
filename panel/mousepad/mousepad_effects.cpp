#include "mousepad_effects.h"

#include <algorithm>

#include "clock.h"
#include "lighting_helpers.h"
#include "mousepad_lighting_tables.h"
#include "stop_protocol.h"

namespace {

constexpr uint8_t kWheelSteps = static_cast<uint8_t>(COLOR_WHEEL_STEPS);
constexpr uint8_t kWaveSteps = static_cast<uint8_t>(WAVE_CURVE.size());
constexpr uint8_t kPulseSteps = static_cast<uint8_t>(PULSE_CURVE.size());
constexpr uint8_t kLedCount = static_cast<uint8_t>(MOUSEPAD_LED_COUNT);
constexpr uint8_t kLastPalette = 2;
constexpr int32_t kFillTop = 15;
constexpr int32_t kFillBottom = -1;
constexpr int16_t kTrailRightBar = 0x3F00;
constexpr int16_t kTrailLeftBar = 0x00FC;
constexpr int32_t kTrailSteps = 15;
constexpr DWORD kTrailPauseMs = 1000;
constexpr DWORD kReactiveMs = 100;
constexpr uint8_t kReactiveColorStep = 14;
constexpr uint8_t kRippleColorStep = 11;

constexpr LedColor kDark = {0, 0, 0, 0};

LedColor Lit(RgbColor colour, uint8_t level) { return {colour.red, colour.green, colour.blue, level}; }

RgbColor SetColour(const MousePadLiveSettings& s) { return {s.red, s.green, s.blue}; }

RgbColor Scratch() { return {MousePadLightState.scratchRed, MousePadLightState.scratchGreen, MousePadLightState.scratchBlue}; }

void SetScratch(RgbColor colour) {
  MousePadLightState.scratchRed = colour.red;
  MousePadLightState.scratchGreen = colour.green;
  MousePadLightState.scratchBlue = colour.blue;
}

uint8_t Level(const MousePadLiveSettings& s) { return BrightnessLevel(s.brightness); }

uint8_t Times(uint8_t level, uint8_t curve) { return static_cast<uint8_t>(level * curve >> 8); }

// value + step, less limit when it reaches limit.
uint8_t Advance(uint8_t value, uint8_t step, uint8_t limit) {
  const int next = value + step;
  return static_cast<uint8_t>(next >= limit ? next - limit : next);
}

void FillAll(MousePadLeds& leds, LedColor record) { std::fill(std::begin(leds), std::end(leds), record); }

void FillColumn(MousePadLeds& leds, size_t column, LedColor record) {
  for (const auto& row : MOUSEPAD_LED_MAP)
    if (row[column] != MOUSEPAD_NO_LED) leds[row[column]] = record;
}

uint8_t* RippleRing() { return MousePadLightState.planes[RING_PLANE]; }

}  // namespace

MousePadFillState MousePadFill = {0, 0};
MousePadTrailState MousePadTrail = {1, kTrailRightBar, 0};
MousePadReactiveState MousePadReactive = {0, 0, 0};

void ResetMousePadEffectStates() {
  MousePadFill = {0, 0};
  MousePadTrail = {1, kTrailRightBar, 0};
  MousePadReactive = {0, 0, 0};
}

void StepMousePadWaveEffect(MousePadLiveSettings s, MousePadLeds& leds) {
  const uint8_t level = Level(s);
  if (s.multicolour) {
    uint8_t p = StepMousePadLightPhase(s.direction, kWheelSteps);
    for (LedColor& led : leds) {
      SetScratch(COLOR_WHEEL[p]);
      ScaleMousePadLightColor(level);
      p = Advance(p, 7, kWheelSteps);
      led = Lit(Scratch(), level);
    }
    return;
  }
  uint8_t p = StepMousePadLightPhase(s.direction, kWaveSteps);
  for (LedColor& led : leds) {
    SetScratch(SetColour(s));
    ScaleMousePadLightColor(level);
    ScaleMousePadLightColor(WAVE_CURVE[p]);
    p = Advance(p, 10, kWaveSteps);
    led = Lit(Scratch(), Times(level, WAVE_CURVE[p]));
  }
}

void StepMousePadSpectrumEffect(MousePadLiveSettings s, MousePadLeds& leds) {
  const uint8_t level = Level(s);
  SetScratch(COLOR_WHEEL[StepMousePadLightPhase(s.direction, kWheelSteps)]);
  ScaleMousePadLightColor(level);
  FillAll(leds, Lit(Scratch(), level));
}

void StepMousePadBreathingEffect(MousePadLiveSettings& live, MousePadLeds& leds) {
  const MousePadLiveSettings s = live;
  const uint8_t phase = StepMousePadLightPhase(s.direction, kPulseSteps);
  if (phase == 0) live.palette = s.palette + 1 > kLastPalette ? 0 : static_cast<uint8_t>(s.palette + 1);
  const RgbColor colour = s.multicolour ? COLOR_WHEEL[phase + 50] : SetColour(s);
  FillAll(leds, Lit(colour, Times(Level(s), PULSE_CURVE[phase])));
}

void StepMousePadStaticEffect(MousePadLiveSettings s, MousePadLeds& leds) {
  const uint8_t level = Level(s);
  SetScratch(SetColour(s));
  ScaleMousePadLightColor(level);
  FillAll(leds, Lit(Scratch(), level));
}

void StepMousePadFillEffect(MousePadLiveSettings s, MousePadLeds& leds) {
  MousePadFillState& fill = MousePadFill;
  if (!fill.falling) {
    if (++fill.count == kFillTop) fill.falling = 1;
  } else {
    if (--fill.count == kFillBottom) fill.falling = 0;
  }
  const int32_t count = fill.count;
  const uint8_t level = Level(s);
  uint8_t c = 0;
  for (int32_t i = 0; i < kLedCount; ++i) {
    const bool lit = s.direction ? i > count : i < count;
    leds[i] = lit ? Lit(s.multicolour ? COLOR_WHEEL[c] : SetColour(s), level) : kDark;
    c = Advance(c, 7, kWheelSteps);
  }
}

void MarkMousePadRippleLeds(uint8_t multicolour) {
  const uint8_t* ring = RippleRing();
  for (uint8_t i = 0; i < kLedCount; ++i) {
    if (!ring[i]) continue;
    MousePadLightState.fade[i] = 255;
    if (multicolour) {
      EffectColorCounter = static_cast<uint8_t>(EffectColorCounter + kRippleColorStep);
      MousePadLightState.steps[i] = EffectColorCounter;
    }
  }
}

void SeedMousePadRipple() { RippleRing()[0] = 1; }

void StepMousePadRippleEffect(MousePadLiveSettings s, MousePadLeds& leds) {
  StepMousePadLightPhase(s.direction, kWheelSteps);
  MarkMousePadRippleLeds(s.multicolour);
  RotateMousePadLightRing(s.direction == 0);
  const uint8_t level = Level(s);
  for (uint8_t i = 0; i < kLedCount; ++i) {
    FadeMousePadLed(i, MOUSEPAD_RIPPLE);
    const uint8_t index = MousePadLightState.steps[i];
    const RgbColor colour = s.multicolour ? COLOR_WHEEL[index >= kWheelSteps ? index - kWheelSteps : index] : SetColour(s);
    leds[i] = Lit(colour, Times(level, MousePadLightState.fade[i]));
  }
}

void StepMousePadSweepEffect(MousePadLiveSettings s, MousePadLeds& leds) {
  const uint8_t level = Level(s);
  uint8_t p = StepMousePadLightPhase(s.direction, kWheelSteps);
  for (size_t column = 0; column < MOUSEPAD_GRID_COLUMNS; ++column) {
    FillColumn(leds, column, Lit(COLOR_WHEEL[p], level));
    p = Advance(p, 7, kWheelSteps);
  }
}

DWORD StepMousePadTrailEffect(MousePadLiveSettings s, MousePadLeds& leds) {
  MousePadTrailState& trail = MousePadTrail;
  int firstBit;  // the bit of column 0; column c reads bit firstBit - c
  if (trail.running) {
    ++trail.counter;
    trail.pattern = static_cast<int16_t>(trail.pattern >> 1);
    if (trail.counter == kTrailSteps) {
      trail.running = 0;
      trail.pattern = kTrailLeftBar;
      return kTrailPauseMs;
    }
    firstBit = 7;
  } else {
    if (trail.counter == 0) {
      trail.running = 1;
      trail.pattern = kTrailRightBar;
      return kTrailPauseMs;
    }
    firstBit = 15;
  }
  const uint16_t pattern = static_cast<uint16_t>(trail.pattern);
  const uint8_t level = Level(s);
  uint8_t q = StepMousePadLightPhase(0, kWheelSteps);
  for (size_t column = 0; column < MOUSEPAD_GRID_COLUMNS; ++column) {
    if (((pattern >> (firstBit - static_cast<int>(column))) & 1) == 0) {
      FillColumn(leds, column, kDark);
      continue;
    }
    FillColumn(leds, column, Lit(s.multicolour ? COLOR_WHEEL[q] : SetColour(s), level));
    q = Advance(q, 20, kWheelSteps);
  }
  if (!trail.running) {
    trail.pattern = static_cast<int16_t>(static_cast<uint16_t>(pattern << 1));
    --trail.counter;
  }
  return 0;
}

void StepMousePadReactiveEffect(MousePadLiveSettings s, MousePadLeds& leds, std::atomic<int>& flashRequest) {
  MousePadReactiveState& reactive = MousePadReactive;
  const DWORD now = CurrentClock().TickCount();
  if (flashRequest.exchange(0)) {
    reactive.active = 1;
    reactive.startTick = now;
    const int next = reactive.colorIndex + kReactiveColorStep;
    reactive.colorIndex = next >= kWheelSteps ? 0 : static_cast<uint8_t>(next);
  }
  if (!reactive.active) {
    FillAll(leds, kDark);
    return;
  }
  if (now - reactive.startTick >= kReactiveMs) reactive.active = 0;
  FillAll(leds, Lit(s.multicolour ? COLOR_WHEEL[reactive.colorIndex] : SetColour(s), Level(s)));
}

DWORD MousePadStepPause(uint8_t mode, uint8_t speed) {
  const DWORD bounded = std::min<uint8_t>(speed, EFFECT_SPEED_COUNT - 1);
  switch (mode) {
    case MOUSEPAD_FILL: return bounded * 10 + 100;
    case MOUSEPAD_RIPPLE: return 50;
    case MOUSEPAD_TRAIL: return bounded * 5 + 50;
    default: return 0;
  }
}

MousePadStep StepMousePadEffect(MousePadLiveSettings& live, MousePadLeds& leds, std::atomic<int>& flashRequest,
                                HANDLE stopEvent) {
  const MousePadLiveSettings s = live;
  if (s.mode >= MOUSEPAD_MODE_COUNT) return MousePadStep::NoEffect;
  const DWORD pause = MousePadStepPause(s.mode, s.speed);
  if (pause && PauseUnlessStopped(stopEvent, pause)) return MousePadStep::Stopped;
  switch (s.mode) {
    case MOUSEPAD_WAVE: StepMousePadWaveEffect(s, leds); break;
    case MOUSEPAD_SPECTRUM: StepMousePadSpectrumEffect(s, leds); break;
    case MOUSEPAD_BREATHING: StepMousePadBreathingEffect(live, leds); break;
    case MOUSEPAD_STATIC: StepMousePadStaticEffect(s, leds); break;
    case MOUSEPAD_FILL: StepMousePadFillEffect(s, leds); break;
    case MOUSEPAD_RIPPLE: StepMousePadRippleEffect(s, leds); break;
    case MOUSEPAD_SWEEP: StepMousePadSweepEffect(s, leds); break;
    case MOUSEPAD_TRAIL:
      if (const DWORD end = StepMousePadTrailEffect(s, leds); end && PauseUnlessStopped(stopEvent, end))
        return MousePadStep::Stopped;
      break;
    case MOUSEPAD_REACTIVE: StepMousePadReactiveEffect(s, leds, flashRequest); break;
  }
  return MousePadStep::Drawn;
}
