#pragma once
// The mouse pad's lighting tables: where its 15 LEDs sit and how long each effect pass waits.
#include <array>
#include <cstddef>
#include <cstdint>

#include "lighting_tables.h"

// The pad's LEDs on three sides of a 5 x 7 grid: column 0 holds LEDs 0..4 top down, row 4 LEDs
// 4..10 left to right, column 6 LEDs 10..14 bottom up; -1 where the grid has no LED.
constexpr size_t MOUSEPAD_GRID_ROWS = 5;
constexpr size_t MOUSEPAD_GRID_COLUMNS = 7;
constexpr int32_t MOUSEPAD_NO_LED = -1;
extern const std::array<std::array<int32_t, MOUSEPAD_GRID_COLUMNS>, MOUSEPAD_GRID_ROWS> MOUSEPAD_LED_MAP;

// Milliseconds per pass at mode * 5 + speed, modes 0..8.
constexpr size_t MOUSEPAD_DELAY_MODES = 9;
extern const std::array<uint8_t, MOUSEPAD_DELAY_MODES * EFFECT_SPEED_COUNT> MOUSEPAD_EFFECT_DELAY_TABLE;

// The table's entry for settings that may be out of range (from a file): a mode above 8 (the
// combo's 9 included) takes row 8, a speed above 4 column 4.
uint8_t MousePadEffectDelay(uint8_t mode, uint8_t speed);
