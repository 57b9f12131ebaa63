#pragma once
// The mouse pad's records: its five on-board settings blocks, the live lighting settings the page
// and the effects work on, its device info and whether detection has seen it connected.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "device_info.h"
#include "state_lock.h"

constexpr int MOUSEPAD_PROFILES = 5;
constexpr size_t MOUSEPAD_BLOCK_SIZE = 64;
// A device read moves this many bytes of a block; the rest comes only from profile files.
constexpr size_t MOUSEPAD_BLOCK_READ = 56;
constexpr uint8_t MOUSEPAD_MODE_COUNT = 9;  // effects 0..8; the mode combo can also store 9

using MousePadSettingsBlock = std::array<uint8_t, MOUSEPAD_BLOCK_SIZE>;

// Bytes 0..20 of a settings block. Values come from the device and from files, so every field is
// bounded where it indexes a table.
struct MousePadLiveSettings {
  uint8_t profile;      // on-board profile 0..4
  uint8_t mode;         // 0..8, or 9 (no effect)
  uint8_t brightness;   // 0..4
  uint8_t speed;        // 0..4; the speed slider shows 4 - speed
  uint8_t direction;    // 0 or 1
  uint8_t multicolour;  // 0 or 1
  uint8_t red;
  uint8_t green;
  uint8_t blue;
  uint8_t palette;      // 0..2, advanced by the breathing effect
  uint8_t reserved[11];
};
constexpr size_t MOUSEPAD_LIVE_SETTINGS_SIZE = 21;
static_assert(sizeof(MousePadLiveSettings) == MOUSEPAD_LIVE_SETTINGS_SIZE, "copied byte for byte from a block");

struct MousePadState {
  MousePadState() { Reset(); }
  // The state at program start.
  void Reset();

  DeviceInfo info;
  std::array<MousePadSettingsBlock, MOUSEPAD_PROFILES> blocks;
  MousePadLiveSettings live;
  // Set by detection once its connect sequence has loaded the light profile, and on every pass
  // that finds the pad connected; while 0 a memory read takes profile 0 from the factory file.
  uint8_t MousePadSeen;
  // Taken by memory reads as they store what they read, by profile loads and saves and by the
  // detection as it marks the pad seen; the page's single-byte edits of `live` go without it.
  StateLock lock;

  // Live settings into / from bytes 0..20 of a block.
  void FoldLiveInto(MousePadSettingsBlock& block) const;
  void TakeLiveFrom(const MousePadSettingsBlock& block);
};

// Set by the mouse's hardware-sync reader, taken by the pad's reactive lighting effects.
extern std::atomic<int> MousePadFlashRequest;

// True for an on-board profile index that names one of the five blocks.
bool IsMousePadProfile(int index);
