#pragma once
// The panel's one mouse-pad state and the pad's shared lighting flags, for the pad's pages and
// threads.
#include <atomic>
#include <string>

#include "mousepad_state.h"

MousePadState& MousePadPageState();

// Set by the mouse's change reader when a mouse key is reported (0x403); taken by the pad's
// reactive effect.
extern std::atomic<int> MousePadFlashRequest;

// The light profile the list last loaded: the file every lighting change is saved to. Empty until
// a profile has been loaded.
std::wstring LastLoadedMousePadProfile();
void SetLastLoadedMousePadProfile(const std::wstring& name);
