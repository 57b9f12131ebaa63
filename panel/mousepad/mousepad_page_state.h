#pragma once
// The panel's one mouse-pad state and the light profile its saves go to, for the pad's pages and
// threads.
#include <string>

#include "mousepad_state.h"

MousePadState& MousePadPageState();

// The light profile the list last loaded: the file every lighting change is saved to. Empty until
// a profile has been loaded.
std::wstring LastLoadedMousePadProfile();
void SetLastLoadedMousePadProfile(const std::wstring& name);
