#include "sync_lighting.h"

#include <gtest/gtest.h>

#include <set>

// Found by argument lookup from inside the test macros.
static bool operator==(LedColor a, LedColor b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue && a.level == b.level;
}

static std::ostream& operator<<(std::ostream& out, LedColor c) {
  return out << "(" << int(c.red) << "," << int(c.green) << "," << int(c.blue) << " @"
             << int(c.level) << ")";
}

namespace {

constexpr LedColor UNTOUCHED = {1, 2, 3, 4};

LedColor Wheel(int index, int level) {
  const RgbColor c = COLOR_WHEEL[index];
  return {c.red, c.green, c.blue, static_cast<uint8_t>(level)};
}

// A lighting-sync flag that stays set for a number of reads, then drops, as when the window
// thread clears it during a step.
struct Flag {
  int readsLeft;
};

bool ReadFlag(const void* channel) {
  Flag* flag = const_cast<Flag*>(static_cast<const Flag*>(channel));
  if (flag->readsLeft == 0) return false;
  if (flag->readsLeft > 0) --flag->readsLeft;
  return true;
}

constexpr int ALWAYS = -1;
constexpr int NEVER = 0;

class SyncLighting : public testing::Test {
 protected:
  void SetUp() override {
    ResetLightingStates();
    for (LedColor& led : keyboard) led = UNTOUCHED;
    for (LedColor& led : mouse) led = UNTOUCHED;
    for (LedColor& led : pad) led = UNTOUCHED;
  }

  SyncLightTargets Targets() {
    return {{keyboard, &keyboardFlag, ReadFlag},
            {mouse, &mouseFlag, ReadFlag},
            {pad, &padFlag, ReadFlag}};
  }

  // Key grid column of every UI key.
  static int ColumnOf(int key) {
    for (size_t cell = 0; cell < KEY_GRID_CELLS; ++cell) {
      if (KEYBOARD_KEY_GRID[cell] == key) return static_cast<int>(cell / KEY_GRID_ROWS);
    }
    return -1;
  }

  LedColor keyboard[KEYBOARD_LED_COUNT];
  LedColor mouse[MOUSE_LED_COUNT];
  LedColor pad[MOUSEPAD_LED_COUNT];
  Flag keyboardFlag{ALWAYS}, mouseFlag{ALWAYS}, padFlag{ALWAYS};
};

// effect, brightness, speed, direction, multicolour, red, green, blue
constexpr SyncLightSettings WAVE_ONE_COLOUR = {0, 4, 0, 1, 0, 10, 20, 30};
constexpr SyncLightSettings WAVE_MULTICOLOUR = {0, 2, 0, 1, 1, 10, 20, 30};

TEST_F(SyncLighting, OneColourWaveFollowsTheCurveAcrossColumns) {
  struct Case {
    uint8_t direction, phaseBefore, phaseAfter;
  } cases[] = {{1, 0, 1}, {0, 0, 95}, {1, 95, 0}, {0, 200, 95}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "direction " << int(c.direction) << " from " << int(c.phaseBefore));
    SyncLightSettings settings = WAVE_ONE_COLOUR;
    settings.direction = c.direction;
    SyncLightState.phase = c.phaseBefore;
    StepSyncWaveEffect(settings, Targets());
    EXPECT_EQ(c.phaseAfter, SyncLightState.phase);
    for (int column = 0; column < 23; ++column) {
      const int level = 255 * WAVE_CURVE[(c.phaseAfter + 10 * (column + 1)) % 96] >> 8;
      const LedColor expected = {10, 20, 30, static_cast<uint8_t>(level)};
      for (int key = 0; key < 126; ++key) {
        if (ColumnOf(key) == column) {
          EXPECT_EQ(expected, keyboard[key]) << "key " << key;
        }
      }
      if (column < 7) {
        for (uint8_t led : MOUSE_LED_GROUPS[column])
          EXPECT_EQ(expected, mouse[led]) << "mouse " << int(led);
      }
      if (column < 15) {
        EXPECT_EQ(expected, pad[column]) << "pad " << column;
      }
    }
  }
  // The first column of a forward step from phase 0 reads the curve at 11.
  SyncLightState.phase = 0;
  StepSyncWaveEffect(WAVE_ONE_COLOUR, Targets());
  EXPECT_EQ(255 * WAVE_CURVE[11] >> 8, keyboard[84].level);
}

