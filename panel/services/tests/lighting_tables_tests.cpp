#include "lighting_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

// The 105 keys of the 126 positions; the others carry no key.
std::set<int> KeyboardKeys() {
  std::set<int> keys;
  for (int i = 0; i < 126; ++i) {
    const bool empty = (i >= 16 && i <= 20) || i == 62 || i == 79 || (i >= 81 && i <= 83) ||
                       (i >= 100 && i <= 104) || i >= 120;
    if (!empty) keys.insert(i);
  }
  return keys;
}

template <typename Table>
std::vector<int> Slice(const Table& table, size_t from, size_t to) {
  return std::vector<int>(table.begin() + from, table.begin() + to);
}

// Each key exactly once, nothing else but the allowed filler.
void ExpectEveryKeyOnce(const std::vector<int>& entries, int filler, size_t fillerCount) {
  std::multiset<int> seen(entries.begin(), entries.end());
  for (int key : KeyboardKeys()) EXPECT_EQ(1u, seen.count(key)) << "key " << key;
  EXPECT_EQ(fillerCount, seen.count(filler));
  EXPECT_EQ(105 + fillerCount, entries.size());
}

// Position-weighted sum; catches changed, missing and swapped entries of a transcribed list.
template <typename Table>
uint64_t WeightedSum(const Table& table) {
  uint64_t sum = 0, position = 0;
  for (auto value : table) sum += ++position * value;
  return sum;
}

