#pragma once
#include <string>
#include <vector>

// The macro store of a device folder: an index file ("kbMacro.ini" for the keyboard) with the count
// and the names, and one "<name>.mac" file per macro with its action records.

// A count read from a file: negative counts as 0, and nothing above `limit` is believed.
int BoundedCount(int count, int limit);

// Macro names in index order. Key assignments name a macro by a byte, so at most 256 are read.
std::vector<std::wstring> ReadMacroNames(const std::wstring& indexFile);
int ReadMacroCount(const std::wstring& indexFile);  // as stored, not bounded
std::wstring ReadMacroName(const std::wstring& indexFile, int index);

// The macro file of a name in a folder (ending in a backslash).
std::wstring MacroFilePath(const std::wstring& folder, const std::wstring& name);
int ReadMacroActionCount(const std::wstring& macroFile);  // as stored, not bounded
std::wstring ReadMacroActionRecord(const std::wstring& macroFile, int index);
