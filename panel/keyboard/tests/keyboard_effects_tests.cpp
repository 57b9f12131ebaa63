// The keyboard effects and seeds against the cases their behaviour is defined by: stepped state,
// LED records, previews and level frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "keyboard_effect_shared.h"
#include "keyboard_effects.h"
#include "keyboard_led_maps.h"
#include "keyboard_light_settings.h"
#include "lighting_helpers.h"

namespace {

constexpr LedColor MARKER = {1, 2, 3, 4};

struct EffectFixture : ::testing::Test {
  KeyboardState keyboard;
  LedColor leds[KEYBOARD_LED_COUNT];
  KeyboardEffectContext context{keyboard, leds};

  EffectFixture() {
    ResetLightingStates();
    std::fill(std::begin(KeyboardTwinklePositions), std::end(KeyboardTwinklePositions), 0);
    std::fill(std::begin(leds), std::end(leds), MARKER);
    Set(KB_LIGHT_LEVEL, 4);
    Set(KB_LIGHT_DIRECTION, 1);
    Set(KB_LIGHT_RED, 200);
    Set(KB_LIGHT_RED + 1, 100);
    Set(KB_LIGHT_RED + 2, 50);
  }
  void Set(size_t offset, uint8_t value) { keyboard.KeyboardLiveSettings[offset] = value; }
  void Step(KeyboardEffectStep step, int times = 1) {
    for (int i = 0; i < times; ++i) {
      context.BeginStep();
      step(context);
    }
  }
  bool Lit(uint8_t key) const { return leds[key].level != 0; }
};

uint8_t Scaled(uint8_t a, uint8_t b) { return static_cast<uint8_t>(a * b >> 8); }

TEST_F(EffectFixture, WaveBackwardFromPhaseZeroShowsTheCurveAtNineInColumnZero) {
  Set(KB_LIGHT_DIRECTION, 0);
  Step(StepKeyboardWaveEffect);
  EXPECT_EQ(KeyboardLightState.phase, 95);
  const uint8_t columnZeroKey = KEYBOARD_KEY_GRID[4];  // key 84
  EXPECT_EQ(leds[columnZeroKey].level, Scaled(255, WAVE_CURVE[9]));
  EXPECT_EQ(leds[columnZeroKey].red, 200);
}

TEST_F(EffectFixture, WaveModelsDifferOnlyInTheMulticolourColumnStep) {
  Set(KB_LIGHT_MULTICOLOUR, 1);
  const uint8_t column2 = KEYBOARD_KEY_GRID[2 * 6];  // key 0
  Step(StepKeyboardWaveEffect);
  EXPECT_EQ(leds[column2].red, COLOR_WHEEL[1 + 28].red);
  ClearKeyboardLightState();
  Step(StepKeyboardWaveEffectModel2);
  EXPECT_EQ(leds[column2].red, COLOR_WHEEL[1 + 14].red);
}

TEST_F(EffectFixture, BreathingAdvancesThePaletteOncePerBreathAndIgnoresNothingElse) {
  Step(StepKeyboardBreathingEffect, 127);
  EXPECT_EQ(keyboard.KeyboardLiveSettings[KB_LIGHT_PALETTE], 0);
  Step(StepKeyboardBreathingEffect);
  EXPECT_EQ(keyboard.KeyboardLiveSettings[KB_LIGHT_PALETTE], 1);
  Step(StepKeyboardBreathingEffect, 256);
  EXPECT_EQ(keyboard.KeyboardLiveSettings[KB_LIGHT_PALETTE], 0) << "after 2 comes 0";
}

TEST_F(EffectFixture, KeyCycleSeededWith192WrapsAtOnceToTheNextPaletteColour) {
  Set(KB_LIGHT_MULTICOLOUR, 1);
  SeedKeyboardColumnPhases();
  const uint8_t key = KEYBOARD_KEY_GRID[13 * 6];  // column 13, row 0: seed 192
  ASSERT_EQ(KeyboardLightState.fade[key], 192);
  Step(StepKeyboardKeyCycleEffect);
  EXPECT_EQ(KeyboardLightState.fade[key], 0);
  const RgbColor colour = KEYBOARD_CYCLE_PALETTE[KeyboardLightState.steps[key]];
  EXPECT_EQ(leds[key].red, colour.red);
  EXPECT_EQ(leds[key].level, Scaled(255, FLASH_CURVE[0]));
  EXPECT_EQ(KeyboardLightState.steps[key] % 5, 0) << "model 0 counts in fives from 0";
}

TEST_F(EffectFixture, RippleStartsBelowTheBottomRowAndRunsUpColumnNine) {
  SeedKeyboardRipplePlanes();
  Step(StepKeyboardRippleEffect);
  for (size_t entry = 0; entry < KEYBOARD_LED_COUNT; ++entry)
    if (KEYBOARD_KEY_ORDER[entry] != NO_KEY) EXPECT_FALSE(Lit(KEYBOARD_KEY_ORDER[entry])) << entry;
  Step(StepKeyboardRippleEffect);
  EXPECT_TRUE(Lit(109));
  EXPECT_FALSE(Lit(92));
  Step(StepKeyboardRippleEffect);
  EXPECT_TRUE(Lit(92));
  Step(StepKeyboardRippleEffect, 3);
  const auto& planes = KeyboardLightState.planes;
  EXPECT_EQ(planes[0][9] | planes[1][9] | planes[2][9] | planes[3][9], 0x01) << "the seventh step restarts at the top";
  Step(StepKeyboardRippleEffect);
  EXPECT_TRUE(Lit(KEYBOARD_KEY_GRID[9 * 6])) << "row 0 of column 9";
}

TEST_F(EffectFixture, RandomFillLightsTheSnakeOrderOneKeyPerStepThenRestarts) {
  for (uint8_t position = 0; position <= 105; ++position) {
    const uint8_t key = KEYBOARD_SNAKE_ORDER[position];
    const uint8_t counter = EffectColorCounter;
    Step(StepKeyboardRandomFillEffect);
    EXPECT_EQ(EffectColorCounter, static_cast<uint8_t>(counter + 13));
    if (key < KEYBOARD_LED_COUNT) EXPECT_EQ(KeyboardLightState.steps[key], EffectColorCounter) << int(position);
  }
  EXPECT_EQ(KEYBOARD_SNAKE_ORDER[105], 105);
  const uint8_t counter = EffectColorCounter;
  Step(StepKeyboardRandomFillEffect);
  EXPECT_EQ(SyncLightState.phase, 0) << "position 106 lights nothing and restarts";
  EXPECT_EQ(EffectColorCounter, counter);
}

TEST_F(EffectFixture, SequenceLightsThirtyOnePairsThenWaitsForKey72) {
  Step(StepKeyboardSequenceEffect, 20);
  ASSERT_EQ(KeyboardLightState.stage, 1);
  Step(StepKeyboardSequenceEffect, 31);
  EXPECT_EQ(KeyboardLightState.stage, 1);
  EXPECT_EQ(KeyboardLightState.phase, 31);
  EXPECT_NE(KeyboardLightState.fade[72], 0);
  int steps = 0;
  while (KeyboardLightState.stage == 1 && steps++ < 300) Step(StepKeyboardSequenceEffect);
  EXPECT_EQ(KeyboardLightState.stage, 2);
}

TEST_F(EffectFixture, CustomTakesEachModelsOwnLedNumbering) {
  auto& layout = keyboard.KeyboardCustomLayouts[0];
  layout[3 * 85] = 77;
  layout[3 * 55] = 55;
  layout[3 * 75] = 75;
  Step(StepKeyboardCustomEffect);
  EXPECT_EQ(leds[80].red, MARKER.red) << "UI key 80 has no LED on model 0";
  EXPECT_EQ(leds[55].red, 55);
  Step(StepKeyboardCustomEffectModel2);
  EXPECT_EQ(leds[80].red, 77);
  EXPECT_EQ(leds[55].red, 75);
}

TEST_F(EffectFixture, CustomReadsTheFirstLayoutWhenTheStoredIndexIsOutOfRange) {
  keyboard.KeyboardCustomPaint[0] = 200;
  keyboard.KeyboardCustomLayouts[0][0] = 9;
  Step(StepKeyboardCustomEffect);
  EXPECT_EQ(leds[0].red, 9);
}

TEST_F(EffectFixture, TwinkleLightsEveryLedOrderEntryOnceIn35StepsExceptKey77) {
  std::map<uint8_t, int> lit;
  for (int step = 0; step < 35; ++step) {
    uint8_t before[KEYBOARD_LED_COUNT];
    std::copy(std::begin(KeyboardLightState.steps), std::end(KeyboardLightState.steps), before);
    LightKeyboardTwinkleKeys(KeyboardTwinklePositions[0]);
    for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key)
      if (KeyboardLightState.steps[key] != before[key]) ++lit[key];
  }
  for (size_t entry = 0; entry < 104; ++entry)
    EXPECT_EQ(lit[KEYBOARD_LED_ORDER[entry]], KEYBOARD_LED_ORDER[entry] == 15 ? 2 : 1) << entry;
  EXPECT_EQ(lit.count(77), 0u);
}

