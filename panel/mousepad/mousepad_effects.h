#pragma once
// The mouse pad's nine software effects. Each step reads a copy of the live settings (the window
// thread may change them meanwhile), bounds every value that indexes a table, and writes the 15 LED
// records of the pad's frame; the trail's pause steps write nothing. Effect scratch state lives in
// MousePadLightState (lighting_state.h) and in the states below, which a mode change keeps.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "lighting_state.h"
#include "mousepad_state.h"

using MousePadLeds = LedColor[MOUSEPAD_LED_COUNT];

enum MousePadMode : uint8_t {
  MOUSEPAD_WAVE = 0,
  MOUSEPAD_SPECTRUM = 1,
  MOUSEPAD_BREATHING = 2,
  MOUSEPAD_STATIC = 3,
  MOUSEPAD_FILL = 4,
  MOUSEPAD_RIPPLE = 5,
  MOUSEPAD_SWEEP = 6,
  MOUSEPAD_TRAIL = 7,
  MOUSEPAD_REACTIVE = 8,
};

// The fill's count runs 1..15 up and 14..-1 down.
struct MousePadFillState {
  int32_t count;
  uint8_t falling;
};

// A bar of columns that slides right (running) or left; a 16-bit pattern shifted one column a step.
struct MousePadTrailState {
  uint8_t running;
  int16_t pattern;
  int32_t counter;
};

// A mouse key press lights the pad for about 100 ms, a new wheel colour each time.
struct MousePadReactiveState {
  uint8_t active;
  uint8_t colorIndex;
  DWORD startTick;
};

extern MousePadFillState MousePadFill;
extern MousePadTrailState MousePadTrail;
extern MousePadReactiveState MousePadReactive;

// The three states above as at program start; for test fixtures.
void ResetMousePadEffectStates();

void StepMousePadWaveEffect(MousePadLiveSettings settings, MousePadLeds& leds);
void StepMousePadSpectrumEffect(MousePadLiveSettings settings, MousePadLeds& leds);
// Also moves the palette byte of `live` on at each new breath.
void StepMousePadBreathingEffect(MousePadLiveSettings& live, MousePadLeds& leds);
void StepMousePadStaticEffect(MousePadLiveSettings settings, MousePadLeds& leds);
void StepMousePadFillEffect(MousePadLiveSettings settings, MousePadLeds& leds);
void StepMousePadRippleEffect(MousePadLiveSettings settings, MousePadLeds& leds);
void StepMousePadSweepEffect(MousePadLiveSettings settings, MousePadLeds& leds);
// At each end of the bar's run the step writes nothing and asks for a pause: the ms to pause after
// the step, 0 for none.
DWORD StepMousePadTrailEffect(MousePadLiveSettings settings, MousePadLeds& leds);
// Takes (and clears) a flash request set by the mouse's key reports.
void StepMousePadReactiveEffect(MousePadLiveSettings settings, MousePadLeds& leds, std::atomic<int>& flashRequest);

// Ring positions that hold a mark light their LED at full fade level (a new colour each in
// multicolour).
void MarkMousePadRippleLeds(uint8_t multicolour);
// Puts one mark at ring position 0, which then runs round all 15 LEDs.
void SeedMousePadRipple();

// The mode's own pause before its step, in ms (fill, ripple, trail); speed above 4 counts as 4.
DWORD MousePadStepPause(uint8_t mode, uint8_t speed);
enum class MousePadStep {
  Drawn,     // the mode's step ran
  NoEffect,  // a mode above 8: nothing written
  Stopped,   // a stop ended one of the mode's pauses: nothing more is drawn or sent
};
// The mode's pauses, each a wait on `stopEvent`, and its step.
MousePadStep StepMousePadEffect(MousePadLiveSettings& live, MousePadLeds& leds, std::atomic<int>& flashRequest,
                                HANDLE stopEvent);
