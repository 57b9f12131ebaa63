#include "lighting_tables.h"

#include <algorithm>

namespace {

// A table whose listed entries are followed by a fill value up to its full length.
template <size_t N, size_t M>
constexpr std::array<uint8_t, N> Padded(const std::array<uint8_t, M>& listed, uint8_t fill) {
  static_assert(M <= N, "more entries listed than the table holds");
  std::array<uint8_t, N> table{};
  for (size_t i = 0; i < N; ++i) table[i] = i < M ? listed[i] : fill;
  return table;
}

// The hue circle's rising and falling ramps, 32 steps each.
constexpr std::array<uint8_t, 32> RAMP_UP = {
    1,  3,  5,  7,  10, 14,  18,  22,  26,  32,  38,  44,  50,  57,  65,  73,
    81, 89, 99, 109, 119, 129, 140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
constexpr std::array<uint8_t, 32> RAMP_DOWN = {
    248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124, 114, 104, 94, 85, 77,
    69,  61,  53,  47,  41,  35,  29,  24,  20,  16,  12,  8,   6,   4,  2,  0};

constexpr RgbColor HueStep(size_t hue) {
  const uint8_t up = RAMP_UP[hue % 32];
  const uint8_t down = RAMP_DOWN[hue % 32];
  switch (hue / 32) {
    case 0: return {255, up, 0};
    case 1: return {down, 255, 0};
    case 2: return {0, 255, up};
    case 3: return {0, down, 255};
    case 4: return {up, 0, 255};
    default: return {255, 0, down};
  }
}

constexpr std::array<RgbColor, 256> MakeColorWheel() {
  std::array<RgbColor, 256> wheel{};
  for (size_t k = 0; k < wheel.size(); ++k) wheel[k] = HueStep(k % COLOR_WHEEL_STEPS);
  return wheel;
}

// The rising half of the wave; the pulse and flash curves reuse it.
constexpr std::array<uint8_t, 48> WAVE_RISE = {
    22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
    77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};

// A curve whose second half is its first half backwards.
template <size_t N>
constexpr std::array<uint8_t, 2 * N> Mirrored(const std::array<uint8_t, N>& rise) {
  std::array<uint8_t, 2 * N> curve{};
  for (size_t k = 0; k < N; ++k) curve[k] = curve[2 * N - 1 - k] = rise[k];
  return curve;
}

constexpr std::array<uint8_t, 64> MakePulseRise() {
  constexpr std::array<uint8_t, 16> start = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 14, 16, 18, 20};
  std::array<uint8_t, 64> rise{};
  for (size_t k = 0; k < start.size(); ++k) rise[k] = start[k];
  for (size_t k = 0; k < WAVE_RISE.size(); ++k) rise[start.size() + k] = WAVE_RISE[k];
  return rise;
}

constexpr std::array<uint8_t, 128> PULSE = Mirrored(MakePulseRise());

constexpr std::array<uint8_t, 192> MakeFlashCurve() {
  constexpr std::array<uint8_t, 16> rise = {0,  4,  8,   14,  22,  33,  45,  61,
                                            77, 94, 114, 134, 158, 182, 206, 234};
  std::array<uint8_t, 192> curve{};
  for (size_t k = 0; k < rise.size(); ++k) curve[k] = rise[k];
  for (size_t k = 16; k <= 77; ++k) curve[k] = PULSE[k + 48];  // the pulse's fall, 255 down to 2
  curve[78] = 2;
  curve[79] = 1;
  return curve;
}

constexpr std::array<uint8_t, 105> KEY_ORDER_KEYS = {
    15, 14,  13,  12,  11,  10,  9,   8,   7,   6,   5,   4,   3,   2,   1,  0,  21, 42,
    63, 84,  105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 41,
    40, 39,  38,  37,  36,  35,  34,  33,  32,  31,  30,  29,  28,  27,  26, 25, 24, 23,
    22, 43,  64,  80,  85,  86,  87,  88,  89,  90,  91,  92,  93,  94,  95, 96, 97, 98,
    99, 78,  61,  60,  59,  58,  57,  56,  55,  54,  53,  52,  51,  50,  49, 48, 47, 46,
    45, 44,  65,  66,  67,  68,  69,  70,  71,  72,  73,  74,  75,  76,  77};

constexpr std::array<uint8_t, 128> MakeKeyOrder() {
  std::array<uint8_t, 128> order = Padded<128>(KEY_ORDER_KEYS, NO_KEY);
  order[125] = order[126] = order[127] = 0;
  return order;
}

// The key order with key 55 moved from between 56 and 54 to between 74 and 75.
constexpr std::array<uint8_t, 105> MakeKeyOrderRgb2Keys() {
  std::array<uint8_t, 105> keys{};
  size_t at = 0;
  for (uint8_t key : KEY_ORDER_KEYS) {
    if (key == 55) continue;
    keys[at++] = key;
    if (key == 74) keys[at++] = 55;
  }
  return keys;
}

// 105 keys and one NO_KEY: every key lights once along the snake.
constexpr std::array<uint8_t, 106> SNAKE_ORDER_KEYS = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,  12,  13,  14,  15,  41,  40,
    39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28,  27,  26,  25,  24,  23,  22,
    21, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52,  53,  54,  75,  56,  57,  58,
    59, 60, 61, 119, 78, 77, 76, 55, 126, 74, 73, 72, 71,  70,  69,  68,  67,  66,
    65, 64, 63, 84, 80, 85, 86, 87, 88, 89, 90, 91,  92,  93,  94,  95,  96,  97,
    98, 99, 118, 117, 116, 115, 114, 113, 112, 111, 110, 109, 108, 107, 106, 105};

