#pragma once
// What the mouse page's set-up finds or creates in the mouse data folder on the first run: the
// four cursor scripts and the first profile of each profile list, from the factory files in the
// program's folder. Both folders end in a backslash.
#include <string>
#include <vector>

#include "mouse_profiles.h"

// Copies the factory cursor scripts and writes their index entries in "msMacro.ini" when it lists
// none; a script already in the data folder is kept.
void SeedMouseCursorScripts(const std::wstring& programFolder, const std::wstring& folder);

enum class MouseListSeedResult {
  Listed,            // names holds the list's profiles
  FactoryMissing,    // "message_text_8": nothing written
  FactoryMalformed,  // "message_text_9": nothing written
};
struct MouseListSeed {
  MouseListSeedResult result = MouseListSeedResult::Listed;
  std::vector<std::wstring> names;
};

// The list's profile names; when its count is 0, first the factory payload becomes "Profile 1"
// with its index entries (count 1, link flag "0", name, selection "0").
MouseListSeed SeedMouseProfileList(MouseProfileKind kind, const std::wstring& programFolder,
                                   const std::wstring& folder);
