#pragma once
#include "keyboard_state.h"

// The panel's one keyboard state, shared by the keyboard pages and threads.
KeyboardState& KeyboardPageState();