// 27 named colours; the indexes after them walk the colour wheel.
constexpr std::array<RgbColor, 27> CYCLE_PALETTE_START = {{
    {255, 0, 0},     {255, 96, 0},    {255, 255, 0},   {0, 255, 0},     {0, 255, 255},
    {0, 0, 255},     {128, 0, 255},   {255, 255, 255}, {0, 0, 0},       {0, 0, 160},
    {255, 0, 0},     {255, 255, 255}, {0, 255, 255},   {192, 192, 192}, {0, 0, 255},
    {128, 128, 128}, {255, 0, 128},   {255, 128, 64},  {128, 0, 128},   {128, 64, 0},
    {255, 255, 0},   {128, 0, 0},     {0, 255, 0},     {128, 128, 0},   {255, 0, 255},
    {64, 128, 128},  {0, 0, 0},
}};

constexpr std::array<RgbColor, 256> MakeCyclePalette() {
  std::array<RgbColor, 256> palette = MakeColorWheel();
  for (size_t k = 0; k < CYCLE_PALETTE_START.size(); ++k) palette[k] = CYCLE_PALETTE_START[k];
  return palette;
}

}  // namespace

const std::array<uint8_t, BRIGHTNESS_LEVEL_COUNT> BRIGHTNESS_LEVELS = {0, 64, 128, 192, 255};

const std::array<uint8_t, EFFECT_DELAY_MODES * EFFECT_SPEED_COUNT> EFFECT_DELAY_TABLE = {
    0,  15, 30, 45, 60,  // modes 0 to 14
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  15, 30, 45, 60,  //
    0,  9,  25, 41, 53,  // mode 15
    65, 9,  25, 41, 53,  // modes 16 to 18
    65, 9,  25, 41, 53,  //
    65, 9,  25, 41, 53,  //
};

const std::array<RgbColor, 256> COLOR_WHEEL = MakeColorWheel();

const std::array<uint8_t, 96> WAVE_CURVE = Mirrored(WAVE_RISE);
const std::array<uint8_t, 128> PULSE_CURVE = PULSE;
const std::array<uint8_t, 192> FLASH_CURVE = MakeFlashCurve();

