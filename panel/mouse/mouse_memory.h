#pragma once
// The mouse's command sequences on its channel: the full read-back, the re-read of block 0 after
// the mouse changed its settings, and the switch of its active on-board profile. Each reads into
// scratch copies and changes the working state only when every command succeeded, so a mouse that
// fails or vanishes half-way leaves the state (and the files saved from it) as they were.
#include "device_command_channel.h"

enum class MouseReadResult {
  Read,          // the working state holds what the mouse answered
  NotConnected,  // nothing was sent
  Failed,        // a command failed; the working state is as it was
};

// Device info, factory key table, then each on-board profile's block (bytes 0..55) and key bank,
// and the active-profile byte, between 0x01 and 0x02. The live settings and the pointer values
// are not taken from the mouse.
MouseReadResult ReadMouseMemory(DeviceCommandChannel& channel);

// After the mouse announced a change of its settings: the live settings go back into their block,
// and block 0 is read again and becomes the live settings (profile byte 0). Lighting frames pause
// for the reads. False, with nothing changed, when not connected or a read failed.
bool ReloadActiveMouseProfile(DeviceCommandChannel& channel);

// Writes the key table of on-board profile p (0..4) as bank p. The write moves 512 bytes from
// p × 126 on, over the starts of the banks after it: those bytes are the later profiles' own
// tables, so the write keeps what they hold; past the last bank, table p's own bytes go. The
// channel's result; DEVICE_RESULT_BANK_OUT_OF_RANGE, with nothing sent, when p names no profile.
int WriteMouseKeyTable(DeviceCommandChannel& channel, int profile);

// Makes on-board profile n (0..4) the mouse's active one and the page's. False, with nothing
// changed, when n or the profile the mouse reports names no block, when the mouse already runs n,
// or when a command failed.
bool SwitchMouseOnboardProfile(DeviceCommandChannel& channel, int n);
