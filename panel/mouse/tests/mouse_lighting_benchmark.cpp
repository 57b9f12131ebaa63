// Host cost of one step of each mouse effect and of the frame build. A pass leaves 20 ms or more
// between steps; each should stay under 5 microseconds.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "lighting_helpers.h"
#include "mouse_light_effects.h"
#include "mouse_state.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 200000;
constexpr double kTargetNs = 5000;

template <class Step>
double NanosecondsPerRun(Step step) {
  for (int i = 0; i < 1000; ++i) step();  // warm up
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < kRuns; ++i) step();
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / kRuns;
}

TEST(MouseLightingBenchmark, NanosecondsPerStepAndFrame) {
  MouseLeds leds{};
  MouseLiveSettings[MOUSE_LIGHT_LEVEL] = 4;
  MouseLiveSettings[MOUSE_LIGHT_RED] = 200;
  const char* const names[MOUSE_MODE_COUNT] = {"wave", "spectrum", "breathing", "static", "fill", "ripple", "reactive"};
  for (uint8_t multicolour : {uint8_t{0}, uint8_t{1}}) {
    MouseLiveSettings[MOUSE_LIGHT_MULTICOLOUR] = multicolour;
    for (uint8_t mode = 0; mode < MOUSE_MODE_COUNT; ++mode) {
      MouseLiveSettings[MOUSE_LIGHT_MODE] = mode;
      if (mode == MOUSE_MODE_RIPPLE) SeedMouseRipple(0);
      const MouseEffect* effect = MouseEffectFor(mode);
      const double ns = NanosecondsPerRun([&] {
        MouseFlashRequest = 1;
        effect->step(leds);
      });
      std::printf("%-9s %s: %7.1f ns per step (target under %.0f)\n", names[mode],
                  multicolour ? "multicolour" : "one colour ", ns, kTargetNs);
      EXPECT_LT(ns, kTargetNs) << names[mode];
    }
  }
  uint8_t frame[MOUSE_LED_FRAME_SIZE];
  volatile uint8_t sink = 0;  // keeps the frames from being optimised away
  const double ns = NanosecondsPerRun([&] {
    ++leds[0].level;
    BuildMouseLedFrame(leds, frame);
    sink = frame[0];
  });
  std::printf("frame build: %7.1f ns (target under %.0f)\n", ns, kTargetNs);
  EXPECT_LT(ns, kTargetNs);
  ResetMouseState();
  ResetLightingStates();
  ResetMouseEffectStates();
}

}  // namespace
