#pragma once
#include <cstdint>
#include <vector>

#include "keyboard_state.h"

// The factory profiles that ship beside the program, one set per keyboard model. They are built
// here, and only here, by the build (into the release folder) and by the test that checks them.
struct KeyboardFactoryFile {
  const char* name;
  std::vector<uint8_t> payload;  // after the 16-byte profile header of kind 1
};

// The key table each model's keyboard holds from the factory: one slot per key of the page's
// layout, numbered down the columns of its key matrix; only the second RGB board has the ISO key.
KeyboardKeyTable KeyboardFactoryKeyTable(int model);
// The model's factory state: settings, paint, layouts and key table 0 (other fields at reset).
KeyboardState KeyboardFactoryState(int model);
// The device, light and key profiles of the three models: nine files.
std::vector<KeyboardFactoryFile> KeyboardFactoryFiles();
// "kbkeydefault.pro" and the like, by model.
const char* KeyboardFactoryKeyProfileName(int model);
const char* KeyboardFactoryDeviceProfileName(int model);
