#pragma once
#include <string>
#include <vector>

// The changes the macro pages make to a macro store (see macro_files.h): names, the index file,
// the macro files.

constexpr int MACRO_MOST_MACROS = 50;

// Macro names are compared without regard to case; the file system does the same.
bool SameMacroName(const std::wstring& a, const std::wstring& b);
// The first name "name_<k>", k from count + 1 upwards, that no macro has.
std::wstring NextMacroName(const std::vector<std::wstring>& names);

enum class MacroRenameCheck {
  Unchanged,  // the macro's own name, perhaps in other letters: nothing to do
  Taken,      // another macro's name
  Unusable,   // not usable as a file name (empty included)
  Accepted,
};
MacroRenameCheck CheckMacroRename(const std::vector<std::wstring>& names, int index, const std::wstring& newName);

// "count" and name `index` of the index file, leaving the other names as they are.
void WriteMacroIndexEntry(const std::wstring& indexFile, int count, int index, const std::wstring& name);
void WriteMacroIndexName(const std::wstring& indexFile, int index, const std::wstring& name);
// The index file written anew: the count, then every name in order.
void RewriteMacroIndex(const std::wstring& indexFile, const std::vector<std::wstring>& names);
// The count and the records of a macro file; records at and above the count stay as they were.
void WriteMacroActions(const std::wstring& macroFile, const std::vector<std::wstring>& records);
// The macro's own name inside its file (the mouse's files carry it).
void WriteMacroOwnName(const std::wstring& macroFile, const std::wstring& name);
// Moves a macro file to its new name; false, with nothing moved, when that fails.
bool MoveMacroFile(const std::wstring& from, const std::wstring& to);
// Import and export: the bytes exactly as they are (a missing source gives an empty target). False
// when the target could not be written.
bool CopyMacroFileBytes(const std::wstring& from, const std::wstring& to);
