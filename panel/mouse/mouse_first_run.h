#pragma once
// What the mouse page's set-up finds or creates in the mouse data folder on the first run besides
// its profile lists (which fill themselves): the four cursor scripts, from the factory files in
// the program's folder. Both folders end in a backslash.
#include <string>

// Copies the factory cursor scripts and writes their index entries in "msMacro.ini" when it lists
// none; a script already in the data folder is kept.
void SeedMouseCursorScripts(const std::wstring& programFolder, const std::wstring& folder);
