// Prints the cost of one step of each of the mouse pad's nine effects (target: under 5 us each).
// Never fails for being slow; it checks only that the steps wrote the frame. The trail's pauses
// pass on a fake clock.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "fake_clock.h"
#include "mousepad_effects.h"

namespace {

constexpr int STEPS = 20000;

TEST(MousePadEffectsBenchmark, NanosecondsPerStep) {
  FakeClock clock;
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<int> flashRequest{0};
  MousePadLeds leds = {};
  const char* names[] = {"wave", "spectrum", "breathing", "static", "fill", "ripple", "sweep", "trail", "reactive"};
  for (uint8_t mode = 0; mode < MOUSEPAD_MODE_COUNT; ++mode) {
    for (uint8_t multicolour : {0, 1}) {
      MousePadLiveSettings live = {0, mode, 4, 0, 1, multicolour, 255, 128, 0, 0, {}};
      SeedMousePadRipple();
      std::fill(std::begin(leds), std::end(leds), LedColor{1, 2, 3, 4});
      const auto start = std::chrono::steady_clock::now();
      for (int i = 0; i < STEPS; ++i) {
        if (mode == MOUSEPAD_REACTIVE && i % 64 == 0) flashRequest = 1;
        StepMousePadEffect(live, leds, flashRequest, stop);
      }
      const auto elapsed = std::chrono::steady_clock::now() - start;
      const double ns = std::chrono::duration<double, std::nano>(elapsed).count() / STEPS;
      std::printf("pad %-10s %-12s %8.1f ns/step\n", names[mode], multicolour ? "multicolour" : "one colour", ns);
      EXPECT_FALSE(leds[0].red == 1 && leds[0].green == 2 && leds[0].blue == 3 && leds[0].level == 4) << names[mode];
    }
  }
  CloseHandle(stop);
}

}  // namespace
