#pragma once
// The mouse's macro store in its data folder (ending in a backslash): "msMacro.ini" with the macro
// names and the four cursor-script names, and one ".mac" file per macro. The macro page kit edits
// it; the key page and the download read it.
#include <string>
#include <vector>

#include "macro_key_repair.h"
#include "macro_store_edits.h"

constexpr const wchar_t* MOUSE_MACRO_INDEX_FILE = L"msMacro.ini";
constexpr int MOUSE_MOST_MACROS = MACRO_MOST_MACROS;

std::vector<std::wstring> ReadMouseMacroNames(const std::wstring& folder);

// The five on-board key tables over keys 0..8, with the factory table.
MacroKeyTables MouseMacroKeyTables();