const std::array<uint8_t, KEY_GRID_CELLS> KEYBOARD_KEY_GRID = {
    126, 126, 126, 126, 84,  105,  // column 0, rows 0 to 5
    126, 21,  42,  63,  80,  106,  // column 1
    0,   22,  43,  64,  85,  107,  // column 2
    1,   23,  44,  65,  86,  126,  // column 3
    2,   24,  45,  66,  87,  126,  // column 4
    3,   25,  46,  67,  88,  126,  // column 5
    4,   26,  47,  68,  89,  108,  // column 6
    126, 27,  48,  69,  90,  126,  // column 7
    5,   28,  49,  70,  91,  126,  // column 8
    6,   29,  50,  71,  92,  109,  // column 9
    7,   30,  51,  72,  93,  126,  // column 10
    8,   31,  52,  73,  94,  110,  // column 11
    9,   32,  53,  74,  126, 126,  // column 12
    10,  33,  54,  55,  126, 111,  // column 13
    11,  34,  126, 75,  95,  126,  // column 14
    12,  126, 126, 126, 126, 112,  // column 15
    13,  35,  56,  126, 126, 113,  // column 16
    14,  36,  57,  126, 96,  114,  // column 17
    15,  37,  58,  126, 126, 115,  // column 18
    126, 38,  59,  76,  97,  116,  // column 19
    126, 39,  60,  77,  98,  126,  // column 20
    126, 40,  61,  78,  99,  117,  // column 21
    126, 41,  126, 119, 118, 126,  // column 22
};

const std::array<uint8_t, 128> KEYBOARD_KEY_ORDER = MakeKeyOrder();
const std::array<uint8_t, 128> KEYBOARD_LED_ORDER = Padded<128>(KEY_ORDER_KEYS, 0);
const std::array<uint8_t, 120> KEYBOARD_KEY_ORDER_RGB2 = Padded<120>(MakeKeyOrderRgb2Keys(), 0);
const std::array<uint8_t, 120> KEYBOARD_SNAKE_ORDER = Padded<120>(SNAKE_ORDER_KEYS, 0);

const std::array<uint8_t, SPIRAL_RINGS * SPIRAL_RING_CELLS> KEYBOARD_SPIRAL_ORDER = {
    51,  126, 126, 126, 126, 126, 126, 126, 126, 126, 126, 126,  // ring 0
    30,  50,  71,  72,  52,  31,  126, 126, 126, 126, 126, 126,  // ring 1
    8,   29,  49,  70,  91,  92,  93,  73,  53,  32,  126, 126,  // ring 2
    7,   28,  48,  69,  90,  109, 94,  74,  54,  33,  9,   126,  // ring 3
    6,   27,  47,  68,  89,  110, 95,  75,  55,  34,  10,  11,   // ring 4
    5,   26,  46,  67,  88,  108, 111, 112, 56,  35,  12,  126,  // ring 5
    4,   25,  45,  66,  87,  113, 96,  57,  36,  13,  126, 126,  // ring 6
    3,   24,  44,  65,  86,  114, 115, 58,  37,  15,  14,  126,  // ring 7
    2,   23,  43,  64,  85,  107, 97,  76,  59,  38,  126, 126,  // ring 8
    1,   22,  42,  63,  84,  106, 116, 98,  77,  60,  39,  80,   // ring 9
    0,   21,  105, 117, 99,  78,  61,  40,  126, 126, 126, 126,  // ring 10
    118, 119, 41,  126, 126, 126, 126, 126, 126, 126, 126, 126,  // ring 11
};

const std::array<uint8_t, 105> KEYBOARD_RANDOM_ORDER = {
    88, 24, 101, 57, 49, 20, 5,  14, 16, 69, 35, 34, 83, 94, 6,  61, 10, 23, 39,  3,  102,
    17, 65, 22,  36, 51, 78, 18, 38, 53, 2,  62, 64, 90, 96, 74, 91, 80, 86, 89,  43, 28,
    58, 59, 12,  66, 97, 9,  48, 95, 77, 70, 72, 56, 44, 99, 68, 98, 71, 27, 81,  1,  0,
    87, 92, 40,  25, 26, 7,  30, 50, 84, 15, 60, 54, 21, 45, 67, 19, 103, 33, 41, 55, 52,
    13, 47, 42,  93, 46, 75, 37, 73, 32, 79, 8,  29, 31, 4,  85, 76, 100, 82, 11, 63, 0};

