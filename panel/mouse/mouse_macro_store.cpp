#include "mouse_macro_store.h"

#include "macro_files.h"
#include "mouse_key_assignment.h"
#include "mouse_state.h"

std::vector<std::wstring> ReadMouseMacroNames(const std::wstring& folder) {
  std::vector<std::wstring> names = ReadMacroNames(folder + MOUSE_MACRO_INDEX_FILE);
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
