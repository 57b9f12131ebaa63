#include "mousepad_lighting_tables.h"

#include <algorithm>

const std::array<std::array<int32_t, MOUSEPAD_GRID_COLUMNS>, MOUSEPAD_GRID_ROWS> MOUSEPAD_LED_MAP = {{
    {0, -1, -1, -1, -1, -1, 14},
    {1, -1, -1, -1, -1, -1, 13},
    {2, -1, -1, -1, -1, -1, 12},
    {3, -1, -1, -1, -1, -1, 11},
    {4, 5, 6, 7, 8, 9, 10},
}};

namespace {
constexpr std::array<uint8_t, EFFECT_SPEED_COUNT> kRow = {9, 25, 41, 53, 65};

constexpr std::array<uint8_t, MOUSEPAD_DELAY_MODES * EFFECT_SPEED_COUNT> RepeatedRows() {
  std::array<uint8_t, MOUSEPAD_DELAY_MODES * EFFECT_SPEED_COUNT> table{};
  for (size_t i = 0; i < table.size(); ++i) table[i] = kRow[i % EFFECT_SPEED_COUNT];
  return table;
}
}  // namespace

const std::array<uint8_t, MOUSEPAD_DELAY_MODES * EFFECT_SPEED_COUNT> MOUSEPAD_EFFECT_DELAY_TABLE = RepeatedRows();

uint8_t MousePadEffectDelay(uint8_t mode, uint8_t speed) {
  const size_t row = std::min<size_t>(mode, MOUSEPAD_DELAY_MODES - 1);
  const size_t column = std::min<size_t>(speed, EFFECT_SPEED_COUNT - 1);
  return MOUSEPAD_EFFECT_DELAY_TABLE[row * EFFECT_SPEED_COUNT + column];
}
