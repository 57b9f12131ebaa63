#include "keyboard_profile_payloads.h"

#include <algorithm>
#include <mutex>

namespace {

void StoreLiveSettings(KeyboardState& state) {
  std::copy(state.KeyboardLiveSettings.begin(), state.KeyboardLiveSettings.end(), state.settingsBlocks[0].begin());
}

void AppendLightPart(const KeyboardState& state, std::vector<uint8_t>& payload) {
  payload.insert(payload.end(), state.settingsBlocks[0].begin(), state.settingsBlocks[0].end());
  payload.insert(payload.end(), state.KeyboardCustomPaint.begin(), state.KeyboardCustomPaint.end());
  for (const auto& layout : state.KeyboardCustomLayouts) payload.insert(payload.end(), layout.begin(), layout.end());
}

void TakeLightPart(KeyboardState& state, const uint8_t* payload) {
  const uint8_t* at = payload;
  std::copy(at, at + KEYBOARD_SETTINGS_BLOCK_SIZE, state.settingsBlocks[0].begin());
  std::copy(at, at + KEYBOARD_LIVE_SETTINGS_SIZE, state.KeyboardLiveSettings.begin());
  state.SetLiveProfileIndex(state.KeyboardLiveSettings[0]);
  at += KEYBOARD_SETTINGS_BLOCK_SIZE;
  std::copy(at, at + KEYBOARD_CUSTOM_PAINT_SIZE, state.KeyboardCustomPaint.begin());
  at += KEYBOARD_CUSTOM_PAINT_SIZE;
  for (auto& layout : state.KeyboardCustomLayouts) {
    std::copy(at, at + KEYBOARD_LAYOUT_SIZE, layout.begin());
    at += KEYBOARD_LAYOUT_SIZE;
  }
}

}  // namespace

std::vector<uint8_t> EncodeKeyboardLightProfile(KeyboardState& state) {
  std::lock_guard<StateLock> hold(state.lock);
  StoreLiveSettings(state);
  std::vector<uint8_t> payload;
  AppendLightPart(state, payload);
  return payload;
}

std::vector<uint8_t> EncodeKeyboardDeviceProfile(KeyboardState& state) {
  std::lock_guard<StateLock> hold(state.lock);
  std::vector<uint8_t> payload = EncodeKeyboardLightProfile(state);
  payload.insert(payload.end(), state.LiveKeyTable().begin(), state.LiveKeyTable().end());
  return payload;
}

void ApplyKeyboardLightProfile(KeyboardState& state, const uint8_t* payload) {
  std::lock_guard<StateLock> hold(state.lock);
  const KeyboardKeyTable keysInUse = state.LiveKeyTable();
  TakeLightPart(state, payload);
  state.LiveKeyTable() = keysInUse;
}

void ApplyKeyboardDeviceProfile(KeyboardState& state, const uint8_t* payload) {
  std::lock_guard<StateLock> hold(state.lock);
  TakeLightPart(state, payload);
  const uint8_t* keys = payload + KEYBOARD_LIGHT_PAYLOAD_SIZE;
  std::copy(keys, keys + KEYBOARD_KEY_TABLE_SIZE, state.LiveKeyTable().begin());
}
