#pragma once
// The mouse pad's memory as command sequences: the full read of its five blocks, the reload of its
// active block and the switch of its on-board profile. The pad's lighting never goes to it as a
// settings write; the only byte the panel writes is the active-profile index.
#include <string>

#include "device_command_channel.h"
#include "mousepad_state.h"

enum class MousePadMemoryResult {
  Done,          // the state holds what the pad answered
  NotConnected,  // nothing was sent, nothing changed
  Failed,        // a command failed; the state is as it was
  Refused,       // an index outside 0..4 (asked for, or answered by the pad); nothing changed
  Unchanged,     // switch only: the profile asked for is already active (one 1-byte read sent)
};

// 0x01, 0x03, five 56-byte block reads, a 1-byte read, 0x02. The blocks change only when every
// command answered, and then only by what was read, under the state's lock: bytes 56..63, `MousePadSeen`
// and the live settings are never written back. While the pad has not been seen, block 0 and the
// live settings then take the factory file's first 56 bytes, if that file reads.
MousePadMemoryResult ReadMousePadMemory(DeviceCommandChannel& channel, MousePadState& state,
                                        const std::wstring& factoryFile);

// The pad's active profile p and its block: the live settings fold back into their block, then
// block p (its byte 0 set to p) becomes the live settings. The caller saves the light profile on
// Done.
MousePadMemoryResult ReloadActiveMousePadProfile(DeviceCommandChannel& channel, MousePadState& state);

// Makes `index` the pad's active profile (a 1-byte 0x06, which also ends the pad's synchronised
// lighting) and its block the live settings, after folding the live settings into the block of
// the profile that was active. Unchanged when `index` is already active.
MousePadMemoryResult SwitchMousePadOnboardProfile(DeviceCommandChannel& channel, MousePadState& state, int index);
