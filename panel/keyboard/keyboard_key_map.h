#pragma once
#include <array>

#include "keyboard_state.h"

// The key page's 126 positions, six rows of 21: the factory assignment of the key drawn at each
// position; an empty position holds (0x20, 0, 0).
extern const std::array<KeyAssignment, KEYBOARD_UI_KEYS> KEYBOARD_UI_LAYOUT;
constexpr int KEYBOARD_UI_COLUMNS = 21;
constexpr int KEYBOARD_UI_ROWS = 6;
constexpr int KEYBOARD_ISO_KEY_POSITION = 80;  // the key between left Shift and Z

bool IsEmptyLayoutPosition(int position);

// Rebuilds the position -> key slot map from the factory table just read: every position starts
// without a slot, so a key this keyboard lacks maps to nothing rather than to a slot of the last one.
void BuildKeyboardKeyMap(KeyboardState& state);