TEST_F(SyncLighting, MulticolourWaveStepsTheWheelPerColumn) {
  SyncLightState.phase = 190;
  StepSyncWaveEffect(WAVE_MULTICOLOUR, Targets());
  EXPECT_EQ(191, SyncLightState.phase);
  EXPECT_EQ(Wheel(191, 128), keyboard[84]);                    // column 0
  EXPECT_EQ(Wheel(6, 128), keyboard[21]);                      // column 1: 191 + 7 - 192
  EXPECT_EQ(Wheel((191 + 22 * 7) % 192, 128), keyboard[118]);  // column 22
  EXPECT_EQ(Wheel(6, 128), mouse[8]);                          // group 1
  EXPECT_EQ(Wheel((191 + 14 * 7) % 192, 128), pad[14]);
}

TEST_F(SyncLighting, WaveWritesEveryKeyAndNothingElse) {
  StepSyncWaveEffect(WAVE_MULTICOLOUR, Targets());
  for (int i = 0; i < 126; ++i) EXPECT_EQ(ColumnOf(i) < 0, keyboard[i] == UNTOUCHED) << i;
  for (const LedColor& led : mouse) EXPECT_FALSE(led == UNTOUCHED);
  for (const LedColor& led : pad) EXPECT_FALSE(led == UNTOUCHED);
}

TEST_F(SyncLighting, WaveWithoutTheKeyboardStillRunsAllColumns) {
  keyboardFlag.readsLeft = NEVER;
  SyncLightState.phase = 0;
  StepSyncWaveEffect(WAVE_ONE_COLOUR, Targets());
  EXPECT_EQ(1, SyncLightState.phase);
  for (const LedColor& led : keyboard) EXPECT_EQ(UNTOUCHED, led);
  for (int led = 0; led < 20; ++led) EXPECT_EQ(30, mouse[led].blue) << led;
  // Pad LED 14 is column 14: (1 + 150) % 96.
  EXPECT_EQ(255 * WAVE_CURVE[55] >> 8, pad[14].level);
}

TEST_F(SyncLighting, DeviceLeavingMidStepIsNotWrittenAnyFurther) {
  mouseFlag.readsLeft = 3;  // groups 0, 1 and 2, then the flag is cleared
  padFlag.readsLeft = 5;
  StepSyncWaveEffect(WAVE_MULTICOLOUR, Targets());
  for (int group = 0; group < 7; ++group) {
    for (uint8_t led : MOUSE_LED_GROUPS[group]) {
      EXPECT_EQ(group >= 3, mouse[led] == UNTOUCHED) << "group " << group;
    }
  }
  for (int led = 0; led < 15; ++led) EXPECT_EQ(led >= 5, pad[led] == UNTOUCHED) << led;
}

TEST_F(SyncLighting, SpectrumLightsEverythingWithOneWheelColour) {
  struct Case {
    uint8_t direction, phaseBefore, phaseAfter;
  } cases[] = {{1, 191, 0}, {0, 0, 191}, {1, 40, 41}, {0, 250, 191}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.phaseBefore));
    SyncLightState.phase = c.phaseBefore;
    StepSyncSpectrumEffect({1, 1, 0, c.direction, 0, 9, 9, 9}, Targets());
    EXPECT_EQ(c.phaseAfter, SyncLightState.phase);
    for (const LedColor& led : keyboard) EXPECT_EQ(Wheel(c.phaseAfter, 64), led);
    for (const LedColor& led : mouse) EXPECT_EQ(Wheel(c.phaseAfter, 64), led);
    for (const LedColor& led : pad) EXPECT_EQ(Wheel(c.phaseAfter, 64), led);
  }
}

