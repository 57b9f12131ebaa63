#pragma once
// The mouse as it leaves the factory, in one place: the build writes the factory files beside the
// program from it and the simulated mouse starts with it, so the two always agree. Plain data,
// compiled for the build machine too.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "mouse_state.h"

// The assignments of the mouse's keys 0..6 (left, wheel, right, forward, back, DPI cycle, DPI up),
// three bytes each; the rest of a key table is zero.
std::vector<uint8_t> MouseFactoryKeyAssignments();
MouseKeyTable MouseFactoryKeys();
// The five on-board profiles' settings blocks; block 0's first byte is the active profile, 0.
std::array<MouseSettingsBlock, MOUSE_PROFILES> MouseFactorySettings();
// Cursor script `slot` (0..3) as the INI text of its file: 30 steps of six actions.
std::string MouseFactoryCursorScript(int slot);

struct MouseFactoryFile {
  const char* name;
  std::vector<uint8_t> bytes;  // the whole file
};
// "msdevicedefault.config", "msdengdefault.Led", "mskeydefault.pro", "name_1.cur" .. "name_4.cur".
std::vector<MouseFactoryFile> MouseFactoryFiles();