bool SameColour(RgbColor a, RgbColor b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

TEST(LightingTables, BrightnessAndDelays) {
  EXPECT_EQ((std::array<uint8_t, 5>{0, 64, 128, 192, 255}), BRIGHTNESS_LEVELS);
  for (int mode = 0; mode < 19; ++mode) {
    SCOPED_TRACE(mode);
    std::vector<int> row = Slice(EFFECT_DELAY_TABLE, mode * 5, mode * 5 + 5);
    if (mode < 15) {
      EXPECT_EQ((std::vector<int>{0, 15, 30, 45, 60}), row);
    }
    if (mode == 15) {
      EXPECT_EQ((std::vector<int>{0, 9, 25, 41, 53}), row);
    }
    if (mode > 15) {
      EXPECT_EQ((std::vector<int>{65, 9, 25, 41, 53}), row);
    }
  }
}

TEST(LightingTables, BoundedLookupsOfSettings) {
  struct Case {
    int brightness, level;
  } levels[] = {{0, 0}, {2, 128}, {4, 255}, {5, 255}, {255, 255}};
  for (const Case& c : levels) EXPECT_EQ(c.level, BrightnessLevel(c.brightness)) << c.brightness;

  struct Delay {
    int mode, speed, ms;
  } delays[] = {{0, 0, 0},   {3, 4, 60},  {15, 1, 9},     {16, 0, 65},
                {18, 4, 53}, {19, 0, 65}, {255, 255, 53}, {2, 9, 60}};
  for (const Delay& d : delays) {
    EXPECT_EQ(d.ms, EffectDelay(d.mode, d.speed)) << d.mode << "/" << d.speed;
  }
}

TEST(LightingTables, ColorWheelIsOneHueCircleWithItsStartRepeated) {
  EXPECT_TRUE(SameColour({255, 1, 0}, COLOR_WHEEL[0]));
  EXPECT_TRUE(SameColour({255, 26, 0}, COLOR_WHEEL[8]));
  EXPECT_TRUE(SameColour({255, 255, 0}, COLOR_WHEEL[31]));
  EXPECT_TRUE(SameColour({248, 255, 0}, COLOR_WHEEL[32]));
  EXPECT_TRUE(SameColour({0, 255, 0}, COLOR_WHEEL[63]));
  EXPECT_TRUE(SameColour({0, 0, 255}, COLOR_WHEEL[127]));
  EXPECT_TRUE(SameColour({255, 0, 0}, COLOR_WHEEL[191]));
  for (int k = 192; k < 256; ++k)
    EXPECT_TRUE(SameColour(COLOR_WHEEL[k - 192], COLOR_WHEEL[k])) << k;

  // Around the circle every step moves exactly one component, the one its sixth ramps, the way
  // it ramps: a mistyped ramp value breaks the order.
  const int ramp[6][3] = {{0, 1, 0}, {-1, 0, 0}, {0, 0, 1}, {0, -1, 0}, {1, 0, 0}, {0, 0, -1}};
  for (int h = 0; h < 192; ++h) {
    const RgbColor a = COLOR_WHEEL[h], b = COLOR_WHEEL[(h + 1) % 192];
    const int moves[3] = {b.red - a.red, b.green - a.green, b.blue - a.blue};
    const int* way = ramp[((h + 1) % 192) / 32];
    for (int i = 0; i < 3; ++i) {
      if (way[i] == 0) {
        EXPECT_EQ(0, moves[i]) << "hue " << h << " component " << i;
      }
      if (way[i] != 0) {
        EXPECT_GT(moves[i] * way[i], 0) << "hue " << h << " component " << i;
      }
    }
  }
}

TEST(LightingTables, LevelCurves) {
  for (int k = 0; k < 48; ++k) EXPECT_EQ(WAVE_CURVE[k], WAVE_CURVE[95 - k]) << k;
  for (int k = 0; k < 64; ++k) EXPECT_EQ(PULSE_CURVE[k], PULSE_CURVE[127 - k]) << k;
  for (int k = 1; k < 48; ++k) EXPECT_LT(WAVE_CURVE[k - 1], WAVE_CURVE[k]) << k;
  for (int k = 1; k < 64; ++k) EXPECT_LT(PULSE_CURVE[k - 1], PULSE_CURVE[k]) << k;
  for (int k = 0; k < 48; ++k) EXPECT_EQ(WAVE_CURVE[k], PULSE_CURVE[16 + k]) << k;
  EXPECT_EQ((std::vector<int>{22, 24, 27, 30}), Slice(WAVE_CURVE, 0, 4));
  EXPECT_EQ(57, WAVE_CURVE[11]);
  EXPECT_EQ(140, WAVE_CURVE[29]);
  EXPECT_EQ(255, WAVE_CURVE[47]);
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22}),
            Slice(PULSE_CURVE, 0, 17));
  EXPECT_EQ(255, PULSE_CURVE[63]);

  EXPECT_EQ((std::vector<int>{0, 4, 8, 14, 22, 33, 45, 61, 77, 94, 114, 134, 158, 182, 206, 234}),
            Slice(FLASH_CURVE, 0, 16));
  EXPECT_EQ(Slice(PULSE_CURVE, 64, 126), Slice(FLASH_CURVE, 16, 78));
  EXPECT_EQ(255, FLASH_CURVE[16]);
  EXPECT_EQ((std::vector<int>{2, 2, 1, 0}), Slice(FLASH_CURVE, 77, 81));
  EXPECT_EQ(std::vector<int>(112, 0), Slice(FLASH_CURVE, 80, 192));
}

TEST(LightingTables, KeyGridHoldsEveryKeyOnce) {
  ExpectEveryKeyOnce(Slice(KEYBOARD_KEY_GRID, 0, KEY_GRID_CELLS), NO_KEY, 33);
  EXPECT_EQ(762915u, WeightedSum(KEYBOARD_KEY_GRID));
  EXPECT_EQ(52, KEYBOARD_KEY_GRID[11 * 6 + 2]);
  EXPECT_EQ(55, KEYBOARD_KEY_GRID[13 * 6 + 3]);
  EXPECT_EQ(84, KEYBOARD_KEY_GRID[0 * 6 + 4]);
  EXPECT_EQ(118, KEYBOARD_KEY_GRID[22 * 6 + 4]);
}

