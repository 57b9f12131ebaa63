#include "headset_light_generators.h"

#include <gtest/gtest.h>

#include <vector>

#include "lighting_tables.h"

namespace {
class HeadsetGenerators : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetLightingStates();
    ResetHeadsetEffects();
  }
  std::vector<LedColor> frame = std::vector<LedColor>(HEADSET_LED_COUNT);
};

uint8_t Scaled(uint8_t component, unsigned factor) {
  return static_cast<uint8_t>(static_cast<uint16_t>(component * (factor + 1)) >> 8);
}

bool Same(const LedColor& a, const LedColor& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue && a.level == b.level;
}

TEST_F(HeadsetGenerators, StaticAndSpectrumFillEveryLedAtTheBrightnessLevel) {
  HeadsetLightSettings light{3, 2, 0, 1, 0, 10, 20, 30, 0};
  GenerateHeadsetStaticFrame(light, frame.data(), frame.size());
  for (const LedColor& led : frame) EXPECT_TRUE(Same(LedColor{10, 20, 30, BRIGHTNESS_LEVELS[2]}, led));

  light.direction = 0;  // backward from 0 wraps to the wheel's last step
  GenerateHeadsetSpectrumFrame(kFirstHeadsetLighting, light, frame.data(), frame.size());
  EXPECT_EQ(191, HeadsetEffect.cycleIndex);
  const RgbColor& colour = COLOR_WHEEL[191];
  for (const LedColor& led : frame)
    EXPECT_TRUE(Same(LedColor{colour.red, colour.green, colour.blue, BRIGHTNESS_LEVELS[2]}, led));
}

TEST_F(HeadsetGenerators, MulticolourWaveWalksTheWheelPerLedOnTheFamilysOwnState) {
  HeadsetLightSettings light{0, 4, 0, 1, 1, 0, 0, 0, 0};
  HeadsetK27LightState.phase = 185;
  std::vector<LedColor> k27(HEADSET_K27_LED_COUNT);
  GenerateHeadsetWaveFrame(kK27HeadsetLighting, light, k27.data(), k27.size());

  EXPECT_EQ(188, HeadsetK27LightState.phase);
  EXPECT_EQ(0, HeadsetLightState.phase) << "the first family's phase is its own";
  const uint8_t level = BRIGHTNESS_LEVELS[4];
  for (size_t i = 0; i < k27.size(); ++i) {
    const RgbColor& colour = COLOR_WHEEL[(188 + 14 * i) % 192];
    EXPECT_TRUE(Same(LedColor{Scaled(colour.red, level), Scaled(colour.green, level),
                              Scaled(colour.blue, level), level},
                     k27[i]))
        << "LED " << i;
  }
}

TEST_F(HeadsetGenerators, SingleColourWaveShapesLevelsByTheCurveAfterTheStep) {
  HeadsetLightSettings light{0, 3, 0, 1, 0, 200, 100, 50, 0};
  GenerateHeadsetWaveFrame(kFirstHeadsetLighting, light, frame.data(), frame.size());
  const uint8_t level = BRIGHTNESS_LEVELS[3];
  unsigned p = 3;
  for (size_t i = 0; i < frame.size(); ++i) {
    const uint8_t curve = WAVE_CURVE[p];
    p = (p + 10) % 96;
    const LedColor expected{Scaled(Scaled(200, level), curve), Scaled(Scaled(100, level), curve),
                            Scaled(Scaled(50, level), curve),
                            static_cast<uint8_t>((level * WAVE_CURVE[p]) >> 8)};
    EXPECT_TRUE(Same(expected, frame[i])) << "LED " << i;
  }
}

TEST_F(HeadsetGenerators, WavePhaseLeftByTheWheelVariantIsReducedBeforeTheCurveUsesIt) {
  HeadsetLightSettings light{0, 4, 0, 1, 0, 255, 255, 255, 0};
  HeadsetLightState.phase = 95;
  GenerateHeadsetWaveFrame(kFirstHeadsetLighting, light, frame.data(), frame.size());
  const std::vector<LedColor> inRange = frame;

  // 191 + 3 less 96 would be 98, past the curve's 96 entries.
  HeadsetLightState.phase = 191;
  GenerateHeadsetWaveFrame(kFirstHeadsetLighting, light, frame.data(), frame.size());
  EXPECT_EQ(2, HeadsetLightState.phase);
  for (size_t i = 0; i < frame.size(); ++i) EXPECT_TRUE(Same(inRange[i], frame[i])) << "LED " << i;
}

TEST_F(HeadsetGenerators, MulticolourBreathingMovesTheWheelBy16EachTimeThePhaseReturnsToZero) {
  HeadsetLightSettings light{2, 4, 0, 1, 1, 0, 0, 0, 0};
  std::vector<int> wheel;
  for (int pass = 0; pass < 32 * 13; ++pass) {
    GenerateHeadsetBreathFrame(kFirstHeadsetLighting, light, frame.data(), frame.size());
    if (HeadsetEffect.breathPhase == 0) wheel.push_back(light.breathWheelIndex);
  }
  EXPECT_EQ((std::vector<int>{16, 32, 48, 64, 80, 96, 112, 128, 144, 160, 176, 0, 16}), wheel);

  const RgbColor& colour = COLOR_WHEEL[16];
  const uint8_t level = static_cast<uint8_t>((PULSE_CURVE[0] * BRIGHTNESS_LEVELS[4]) >> 8);
  EXPECT_TRUE(Same(LedColor{colour.red, colour.green, colour.blue, level}, frame[12]));
}

TEST_F(HeadsetGenerators, SingleColourBreathingKeepsTheColourAndPulsesTheLevel) {
  HeadsetLightSettings light{2, 1, 0, 1, 0, 9, 8, 7, 0};
  for (int pass = 0; pass < 5; ++pass)
    GenerateHeadsetBreathFrame(kFirstHeadsetLighting, light, frame.data(), frame.size());
  const uint8_t level = static_cast<uint8_t>((PULSE_CURVE[20] * BRIGHTNESS_LEVELS[1]) >> 8);
  for (const LedColor& led : frame) EXPECT_TRUE(Same(LedColor{9, 8, 7, level}, led));
}
}  // namespace
