#pragma once
#include <cstdint>
#include <vector>

// Keys name a macro by its index in the index file, so deleting macro m must reset the keys bound
// to it and move the keys bound to later macros down by one.

// Every on-board profile's key table (slot s at 3s), the factory table and the key-slot count.
struct MacroKeyTables {
  std::vector<uint8_t*> tables;
  const uint8_t* factory;
  int slotCount;
};

bool AnyKeyBindsMacro(const MacroKeyTables& keys, int macro);
// Keys bound to `macro` take their factory assignment; keys bound to a later macro follow it down.
void RepairKeysAfterMacroDeletion(const MacroKeyTables& keys, int macro);
