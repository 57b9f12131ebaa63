#pragma once
#include <cstdint>
#include <optional>
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

// The largest file a macro of `mostActions` records can be: per record a line of its key, '=', the
// longest value a read keeps and a line end, in UTF-16, plus room for the count and the name.
uint64_t MacroFileMostBytes(int mostActions);
// Larger than that: no macro, and not worth reading.
bool MacroFileTooLarge(const std::wstring& macroFile, int mostActions);

// The records of a macro file in playing order (a missing file has none). The stored count is
// bounded by `mostActions` and by the records the file holds, so a count no file can back builds
// nothing; a key missing below it reads as "0". Nothing (with a diagnostics line) for a file
// larger than a macro of `mostActions` records can be.
std::optional<std::vector<std::wstring>> ReadMacroActions(const std::wstring& macroFile, int mostActions);
