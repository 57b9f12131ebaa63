#pragma once
#include <array>
#include <cstdint>

#include "keyboard_state.h"

// UI key index -> the keyboard's LED number, KEYBOARD_NO_LED where the key has none.
constexpr int KEYBOARD_NO_LED = 126;
using KeyboardLedMap = std::array<int32_t, KEYBOARD_UI_KEYS>;

extern const KeyboardLedMap KEYBOARD_LED_MAP_RGB;
extern const KeyboardLedMap KEYBOARD_LED_MAP_RGB2;
extern const KeyboardLedMap KEYBOARD_LED_MAP_ONECOLOR;

// The map of a model; an unknown model gets the RGB2 map, the one the RGB frame is built with.
const KeyboardLedMap& KeyboardLedMapOf(int model);