TEST_F(EffectFixture, SpiralOfModelZeroPaintsItsPreviewsModelTwoDoesNot) {
  const auto painted = [this] {
    return std::count(context.previews.painted.begin(), context.previews.painted.end(), 1);
  };
  Step(StepKeyboardSpiralEffect);
  EXPECT_GT(painted(), 90);
  Step(StepKeyboardSpiralEffectModel2);
  EXPECT_EQ(painted(), 0);
  EXPECT_TRUE(Lit(LookupKeyboardLed(51)));
}

TEST_F(EffectFixture, SeedsGiveTheirDefinedPhases) {
  SeedKeyboardOneColorGradient();
  EXPECT_EQ(KeyboardOneColorPhases[84], 17);
  EXPECT_EQ(KeyboardOneColorPhases[105], 175);
  const uint8_t column1[] = {21, 42, 63, 80, 106};
  const uint8_t expected1[] = {114, 79, 44, 9, 167};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(KeyboardOneColorPhases[column1[i]], expected1[i]);
  SeedKeyboardKeyPhases();
  EXPECT_EQ(KeyboardLightState.steps[0], 33);
  EXPECT_EQ(KeyboardLightState.steps[5], 6) << "198 - 192";
}

TEST_F(EffectFixture, OneColorKeyCycleHasNoFrameByteForKey80ButItsPreviewFollows) {
  SeedKeyboardOneColorPhases();
  Step(StepKeyboardOneColorKeyCycleEffect);
  EXPECT_EQ(context.frameLength, 126u);
  EXPECT_TRUE(context.previews.painted[80]);
  EXPECT_EQ(context.previews.colour[80], ONECOLOR_PREVIEW_COLOUR);
  EXPECT_EQ(KEYBOARD_LED_MAP_ONECOLOR[80], KEYBOARD_NO_LED);
  const uint8_t key = 0, led = static_cast<uint8_t>(KEYBOARD_LED_MAP_ONECOLOR[key]);
  EXPECT_EQ(context.levelFrame[led], context.previews.level[key]);
}

