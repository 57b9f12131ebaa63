#pragma once
#include <string>

#include "keyboard_state.h"

// The device profiles of the keyboard folder (ending in a backslash): "kbProfile.ini" names them,
// one ".kconfig" file each.
std::wstring KeyboardProfileIndexFile(const std::wstring& folder);
// The saved device selection of the index file (its "select" entry).
int ReadKeyboardDeviceSelection(const std::wstring& folder);

// Loads the device profile at that index of the list into the state: 0 loaded, 1 missing, -1 not a
// profile file; on 1 and -1 the state is untouched. Either way the index becomes the one saves write.
int LoadKeyboardDeviceProfile(KeyboardState& state, const std::wstring& folder, int index);
// Writes the live state into the device profile last loaded: 0 written, 1 not written (the old
// file stays). Before any load nothing is written: the state then holds no profile of the user's,
// and saving it would put that over the saved one.
int SaveKeyboardDeviceProfile(KeyboardState& state, const std::wstring& folder);
