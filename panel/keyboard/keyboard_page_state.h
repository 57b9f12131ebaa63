#pragma once
#include "keyboard_state.h"

struct MacroPageState;

// The panel's one keyboard state, shared by the keyboard pages and threads.
KeyboardState& KeyboardPageState();
// The keyboard macro page's recorder and rename state.
MacroPageState& KeyboardMacroPageState();
