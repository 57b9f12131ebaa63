#pragma once
// Constant tables of the software lighting effects. The colour tables have 256 entries, so any
// byte indexes them; settings read from files or devices reach the other tables through the bounded
// lookups at the end.
#include <array>
#include <cstddef>
#include <cstdint>

struct RgbColor {
  uint8_t red;
  uint8_t green;
  uint8_t blue;
};

// The keyboard picture: 6 rows of 21 positions, index = row * 21 + column ("UI key index").
constexpr size_t KEYBOARD_LED_COUNT = 126;
// No key, or no LED, in every key table and order.
constexpr uint8_t NO_KEY = 126;

constexpr size_t KEY_GRID_COLUMNS = 23;
constexpr size_t KEY_GRID_ROWS = 6;
constexpr size_t KEY_GRID_CELLS = KEY_GRID_COLUMNS * KEY_GRID_ROWS;

constexpr size_t BRIGHTNESS_LEVEL_COUNT = 5;
constexpr size_t EFFECT_SPEED_COUNT = 5;
constexpr size_t EFFECT_DELAY_MODES = 19;

// Level of brightness setting 0..4.
extern const std::array<uint8_t, BRIGHTNESS_LEVEL_COUNT> BRIGHTNESS_LEVELS;
// Milliseconds per effect pass, at mode * 5 + speed.
extern const std::array<uint8_t, EFFECT_DELAY_MODES * EFFECT_SPEED_COUNT> EFFECT_DELAY_TABLE;

// A 192-step hue circle red, yellow, green, cyan, blue, magenta; entries 192..255 repeat 0..63 so
// that any byte is a valid index.
constexpr size_t COLOR_WHEEL_STEPS = 192;
extern const std::array<RgbColor, 256> COLOR_WHEEL;

// Level curves: wave (rises and falls), pulse (breath from 0 and back), flash (quick rise, slower
// fall).
extern const std::array<uint8_t, 96> WAVE_CURVE;
extern const std::array<uint8_t, 128> PULSE_CURVE;
extern const std::array<uint8_t, 192> FLASH_CURVE;

// Key grid: cell (column c, row r) at c * 6 + r holds a UI key index or NO_KEY.
extern const std::array<uint8_t, KEY_GRID_CELLS> KEYBOARD_KEY_GRID;

// Key orders, by UI key index; the effects read as many entries as they need.
extern const std::array<uint8_t, 128> KEYBOARD_KEY_ORDER;
extern const std::array<uint8_t, 128> KEYBOARD_LED_ORDER;
extern const std::array<uint8_t, 120> KEYBOARD_KEY_ORDER_RGB2;
extern const std::array<uint8_t, 120> KEYBOARD_SNAKE_ORDER;

// 12 rings of 12 cells around the middle of the keyboard, innermost first; NO_KEY pads a ring.
constexpr size_t SPIRAL_RINGS = 12;
constexpr size_t SPIRAL_RING_CELLS = 12;
extern const std::array<uint8_t, SPIRAL_RINGS * SPIRAL_RING_CELLS> KEYBOARD_SPIRAL_ORDER;

// Positions into KEYBOARD_LED_ORDER in a fixed shuffled order.
extern const std::array<uint8_t, 105> KEYBOARD_RANDOM_ORDER;

// Keys lit together by the sequence effect, 255 for none.
constexpr uint8_t NO_SEQUENCE_KEY = 255;
extern const std::array<std::array<uint8_t, 6>, 20> KEYBOARD_SEQUENCE_ROWS;
extern const std::array<std::array<uint8_t, 2>, 16> KEYBOARD_SEQUENCE_PAIRS;

// Start colour index of each key-grid cell for the cycle effects.
extern const std::array<uint8_t, KEY_GRID_CELLS> KEYBOARD_CYCLE_SEEDS;
// Colours by a key's colour index; a byte reaches every entry.
extern const std::array<RgbColor, 256> KEYBOARD_CYCLE_PALETTE;

// The mouse lights its 20 LEDs in 7 groups of 3 (LED 9 is listed twice in group 2).
constexpr size_t MOUSE_LED_GROUP_COUNT = 7;
extern const std::array<std::array<uint8_t, 3>, MOUSE_LED_GROUP_COUNT> MOUSE_LED_GROUPS;

// BRIGHTNESS_LEVELS for a setting that may be out of range (from a file or a device): above 4 is 4.
uint8_t BrightnessLevel(uint8_t setting);
// EFFECT_DELAY_TABLE for settings that may be out of range: the last row and column hold the rest.
uint8_t EffectDelay(uint8_t mode, uint8_t speed);