TEST_F(EffectFixture, OneColorFramesAre126BytesExceptTheRandomFillsAndModes11To16SendNone) {
  for (uint8_t mode = 0; mode <= 16; ++mode) {
    const KeyboardEffectEntry entry = KeyboardEffectFor(KEYBOARD_MODEL_ONECOLOR, mode);
    if (mode > 10) {
      EXPECT_EQ(entry.step, nullptr) << int(mode);
      continue;
    }
    ASSERT_NE(entry.step, nullptr);
    Step(entry.step);
    EXPECT_EQ(context.frameLength, mode == 10 ? 108u : 126u) << int(mode);
  }
}

TEST_F(EffectFixture, OneColorBreathingIgnoresTheDirection) {
  Set(KB_LIGHT_DIRECTION, 0);
  Step(StepKeyboardOneColorBreathingEffect, 3);
  EXPECT_EQ(KeyboardLightState.phase, 3);
  EXPECT_EQ(context.levelFrame[0], Scaled(255, PULSE_CURVE[3]));
}

TEST_F(EffectFixture, BoundedIndexesSurviveHostileLiveBytes) {
  Set(KB_LIGHT_LEVEL, 200);
  KeyboardLightState.phase = 250;
  KeyboardLightState.stage = 99;
  SyncLightState.phase = 250;
  for (int model : {0, 1, 2})
    for (uint8_t mode = 0; mode < 19; ++mode)
      if (KeyboardEffectEntry entry = KeyboardEffectFor(model, mode); entry.step) Step(entry.step);
  EXPECT_EQ(KeyboardEffectFor(0, 16).step, nullptr);
  EXPECT_EQ(KeyboardEffectFor(2, 19).step, nullptr);
  EXPECT_EQ(KeyboardEffectFor(7, 0).step, nullptr);
}

}  // namespace
