#include "keyboard_led_maps.h"

namespace {
constexpr int32_t N = KEYBOARD_NO_LED;

constexpr KeyboardLedMap RGB_MAP = {
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  14,  15,  16,  N,   N,   N,   N,   N,
    21,  22,  23,  24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,
    42,  43,  44,  45,  46,  47,  48,  49,  50,  51,  52,  53,  54,  55,  56,  57,  58,  59,  60,  61,  N,
    63,  64,  65,  66,  67,  68,  69,  70,  71,  72,  73,  74,  76,  80,  81,  82,  N,   N,   N,   N,   N,
    84,  86,  87,  88,  89,  90,  91,  92,  93,  94,  95,  97,  99,  101, 102, 103, N,   N,   N,   N,   N,
    105, 106, 107, 108, 109, 110, 111, 113, 119, 120, 121, 123, 124, 104, 62,  N,   N,   N,   N,   N,   N};

// The second RGB board moves the key right of the quote key and adds the ISO key.
KeyboardLedMap Rgb2Map() {
  KeyboardLedMap map = RGB_MAP;
  map[55] = 75;
  map[80] = 85;
  return map;
}

constexpr KeyboardLedMap ONECOLOR_MAP = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  11,  12,  13,  14,  15,  N,  N,  N,  N,  N,
    18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28,  29,  30,  31,  32,  33,  34, 53, 35, 71, 89,
    36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46,  47,  48,  49,  50,  51,  52, 68, 69, 70, N,
    54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64,  65,  67,  86,  87,  88,  N,  N,  N,  N,  N,
    72, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83,  84,  85,  103, 104, 105, N,  N,  N,  N,  N,
    90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 100, 101, 102, 106, 107, N,   N,  N,  N,  N,  N};
}  // namespace

const KeyboardLedMap KEYBOARD_LED_MAP_RGB = RGB_MAP;
const KeyboardLedMap KEYBOARD_LED_MAP_RGB2 = Rgb2Map();
const KeyboardLedMap KEYBOARD_LED_MAP_ONECOLOR = ONECOLOR_MAP;

const KeyboardLedMap& KeyboardLedMapOf(int model) {
  switch (model) {
    case KEYBOARD_MODEL_RGB: return KEYBOARD_LED_MAP_RGB;
    case KEYBOARD_MODEL_ONECOLOR: return KEYBOARD_LED_MAP_ONECOLOR;
    default: return KEYBOARD_LED_MAP_RGB2;
  }
}
