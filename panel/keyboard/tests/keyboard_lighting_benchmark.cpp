// Prints the cost of every keyboard effect step on its 126 records and of one RGB frame built and
// sent to a simulated keyboard that answers at once. Never fails for being slow.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "keyboard_effects.h"
#include "keyboard_led_frame.h"
#include "keyboard_light_plans.h"
#include "keyboard_light_settings.h"
#include "keyboard_test_fixture.h"
#include "lighting_helpers.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int STEPS = 20000;
constexpr int FRAMES = 2000;

double NanosecondsPer(Clock::time_point start, int count) {
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / count;
}

TEST(KeyboardLightingBenchmark, NanosecondsPerStep) {
  KeyboardState keyboard;
  LedColor leds[KEYBOARD_LED_COUNT] = {};
  KeyboardEffectContext context(keyboard, leds);
  uint8_t* live = keyboard.KeyboardLiveSettings.data();
  live[KB_LIGHT_LEVEL] = 4;
  live[KB_LIGHT_DIRECTION] = 1;
  live[KB_LIGHT_RED] = 255;
  double slowest = 0;
  for (int model : {KEYBOARD_MODEL_RGB, KEYBOARD_MODEL_ONECOLOR, KEYBOARD_MODEL_RGB2}) {
    keyboard.model = model;
    for (uint8_t mode = 0; mode < KEYBOARD_RGB_MODES; ++mode) {
      const KeyboardEffectStep step = KeyboardEffectFor(model, mode).step;
      if (!step) continue;
      for (uint8_t multicolour : {0, 1}) {
        live[KB_LIGHT_MODE] = mode;
        live[KB_LIGHT_MULTICOLOUR] = multicolour;
        ResetLightingStates();
        SeedKeyboardMode(model, mode);
        const auto start = Clock::now();
        for (int i = 0; i < STEPS; ++i) {
          context.BeginStep();
          step(context);
        }
        const double ns = NanosecondsPer(start, STEPS);
        slowest = std::max(slowest, ns);
        std::printf("model %d mode %2d %-10s %8.0f ns per step\n", model, mode, multicolour ? "multi" : "one colour",
                    ns);
      }
    }
  }
  std::printf("slowest step: %.0f ns (target under 5000)\n", slowest);
}

struct FrameBenchmark : KeyboardFixture {};

TEST_F(FrameBenchmark, MicrosecondsToBuildAndSendOneFrame) {
  auto keyboard = Connect(SIMULATED_KEYBOARD_RGB);
  LedColor leds[KEYBOARD_LED_COUNT];
  for (size_t i = 0; i < KEYBOARD_LED_COUNT; ++i) leds[i] = {static_cast<uint8_t>(i), 100, 200, 255};
  uint8_t frame[KEYBOARD_RGB_FRAME_SIZE];
  auto start = Clock::now();
  for (int i = 0; i < FRAMES; ++i) BuildKeyboardLedFrame(KEYBOARD_MODEL_RGB, leds, frame);
  std::printf("build: %.0f ns per frame\n", NanosecondsPer(start, FRAMES));
  start = Clock::now();
  for (int i = 0; i < FRAMES; ++i) {
    BuildKeyboardLedFrame(KEYBOARD_MODEL_RGB, leds, frame);
    channel.SendLedFrame(frame, sizeof frame);
    if (i % 100 == 99) keyboard->ClearWireLog();
  }
  std::printf("build and send: %.1f us per frame (target under 1000)\n", NanosecondsPer(start, FRAMES) / 1000);
  EXPECT_EQ(keyboard->Memory().ledFrame[3 * 1], 1 * 255 >> 8);
}

}  // namespace
