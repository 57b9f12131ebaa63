#include "macro_key_repair.h"

#include <cstring>

#include "key_vocabulary.h"

namespace {
bool BindsAMacro(const uint8_t* assignment) {
  return assignment[0] == KEY_FUNC_MACRO || assignment[0] == KEY_FUNC_MACRO_REPEAT;
}

template <class Visit>
void ForEachMacroKey(const MacroKeyTables& keys, Visit visit) {
  for (uint8_t* table : keys.tables)
    for (int slot = 0; slot < keys.slotCount; ++slot)
      if (BindsAMacro(table + 3 * slot)) visit(table + 3 * slot, slot);
}
}  // namespace

bool AnyKeyBindsMacro(const MacroKeyTables& keys, int macro) {
  bool found = false;
  ForEachMacroKey(keys, [&](uint8_t* assignment, int) { found = found || assignment[1] == macro; });
  return found;
}

void RepairKeysAfterMacroDeletion(const MacroKeyTables& keys, int macro) {
  ForEachMacroKey(keys, [&](uint8_t* assignment, int slot) {
    if (assignment[1] == macro) std::memcpy(assignment, keys.factory + 3 * slot, 3);
    else if (assignment[1] > macro) --assignment[1];
  });
}