TEST(LightingTables, KeyAndLedOrders) {
  ExpectEveryKeyOnce(Slice(KEYBOARD_KEY_ORDER, 0, 105), NO_KEY, 0);
  EXPECT_EQ(357800u, WeightedSum(Slice(KEYBOARD_KEY_ORDER, 0, 105)));
  EXPECT_EQ(std::vector<int>(20, NO_KEY), Slice(KEYBOARD_KEY_ORDER, 105, 125));
  EXPECT_EQ(std::vector<int>(3, 0), Slice(KEYBOARD_KEY_ORDER, 125, 128));

  EXPECT_EQ(Slice(KEYBOARD_KEY_ORDER, 0, 105), Slice(KEYBOARD_LED_ORDER, 0, 105));
  EXPECT_EQ(std::vector<int>(23, 0), Slice(KEYBOARD_LED_ORDER, 105, 128));

  // The second RGB model's order only moves key 55 to between 74 and 75.
  std::vector<int> rgb2 = Slice(KEYBOARD_KEY_ORDER_RGB2, 0, 105);
  ExpectEveryKeyOnce(rgb2, NO_KEY, 0);
  EXPECT_EQ(15, rgb2[0]);
  const auto at55 = std::find(rgb2.begin(), rgb2.end(), 55);
  ASSERT_TRUE(at55 != rgb2.begin() && at55 + 1 != rgb2.end());
  EXPECT_EQ(74, at55[-1]);
  EXPECT_EQ(75, at55[1]);
  std::vector<int> keyOrder = Slice(KEYBOARD_KEY_ORDER, 0, 105);
  keyOrder.erase(std::find(keyOrder.begin(), keyOrder.end(), 55));
  rgb2.erase(at55);
  EXPECT_EQ(keyOrder, rgb2);
  EXPECT_EQ(std::vector<int>(15, 0), Slice(KEYBOARD_KEY_ORDER_RGB2, 105, 120));
}

TEST(LightingTables, SnakeOrderLightsEveryKeyOnce) {
  ExpectEveryKeyOnce(Slice(KEYBOARD_SNAKE_ORDER, 0, 106), NO_KEY, 1);
  EXPECT_EQ(NO_KEY, KEYBOARD_SNAKE_ORDER[62]);
  EXPECT_EQ(105, KEYBOARD_SNAKE_ORDER[105]);
  EXPECT_EQ(443087u, WeightedSum(Slice(KEYBOARD_SNAKE_ORDER, 0, 106)));
  EXPECT_EQ(std::vector<int>(14, 0), Slice(KEYBOARD_SNAKE_ORDER, 106, 120));
}

TEST(LightingTables, SpiralRingsHoldEveryKeyOnce) {
  ExpectEveryKeyOnce(Slice(KEYBOARD_SPIRAL_ORDER, 0, 144), NO_KEY, 144 - 105);
  EXPECT_EQ(809100u, WeightedSum(KEYBOARD_SPIRAL_ORDER));
  const size_t ringKeys[12] = {1, 6, 10, 11, 12, 11, 10, 11, 10, 12, 8, 3};
  for (size_t ring = 0; ring < 12; ++ring) {
    SCOPED_TRACE(ring);
    const std::vector<int> cells = Slice(KEYBOARD_SPIRAL_ORDER, ring * 12, ring * 12 + 12);
    const size_t keys = std::find(cells.begin(), cells.end(), NO_KEY) - cells.begin();
    EXPECT_EQ(ringKeys[ring], keys);
    EXPECT_EQ(12 - keys, size_t(std::count(cells.begin(), cells.end(), NO_KEY)));
  }
  EXPECT_EQ(51, KEYBOARD_SPIRAL_ORDER[0]);
}

