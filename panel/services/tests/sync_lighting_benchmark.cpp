// Prints the cost of one synchronised lighting step per effect and device frame. Never fails for
// being slow; it checks only that the steps wrote the frames.
#include "sync_lighting.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace {

bool Synced(const void* flag) { return *static_cast<const bool*>(flag); }

constexpr LedColor UNTOUCHED = {1, 2, 3, 4};  // no step writes this record

bool Written(LedColor led) {
  return led.red != UNTOUCHED.red || led.green != UNTOUCHED.green || led.blue != UNTOUCHED.blue ||
         led.level != UNTOUCHED.level;
}

struct Device {
  const char* name;
  bool keyboard, mouse, pad;
};

struct Effect {
  const char* name;
  SyncLightSettings settings;
};

constexpr int STEPS = 20000;

TEST(SyncLightingBenchmark, NanosecondsPerStep) {
  LedColor keyboard[KEYBOARD_LED_COUNT] = {};
  LedColor mouse[MOUSE_LED_COUNT] = {};
  LedColor pad[MOUSEPAD_LED_COUNT] = {};
  bool keyboardSynced = false, mouseSynced = false, padSynced = false;
  const SyncLightTargets targets = {{keyboard, &keyboardSynced, Synced},
                                    {mouse, &mouseSynced, Synced},
                                    {pad, &padSynced, Synced}};

  const Device devices[] = {{"keyboard 126 LEDs", true, false, false},
                            {"mouse 20 LEDs", false, true, false},
                            {"pad 15 LEDs", false, false, true},
                            {"all three", true, true, true}};
  const Effect effects[] = {
      {"wave multicolour", {SYNC_LIGHT_WAVE, 4, 0, 1, 1, 255, 0, 0}},
      {"wave one colour", {SYNC_LIGHT_WAVE, 4, 0, 1, 0, 255, 0, 0}},
      {"spectrum", {SYNC_LIGHT_SPECTRUM, 4, 0, 1, 0, 255, 0, 0}},
      {"breathing multicolour", {SYNC_LIGHT_BREATHING, 4, 0, 1, 1, 255, 0, 0}},
      {"breathing one colour", {SYNC_LIGHT_BREATHING, 4, 0, 1, 0, 255, 0, 0}},
      {"static", {SYNC_LIGHT_STATIC, 4, 0, 1, 0, 255, 0, 0}},
  };

  for (const Device& device : devices) {
    keyboardSynced = device.keyboard;
    mouseSynced = device.mouse;
    padSynced = device.pad;
    for (const Effect& effect : effects) {
      keyboard[0] = mouse[0] = pad[0] = UNTOUCHED;
      const auto start = std::chrono::steady_clock::now();
      for (int i = 0; i < STEPS; ++i) StepSyncLightEffect(effect.settings, targets);
      const auto elapsed = std::chrono::steady_clock::now() - start;
      const double ns = std::chrono::duration<double, std::nano>(elapsed).count() / STEPS;
      std::printf("sync %-22s %-18s %8.1f ns/step\n", effect.name, device.name, ns);

      // The synchronised frames were written, the others not.
      EXPECT_EQ(device.keyboard, Written(keyboard[0])) << effect.name;
      EXPECT_EQ(device.mouse, Written(mouse[0])) << effect.name;
      EXPECT_EQ(device.pad, Written(pad[0])) << effect.name;
    }
  }
}

}  // namespace
