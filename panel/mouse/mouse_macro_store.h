#pragma once
// The mouse's macro store in its data folder (ending in a backslash): "msMacro.ini" with the macro
// names and the four cursor-script names, and one ".mac" file per macro. The macro page's steps
// that touch files or key tables, without the window.
#include <string>
#include <vector>

#include "macro_key_repair.h"
#include "macro_store_edits.h"

extern const wchar_t* const MOUSE_MACRO_INDEX_FILE;  // "msMacro.ini"
constexpr int MOUSE_MOST_MACROS = MACRO_MOST_MACROS;

std::wstring MouseMacroIndexPath(const std::wstring& folder);
std::vector<std::wstring> ReadMouseMacroNames(const std::wstring& folder);

// The five on-board key tables over keys 0..8, with the factory table.
MacroKeyTables MouseMacroKeyTables();

// The name a new macro gets, with the index entry written; empty when the store is full.
std::wstring AddMouseMacroToStore(const std::wstring& folder, const std::vector<std::wstring>& names);

// Deletes macro `index`'s file and writes the index anew: the remaining names and the cursor-script
// entries as on first run. Returns the remaining names.
std::vector<std::wstring> DeleteMouseMacroFromStore(const std::wstring& folder, const std::vector<std::wstring>& names,
                                                    int index);

enum class MouseMacroRenameResult { Unchanged, Taken, Unusable, MoveFailed, Renamed };
// Writes the rows into the old name's file, moves it to the new name and names it there and in the
// index. When the move fails nothing is renamed: the index and the lists keep the old name.
MouseMacroRenameResult RenameMouseMacroInStore(const std::wstring& folder, const std::vector<std::wstring>& names,
                                               int index, const std::wstring& newName,
                                               const std::vector<std::wstring>& records);

// Save: the index's count and last name, then the macro file's rows and own name.
void SaveMouseMacroToStore(const std::wstring& folder, const std::vector<std::wstring>& names, int index,
                           const std::vector<std::wstring>& records);