TEST(LightingTables, RandomOrderIsAPermutationOfLedPositions) {
  std::vector<int> positions = Slice(KEYBOARD_RANDOM_ORDER, 0, 104);
  std::sort(positions.begin(), positions.end());
  for (int i = 0; i < 104; ++i) EXPECT_EQ(i, positions[i]);
  EXPECT_EQ(0, KEYBOARD_RANDOM_ORDER[104]);
  EXPECT_EQ(88, KEYBOARD_RANDOM_ORDER[0]);
  EXPECT_EQ(284537u, WeightedSum(KEYBOARD_RANDOM_ORDER));
}

TEST(LightingTables, SequenceRowsAndPairsNameKeys) {
  const std::set<int> keys = KeyboardKeys();
  const size_t rowKeys[20] = {2, 2, 2, 4, 4, 4, 6, 6, 6, 6, 5, 5, 6, 6, 6, 6, 6, 5, 2, 2};
  uint64_t sum = 0, position = 0;
  for (size_t row = 0; row < 20; ++row) {
    SCOPED_TRACE(row);
    for (size_t i = 0; i < 6; ++i) {
      const int key = KEYBOARD_SEQUENCE_ROWS[row][i];
      sum += ++position * key;
      if (i < rowKeys[row]) {
        EXPECT_EQ(1u, keys.count(key)) << i;
      } else {
        EXPECT_EQ(NO_SEQUENCE_KEY, key) << i;
      }
    }
  }
  EXPECT_EQ(713229u, sum);

  sum = position = 0;
  for (const auto& pair : KEYBOARD_SEQUENCE_PAIRS) {
    for (int key : pair) {
      EXPECT_EQ(1u, keys.count(key));
      sum += ++position * key;
    }
  }
  EXPECT_EQ(31743u, sum);
}

TEST(LightingTables, CycleSeedsAndPalette) {
  EXPECT_EQ(761118u, WeightedSum(KEYBOARD_CYCLE_SEEDS));
  EXPECT_EQ(0, KEYBOARD_CYCLE_SEEDS[6 * 6 + 2]);
  EXPECT_EQ(192, KEYBOARD_CYCLE_SEEDS[13 * 6 + 0]);
  EXPECT_EQ(190, KEYBOARD_CYCLE_SEEDS[18 * 6 + 5]);

  uint64_t sum = 0, position = 0;
  for (size_t k = 0; k < 27; ++k) {
    const RgbColor c = KEYBOARD_CYCLE_PALETTE[k];
    sum += ++position * c.red;
    sum += ++position * c.green;
    sum += ++position * c.blue;
  }
  EXPECT_EQ(363454u, sum);
  EXPECT_TRUE(SameColour({255, 0, 0}, KEYBOARD_CYCLE_PALETTE[0]));
  EXPECT_TRUE(SameColour({255, 96, 0}, KEYBOARD_CYCLE_PALETTE[1]));
  EXPECT_TRUE(SameColour({0, 0, 160}, KEYBOARD_CYCLE_PALETTE[9]));
  EXPECT_TRUE(SameColour({192, 192, 192}, KEYBOARD_CYCLE_PALETTE[13]));
  EXPECT_TRUE(SameColour({64, 128, 128}, KEYBOARD_CYCLE_PALETTE[25]));
  EXPECT_TRUE(SameColour({0, 0, 0}, KEYBOARD_CYCLE_PALETTE[26]));
}

TEST(LightingTables, MouseGroupsCoverEveryLed) {
  std::multiset<int> leds;
  for (const auto& group : MOUSE_LED_GROUPS) leds.insert(group.begin(), group.end());
  for (int led = 0; led < 20; ++led) EXPECT_EQ(led == 9 ? 2u : 1u, leds.count(led)) << led;
  EXPECT_EQ((std::array<uint8_t, 3>{0, 7, 19}), MOUSE_LED_GROUPS[0]);
  EXPECT_EQ((std::array<uint8_t, 3>{2, 9, 9}), MOUSE_LED_GROUPS[2]);
  EXPECT_EQ((std::array<uint8_t, 3>{6, 13, 17}), MOUSE_LED_GROUPS[6]);
}

}  // namespace