const std::array<std::array<uint8_t, 6>, 20> KEYBOARD_SEQUENCE_ROWS = {{
    {0, 118, 255, 255, 255, 255},
    {1, 117, 255, 255, 255, 255},
    {2, 116, 255, 255, 255, 255},
    {3, 115, 21, 118, 255, 255},
    {4, 114, 22, 99, 255, 255},
    {5, 113, 23, 98, 255, 255},
    {6, 112, 24, 97, 42, 119},
    {7, 111, 25, 96, 43, 78},
    {8, 110, 26, 95, 44, 77},
    {9, 109, 27, 94, 45, 76},
    {33, 92, 28, 93, 46, 255},
    {54, 71, 29, 92, 47, 255},
    {74, 50, 30, 71, 48, 75},
    {94, 30, 31, 50, 49, 74},
    {93, 31, 52, 30, 50, 73},
    {92, 32, 72, 31, 51, 72},
    {71, 33, 71, 52, 52, 71},
    {50, 54, 50, 72, 53, 255},
    {30, 74, 255, 255, 255, 255},
    {31, 94, 255, 255, 255, 255},
}};

const std::array<std::array<uint8_t, 2>, 16> KEYBOARD_SEQUENCE_PAIRS = {{
    {30, 94}, {31, 93}, {32, 92}, {33, 71}, {54, 50}, {74, 30}, {94, 31}, {93, 32},
    {92, 33}, {71, 54}, {50, 74}, {51, 73}, {52, 72}, {53, 51}, {73, 52}, {72, 53},
}};

const std::array<uint8_t, KEY_GRID_CELLS> KEYBOARD_CYCLE_SEEDS = {
    72,  52,  32,  12,  182, 162,  // column 0, rows 0 to 5
    72,  52,  32,  12,  182, 162,  // column 1
    120, 100, 80,  60,  40,  20,   // column 2
    92,  82,  72,  62,  52,  42,   // column 3
    160, 140, 120, 100, 80,  60,   // column 4
    80,  70,  60,  50,  20,  10,   // column 5
    90,  30,  0,   160, 130, 100,  // column 6
    50,  30,  10,  180, 160, 140,  // column 7
    32,  22,  12,  2,   182, 172,  // column 8
    120, 100, 80,  60,  40,  20,   // column 9
    20,  5,   185, 170, 155, 140,  // column 10
    60,  35,  15,  180, 155, 130,  // column 11
    120, 110, 100, 90,  80,  70,   // column 12
    192, 162, 132, 102, 72,  32,   // column 13
    80,  70,  60,  50,  20,  10,   // column 14
    100, 95,  90,  85,  80,  75,   // column 15
    90,  80,  70,  60,  50,  40,   // column 16
    140, 110, 80,  50,  20,  180,  // column 17
    70,  55,  40,  25,  10,  190,  // column 18
    120, 100, 80,  60,  40,  20,   // column 19
    92,  82,  72,  62,  52,  42,   // column 20
    60,  50,  40,  30,  20,  10,   // column 21
    192, 162, 132, 102, 72,  32,   // column 22
};

const std::array<RgbColor, 256> KEYBOARD_CYCLE_PALETTE = MakeCyclePalette();

const std::array<std::array<uint8_t, 3>, MOUSE_LED_GROUP_COUNT> MOUSE_LED_GROUPS = {{
    {0, 7, 19}, {1, 8, 18}, {2, 9, 9}, {3, 10, 14}, {4, 11, 15}, {5, 12, 16}, {6, 13, 17},
}};

uint8_t BrightnessLevel(uint8_t setting) {
  return BRIGHTNESS_LEVELS[std::min<size_t>(setting, BRIGHTNESS_LEVEL_COUNT - 1)];
}

uint8_t EffectDelay(uint8_t mode, uint8_t speed) {
  const size_t row = std::min<size_t>(mode, EFFECT_DELAY_MODES - 1);
  const size_t column = std::min<size_t>(speed, EFFECT_SPEED_COUNT - 1);
  return EFFECT_DELAY_TABLE[row * EFFECT_SPEED_COUNT + column];
}
