#include "mouse_macro_store.h"

#include "ini_values.h"
#include "macro_files.h"
#include "mouse_cursor_script.h"
#include "mouse_key_assignment.h"
#include "mouse_state.h"

const wchar_t* const MOUSE_MACRO_INDEX_FILE = L"msMacro.ini";

namespace {
bool IsIndexOf(int index, const std::vector<std::wstring>& names) {
  return index >= 0 && index < static_cast<int>(names.size());
}
}  // namespace

std::wstring MouseMacroIndexPath(const std::wstring& folder) { return folder + MOUSE_MACRO_INDEX_FILE; }

std::vector<std::wstring> ReadMouseMacroNames(const std::wstring& folder) {
  std::vector<std::wstring> names = ReadMacroNames(MouseMacroIndexPath(folder));
  if (names.size() > static_cast<size_t>(MOUSE_MOST_MACROS)) names.resize(MOUSE_MOST_MACROS);
  return names;
}

MacroKeyTables MouseMacroKeyTables() {
  MacroKeyTables keys;
  for (MouseKeyTable& table : MouseKeyTables) keys.tables.push_back(table.data());
  keys.factory = MouseFactoryKeyTable.data();
  keys.slotCount = MOUSE_BOUND_KEYS;
  return keys;
}

std::wstring AddMouseMacroToStore(const std::wstring& folder, const std::vector<std::wstring>& names) {
  if (names.size() >= static_cast<size_t>(MOUSE_MOST_MACROS)) return {};
  const std::wstring name = NextMacroName(names);
  WriteMacroIndexEntry(MouseMacroIndexPath(folder), static_cast<int>(names.size()) + 1,
                       static_cast<int>(names.size()), name);
  return name;
}

std::vector<std::wstring> DeleteMouseMacroFromStore(const std::wstring& folder, const std::vector<std::wstring>& names,
                                                    int index) {
  if (!IsIndexOf(index, names)) return names;
  DeleteFileW(MacroFilePath(folder, names[index]).c_str());
  std::vector<std::wstring> remaining = names;
  remaining.erase(remaining.begin() + index);
  RewriteMacroIndex(MouseMacroIndexPath(folder), remaining);
  WriteMouseCursorScriptNames(folder);
  return remaining;
}

MouseMacroRenameResult RenameMouseMacroInStore(const std::wstring& folder, const std::vector<std::wstring>& names,
                                               int index, const std::wstring& newName,
                                               const std::vector<std::wstring>& records) {
  if (!IsIndexOf(index, names)) return MouseMacroRenameResult::Unchanged;
  switch (CheckMacroRename(names, index, newName)) {
    case MacroRenameCheck::Unchanged: return MouseMacroRenameResult::Unchanged;
    case MacroRenameCheck::Taken: return MouseMacroRenameResult::Taken;
    case MacroRenameCheck::Unusable: return MouseMacroRenameResult::Unusable;
    case MacroRenameCheck::Accepted: break;
  }
  const std::wstring oldFile = MacroFilePath(folder, names[index]);
  const std::wstring newFile = MacroFilePath(folder, newName);
  WriteMacroActions(oldFile, records);
  if (!MoveMacroFile(oldFile, newFile)) return MouseMacroRenameResult::MoveFailed;
  WriteIniText(newFile, L"MACROSELECTNAME", L"name", newName);
  WriteMacroIndexName(MouseMacroIndexPath(folder), index, newName);
  return MouseMacroRenameResult::Renamed;
}

void SaveMouseMacroToStore(const std::wstring& folder, const std::vector<std::wstring>& names, int index,
                           const std::vector<std::wstring>& records) {
  if (!IsIndexOf(index, names)) return;
  const std::wstring indexFile = MouseMacroIndexPath(folder);
  WriteMacroIndexEntry(indexFile, static_cast<int>(names.size()), static_cast<int>(names.size()) - 1, names.back());
  const std::wstring file = MacroFilePath(folder, names[index]);
  WriteMacroActions(file, records);
  WriteIniText(file, L"MACROSELECTNAME", L"name", ReadMacroName(indexFile, index));
}
