#pragma once
#include <array>
#include <cstdint>

#include "device_info.h"
#include "key_vocabulary.h"
#include "state_lock.h"

enum KeyboardModel : int {
  KEYBOARD_MODEL_RGB = 0,       // product id 0x7513
  KEYBOARD_MODEL_ONECOLOR = 1,  // the channel's product id, 0x0632
  KEYBOARD_MODEL_RGB2 = 2,      // product id 0x763E
};

constexpr int KEYBOARD_PROFILES = 5;
constexpr size_t KEYBOARD_KEY_TABLE_SIZE = 512;
constexpr size_t KEYBOARD_SETTINGS_BLOCK_SIZE = 64;
constexpr size_t KEYBOARD_LIVE_SETTINGS_SIZE = 40;
constexpr size_t KEYBOARD_CUSTOM_PAINT_SIZE = 4;
constexpr int KEYBOARD_CUSTOM_LAYOUTS = 5;
constexpr size_t KEYBOARD_LAYOUT_SIZE = 378;
constexpr int KEYBOARD_UI_KEYS = 126;
constexpr int KEYBOARD_NO_SLOT = 126;
constexpr int KEYBOARD_MOST_SLOTS = KEYBOARD_KEY_TABLE_SIZE / 3;  // 170

using KeyboardKeyTable = std::array<uint8_t, KEYBOARD_KEY_TABLE_SIZE>;
using KeyboardSettingsBlock = std::array<uint8_t, KEYBOARD_SETTINGS_BLOCK_SIZE>;

// Everything the panel knows about the keyboard: what the read-back fills, what the profile files
// carry and the key map of the key page. One instance lives for the program.
struct KeyboardState {
  KeyboardState() { Reset(); }
  // The state at program start.
  void Reset();

  int model;
  DeviceInfo info;
  KeyboardKeyTable KEYBOARD_FACTORY_KEY_TABLE;
  std::array<KeyboardKeyTable, KEYBOARD_PROFILES> keyTables;
  std::array<KeyboardSettingsBlock, KEYBOARD_PROFILES> settingsBlocks;
  std::array<uint8_t, KEYBOARD_LIVE_SETTINGS_SIZE> KeyboardLiveSettings;  // byte 0: the live profile index
  std::array<uint8_t, KEYBOARD_CUSTOM_PAINT_SIZE> KeyboardCustomPaint;    // layout, red, green, blue
  std::array<std::array<uint8_t, KEYBOARD_LAYOUT_SIZE>, KEYBOARD_CUSTOM_LAYOUTS> KeyboardCustomLayouts;
  std::array<int, KEYBOARD_UI_KEYS> KeyboardUiKeyMap;  // UI position -> key slot, KEYBOARD_NO_SLOT for none
  // The device profile's list index that the state was last loaded from, -1 before any load: the
  // profile that saves write, so a profile a watcher shows keeps its changes to itself.
  int loadedDeviceProfile;
  // Taken by read-backs as they store what they read and by profile loads and saves; the page's
  // single-byte edits of the live settings go without it.
  StateLock lock;

  // The live profile index, which comes from the device or a file: above 4 counts as 0.
  int LiveProfileIndex() const;
  void SetLiveProfileIndex(int index);
  // The key table of the live on-board profile: the one the key page edits, the download and a
  // selected profile send to its bank, and a profile file holds.
  KeyboardKeyTable& LiveKeyTable() { return keyTables[LiveProfileIndex()]; }
  const KeyboardKeyTable& LiveKeyTable() const { return keyTables[LiveProfileIndex()]; }
  // Key slots the tables hold: the device's count, never more than a table has room for.
  int KeySlotCount() const;
  KeyAssignment FactoryAssignment(int slot) const;
  KeyAssignment Assignment(int table, int slot) const;
};

// Bounds an on-board profile index taken from a device or a file.
int BoundedProfileIndex(int index);
