#include "keyboard_readback.h"

#include <algorithm>

#include "keyboard_factory_data.h"
#include "keyboard_key_map.h"
#include "profile_store.h"

namespace {

constexpr size_t kBlockRead = 56;

bool ReadBlock(DeviceCommandChannel& channel, KeyboardSettingsBlock& block, int profile) {
  uint8_t buffer[kBlockRead] = {};
  const uint16_t offset = static_cast<uint16_t>(profile * KEYBOARD_SETTINGS_BLOCK_SIZE);
  if (channel.ReadSettings(buffer, kBlockRead, offset) != DEVICE_RESULT_OK) return false;
  std::copy(buffer, buffer + kBlockRead, block.begin());
  return true;
}

bool ReadTable(DeviceCommandChannel& channel, KeyboardKeyTable& table, int bank) {
  KeyboardKeyTable buffer{};
  if (channel.ReadKeyTable(buffer.data(), bank) != DEVICE_RESULT_OK) return false;
  table = buffer;
  return true;
}

bool ReadFactoryTable(DeviceCommandChannel& channel, KeyboardKeyTable& table) {
  KeyboardKeyTable buffer{};
  if (channel.ReadFactoryKeyTable(buffer.data()) != DEVICE_RESULT_OK) return false;
  table = buffer;
  return true;
}

bool ReadLiveProfileIndex(DeviceCommandChannel& channel, KeyboardState& state) {
  uint8_t index = 0;
  if (channel.ReadSettings(&index, 1, 0) != DEVICE_RESULT_OK) return false;
  state.SetLiveProfileIndex(index);
  return true;
}

// Everything after the transfer size, into `next`; false at the first command that failed.
bool ReadTables(DeviceCommandChannel& channel, KeyboardState& next) {
  if (!ReadFactoryTable(channel, next.factoryKeyTable)) return false;
  if (!ReadBlock(channel, next.settingsBlocks[0], 0)) return false;
  if (!ReadTable(channel, next.keyTables[0], 0)) return false;
  if (!ReadLiveProfileIndex(channel, next)) return false;
  const int active = next.LiveProfileIndex();
  if (active == 0) return true;
  return ReadBlock(channel, next.settingsBlocks[active], active) && ReadTable(channel, next.keyTables[active], active);
}

}  // namespace

KeyboardReadResult ReadKeyboardMemory(DeviceCommandChannel& channel, KeyboardState& state) {
  if (!channel.IsConnected()) return KeyboardReadResult::NotConnected;
  KeyboardState next = state;
  channel.BeginTransfer();
  if (channel.ReadDeviceInfo(next.info) != DEVICE_RESULT_OK) {
    channel.EndTransfer();
    return KeyboardReadResult::Failed;
  }
  if (!channel.SetTransferSize(static_cast<uint16_t>(next.info.KeySlotCount() * 3)))
    return KeyboardReadResult::TooManySlots;
  const bool read = ReadTables(channel, next);
  channel.EndTransfer();
  if (!read) return KeyboardReadResult::Failed;
  state = next;
  BuildKeyboardKeyMap(state);
  return KeyboardReadResult::Read;
}

bool ReloadActiveKeyboardProfile(DeviceCommandChannel& channel, KeyboardState& state) {
  KeyboardSettingsBlock block0 = state.settingsBlocks[0];
  if (!ReadBlock(channel, block0, 0)) return false;
  KeyboardSettingsBlock& active = state.settingsBlocks[state.LiveProfileIndex()];
  std::copy(state.liveSettings.begin(), state.liveSettings.end(), active.begin());
  state.SetLiveProfileIndex(0);
  block0[0] = 0;
  std::copy(block0.begin(), block0.begin() + kBlockRead, state.settingsBlocks[0].begin());
  std::copy(block0.begin(), block0.begin() + KEYBOARD_LIVE_SETTINGS_SIZE, state.liveSettings.begin());
  return true;
}

bool StoreKeyboardFactoryKeyProfile(DeviceCommandChannel& channel, KeyboardState& state,
                                    const std::wstring& programFolder) {
  if (!ReadFactoryTable(channel, state.factoryKeyTable)) return false;
  const std::string name = KeyboardFactoryKeyProfileName(state.model);
  const std::wstring path = programFolder + std::wstring(name.begin(), name.end());
  WriteProfileFile(path, state.factoryKeyTable.data(), state.factoryKeyTable.size(), PROFILE_KIND_KEYBOARD);
  BuildKeyboardKeyMap(state);
  return true;
}
