#pragma once
#include <functional>
#include <string>
#include <vector>

#include "device_command_channel.h"
#include "keyboard_state.h"
#include "named_profile_list.h"

// The keyboard's three named profile lists in "kbProfile.ini": device profiles (".kconfig", the
// working profile that every change is saved into), light profiles (".led") and key profiles
// (".pro"), each with a factory file per keyboard model in the program's folder.
struct KeyboardProfileList {
  NamedProfileListParams params;
  const wchar_t* factoryFiles[3];  // by KeyboardModel
};

const KeyboardProfileList& KeyboardDeviceProfiles();
const KeyboardProfileList& KeyboardLightProfiles();
const KeyboardProfileList& KeyboardKeyProfiles();

// The factory file of the model (a model out of range counts as the one the panel starts with).
std::wstring KeyboardFactoryProfileFile(const KeyboardProfileList& list, int model, const std::wstring& programFolder);

// The payload of the profile at the index of the list; a failure is written to the diagnostics.
int ReadKeyboardListedProfile(const KeyboardProfileList& list, const std::wstring& folder, int index,
                              std::vector<uint8_t>& payload);

// Load the light or key profile stored at the index of its list into the state: 0 loaded, 1
// missing, -1 not a profile file; on 1 and -1 the state is untouched. Light profiles leave the keys
// in use alone; key profiles touch the live profile's key table only.
int LoadKeyboardLightProfile(KeyboardState& state, const std::wstring& folder, int index);
int LoadKeyboardKeyProfile(KeyboardState& state, const std::wstring& folder, int index);

// What selecting and resetting send. `showOnPage` shows the new state (the lighting page, the key
// labels) between the commands, as the keyboard expects them. Each runs whatever the load
// returned: after a failed load the unchanged state goes out again. A key table goes to the bank
// of the live on-board profile, the one the block names, and is that profile's table.
// Device list: settings block 0 (56 bytes at 0), then the key table.
void SelectKeyboardDeviceProfileAt(DeviceCommandChannel& channel, KeyboardState& state, const std::wstring& folder,
                                   int index, const std::function<void()>& showOnPage);
// Key list: the key table.
void SelectKeyboardKeyProfileAt(DeviceCommandChannel& channel, KeyboardState& state, const std::wstring& folder,
                                int index, const std::function<void()>& showOnPage);
// Resets store their factory payload in the selected device profile; the light and key lists' own
// files stay as they are. The device and key resets send the key table, the light reset nothing.
void ResetKeyboardDeviceProfileTo(DeviceCommandChannel& channel, KeyboardState& state, const std::wstring& folder,
                                  const std::vector<uint8_t>& payload, const std::function<void()>& showOnPage);
void ResetKeyboardLightProfileTo(KeyboardState& state, const std::wstring& folder, const std::vector<uint8_t>& payload);
void ResetKeyboardKeyProfileTo(DeviceCommandChannel& channel, KeyboardState& state, const std::wstring& folder,
                               const std::vector<uint8_t>& payload, const std::function<void()>& showOnPage);