TEST_F(SyncLighting, BreathingFollowsThePulse) {
  struct Case {
    uint8_t multicolour, phaseBefore, phaseAfter;
    LedColor expected;
  } cases[] = {
      {0, 0, 1, {10, 20, 30, 192 * 1 >> 8}},
      {0, 63, 64, {10, 20, 30, 192 * 255 >> 8}},
      {1, 127, 0, Wheel(25, 0)},
      {1, 63, 64, Wheel(89, 192 * 255 >> 8)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.phaseBefore));
    SyncLightState.phase = c.phaseBefore;
    StepSyncBreathingEffect({2, 3, 0, 1, c.multicolour, 10, 20, 30}, Targets());
    EXPECT_EQ(c.phaseAfter, SyncLightState.phase);
    EXPECT_EQ(c.expected, keyboard[125]);
    EXPECT_EQ(c.expected, mouse[19]);
    EXPECT_EQ(c.expected, pad[0]);
  }
}

TEST_F(SyncLighting, MulticolourBreathShowsWheelEntries25To152) {
  std::set<int> shown;
  SyncLightState.phase = 127;
  for (int step = 0; step < 128; ++step) {
    StepSyncBreathingEffect({2, 4, 0, 1, 1, 0, 0, 0}, Targets());
    const int phase = SyncLightState.phase;
    ASSERT_EQ(Wheel(phase + 25, 255 * PULSE_CURVE[phase] >> 8), mouse[0]) << phase;
    shown.insert(phase + 25);
  }
  EXPECT_EQ(128u, shown.size());
  EXPECT_EQ(25, *shown.begin());
  EXPECT_EQ(152, *shown.rbegin());
}

TEST_F(SyncLighting, StaticUsesTheSetColourAtTheBrightnessLevel) {
  struct Case {
    uint8_t brightness, level;
  } cases[] = {{0, 0}, {2, 128}, {4, 255}, {9, 255}};
  for (const Case& c : cases) {
    SyncLightState.phase = 17;
    padFlag.readsLeft = NEVER;
    StepSyncStaticEffect({3, c.brightness, 0, 1, 1, 200, 100, 50}, Targets());
    const LedColor expected = {200, 100, 50, c.level};
    for (const LedColor& led : keyboard) EXPECT_EQ(expected, led) << int(c.brightness);
    for (const LedColor& led : mouse) EXPECT_EQ(expected, led) << int(c.brightness);
    for (const LedColor& led : pad) EXPECT_EQ(UNTOUCHED, led);
    EXPECT_EQ(17, SyncLightState.phase);
  }
}

TEST_F(SyncLighting, EffectByteSelectsTheStep) {
  struct Case {
    uint8_t effect;
    bool ran;
    uint8_t phaseAfter;
  } cases[] = {{0, true, 11}, {1, true, 11},  {2, true, 11},
               {3, true, 10}, {4, false, 10}, {255, false, 10}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.effect));
    SetUp();
    SyncLightState.phase = 10;
    EXPECT_EQ(c.ran, StepSyncLightEffect({c.effect, 4, 0, 1, 0, 1, 1, 1}, Targets()));
    EXPECT_EQ(c.phaseAfter, SyncLightState.phase);
    EXPECT_EQ(c.ran, !(mouse[0] == UNTOUCHED));
  }
}

TEST_F(SyncLighting, MissingFrameOrFlagReaderWritesNothing) {
  SyncLightTargets targets = Targets();
  targets.keyboard.leds = nullptr;
  targets.mouse.isSynced = nullptr;
  StepSyncWaveEffect(WAVE_MULTICOLOUR, targets);
  StepSyncStaticEffect(WAVE_ONE_COLOUR, targets);
  for (const LedColor& led : mouse) EXPECT_EQ(UNTOUCHED, led);
  EXPECT_FALSE(pad[0] == UNTOUCHED);
}

}  // namespace
