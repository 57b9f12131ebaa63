#pragma once
#include <cstdint>
#include <vector>

#include "keyboard_state.h"

// The payloads of the keyboard's profile files (after the 16-byte profile header):
//   device profile ".kconfig", 2470 bytes: settings block 0 (64), custom layout and paint colour (4),
//     five custom layouts (5 x 378), a key table (512);
//   light profile ".led", 1958 bytes: the first 1958 bytes of a device profile;
//   key profile ".pro", 512 bytes: a key table.
// The key table of a file is that of the live on-board profile (byte 0 of the block), the one the
// key page edits and a selection sends to that profile's bank.
constexpr size_t KEYBOARD_LIGHT_PAYLOAD_SIZE =
    KEYBOARD_SETTINGS_BLOCK_SIZE + KEYBOARD_CUSTOM_PAINT_SIZE + KEYBOARD_CUSTOM_LAYOUTS * KEYBOARD_LAYOUT_SIZE;
constexpr size_t KEYBOARD_KEY_PAYLOAD_SIZE = KEYBOARD_KEY_TABLE_SIZE;
constexpr size_t KEYBOARD_DEVICE_PAYLOAD_SIZE = KEYBOARD_LIGHT_PAYLOAD_SIZE + KEYBOARD_KEY_PAYLOAD_SIZE;
static_assert(KEYBOARD_LIGHT_PAYLOAD_SIZE == 1958 && KEYBOARD_DEVICE_PAYLOAD_SIZE == 2470, "file formats");

// Encoding takes the live settings into bytes 0-39 of block 0 first, as every save does.
std::vector<uint8_t> EncodeKeyboardDeviceProfile(KeyboardState& state);
std::vector<uint8_t> EncodeKeyboardLightProfile(KeyboardState& state);
// Decoding fills block 0, the live settings (its bytes 0-39, the live profile index bounded),
// paint, layouts and, for a device profile, the key table of the live profile that the block names. A light profile brings
// no keys: when it names another on-board profile, the keys in use go with it. The payload must
// have its full size.
void ApplyKeyboardDeviceProfile(KeyboardState& state, const uint8_t* payload);
void ApplyKeyboardLightProfile(KeyboardState& state, const uint8_t* payload);
