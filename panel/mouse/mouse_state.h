#pragma once
// The mouse's working state: the copies of its on-board memory that every mouse page reads and
// changes, process-wide and without a lock (the lighting thread reads the live settings while the
// window and detection threads write them).
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "device_info.h"

constexpr int MOUSE_PROFILES = 5;
constexpr size_t MOUSE_SETTINGS_BLOCK_SIZE = 64;
constexpr size_t MOUSE_BLOCK_TRANSFER_SIZE = 56;  // what a settings command moves of a block
constexpr size_t MOUSE_LIVE_SETTINGS_SIZE = 33;
constexpr size_t MOUSE_KEY_TABLE_SIZE = 512;
// Block bytes after the live settings' image.
constexpr size_t MOUSE_BLOCK_POINTER_SPEED = 33;
constexpr size_t MOUSE_BLOCK_WHEEL_LINES = 34;

// One on-board profile's settings; the first 56 bytes travel to and from the mouse, all 64 to and
// from the profile files.
using MouseSettingsBlock = std::array<uint8_t, MOUSE_SETTINGS_BLOCK_SIZE>;
// One key bank: key k's assignment (code, p1, p2) at bytes 3k..3k+2.
using MouseKeyTable = std::array<uint8_t, MOUSE_KEY_TABLE_SIZE>;
// The working copy of the edited profile's block bytes 0..32; byte 0 is that profile's index.
using MouseLiveSettingsRecord = std::array<uint8_t, MOUSE_LIVE_SETTINGS_SIZE>;

static_assert(sizeof(MouseSettingsBlock) == 64, "a settings block is 64 bytes in the files");
static_assert(sizeof(MouseKeyTable) == 512, "a key table is the channel's 512-byte transfer");
static_assert(sizeof(MouseLiveSettingsRecord) == 33, "the live settings are block bytes 0..32");
static_assert(MOUSE_LIVE_SETTINGS_SIZE == MOUSE_BLOCK_POINTER_SPEED, "the pointer values follow the live settings");

// Block p is on-board profile p; block 0 and table 0 are also what the profile files hold.
extern std::array<MouseSettingsBlock, MOUSE_PROFILES> MouseSettingsBlocks;
extern std::array<MouseKeyTable, MOUSE_PROFILES> MouseKeyTables;
extern MouseKeyTable MouseFactoryKeyTable;
extern MouseLiveSettingsRecord MouseLiveSettings;
extern DeviceInfo MouseDeviceInfo;
// Windows pointer speed (1 to 20) and wheel lines: written by the mouse page and its profiles,
// applied to Windows by the short-lived pointer-setting threads.
extern std::atomic<uint8_t> MousePointerSpeed;
extern std::atomic<uint8_t> MouseWheelLines;
// Set by the mouse's hardware-sync reader, taken by the reactive lighting effects (the pad's
// request is in mousepad_state.h).
extern std::atomic<int> MouseFlashRequest;

// The key page (window thread): the key being edited with its assignment (code, p1, p2), and the
// code of the function page chosen for it.
struct MouseKeyEdit {
  uint16_t key = 0;
  uint8_t assignment[3] = {};
};
inline MouseKeyEdit MouseKeyEditState;
inline int MouseSelectedFunctionCode = 0;

// Profile indexes come from the mouse and from files: only 0..4 name a block or a table.
bool IsMouseProfileIndex(int profile);
// The block or table of on-board profile p; null when p names none.
MouseSettingsBlock* MouseBlockOfProfile(int profile);
MouseKeyTable* MouseKeyTableOfProfile(int profile);

// Byte 0 of a block taken from a file: the profile that the live settings edit, placing their
// writes at profile x 64 and sent to the mouse as its active profile. A byte that names no profile
// becomes 0, the block that files hold.
void BoundMouseProfileByte(MouseSettingsBlock& block);

// The live settings into bytes 0..32 of a block, and back.
void StoreMouseLiveSettings(MouseSettingsBlock& block);
void TakeMouseLiveSettings(const MouseSettingsBlock& block);

// Everything back to its value at program start; for test fixtures.
void ResetMouseState();
