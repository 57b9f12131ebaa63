#pragma once
#include <string>

#include "device_command_channel.h"
#include "keyboard_state.h"

enum class KeyboardReadResult {
  Read,          // the state holds what the keyboard answered; the key map is rebuilt
  NotConnected,  // nothing was sent
  TooManySlots,  // the key table would not fit the transfer size: show "message_text_11"
  Failed,        // a command failed; the state is as it was
};

// The full read-back: device info, factory table, settings block 0, key table 0 and the live
// profile index; when the keyboard's active profile is 1 to 4, also that block and that table, so
// the key editor and the downloads never work on a table that was not read. The state changes only
// when every command answered in full.
KeyboardReadResult ReadKeyboardMemory(DeviceCommandChannel& channel, KeyboardState& state);

// After the keyboard reported a change of its settings: the live settings go back into the block of
// their profile, the live profile becomes 0 and block 0 is read again (its profile byte held at 0).
// False, with nothing changed, when the read failed; the caller saves the device profile on true.
bool ReloadActiveKeyboardProfile(DeviceCommandChannel& channel, KeyboardState& state);

// Reads the factory key table (no framing) and stores it as the model's factory key profile in the
// program folder. False, with nothing changed or written, when the read failed.
bool StoreKeyboardFactoryKeyProfile(DeviceCommandChannel& channel, KeyboardState& state,
                                    const std::wstring& programFolder);
