#include "keyboard_readback.h"

#include <algorithm>

#include "keyboard_factory_data.h"
#include "keyboard_key_map.h"
#include "profile_store.h"

namespace {

constexpr size_t kBlockRead = 56;

// What one read-back takes from the keyboard.
struct KeyboardMemoryRead {
  DeviceInfo info;
  KeyboardKeyTable factoryKeyTable{};
  uint8_t block0[kBlockRead] = {};
  KeyboardKeyTable keyTable0{};
  int liveProfile = 0;
  uint8_t activeBlock[kBlockRead] = {};  // of the live profile, when it is 1 to 4
  KeyboardKeyTable activeKeyTable{};
};

bool ReadBlock(DeviceCommandChannel& channel, uint8_t (&block)[kBlockRead], int profile) {
  const uint16_t offset = static_cast<uint16_t>(profile * KEYBOARD_SETTINGS_BLOCK_SIZE);
  return channel.ReadSettings(block, kBlockRead, offset) == DEVICE_RESULT_OK;
}

bool ReadTable(DeviceCommandChannel& channel, KeyboardKeyTable& table, int bank) {
  return channel.ReadKeyTable(table.data(), bank) == DEVICE_RESULT_OK;
}

bool ReadFactoryTable(DeviceCommandChannel& channel, KeyboardKeyTable& table) {
  KeyboardKeyTable buffer{};
  if (channel.ReadFactoryKeyTable(buffer.data()) != DEVICE_RESULT_OK) return false;
  table = buffer;
  return true;
}

bool ReadLiveProfileIndex(DeviceCommandChannel& channel, int& profile) {
  uint8_t index = 0;
  if (channel.ReadSettings(&index, 1, 0) != DEVICE_RESULT_OK) return false;
  profile = BoundedProfileIndex(index);
  return true;
}

// Everything after the transfer size; false at the first command that failed.
bool ReadTables(DeviceCommandChannel& channel, KeyboardMemoryRead& read) {
  if (!ReadFactoryTable(channel, read.factoryKeyTable)) return false;
  if (!ReadBlock(channel, read.block0, 0)) return false;
  if (!ReadTable(channel, read.keyTable0, 0)) return false;
  if (!ReadLiveProfileIndex(channel, read.liveProfile)) return false;
  if (read.liveProfile == 0) return true;
  return ReadBlock(channel, read.activeBlock, read.liveProfile) &&
         ReadTable(channel, read.activeKeyTable, read.liveProfile);
}

// Only what was read goes into the state: a profile that another thread loaded meanwhile keeps its
// lighting, layouts and paint.
void Commit(const KeyboardMemoryRead& read, KeyboardState& state) {
  state.info = read.info;
  state.factoryKeyTable = read.factoryKeyTable;
  std::copy(std::begin(read.block0), std::end(read.block0), state.settingsBlocks[0].begin());
  state.keyTables[0] = read.keyTable0;
  state.SetLiveProfileIndex(read.liveProfile);
  if (read.liveProfile == 0) return;
  std::copy(std::begin(read.activeBlock), std::end(read.activeBlock), state.settingsBlocks[read.liveProfile].begin());
  state.keyTables[read.liveProfile] = read.activeKeyTable;
}

}  // namespace

KeyboardReadResult ReadKeyboardMemory(DeviceCommandChannel& channel, KeyboardState& state) {
  if (!channel.IsConnected()) return KeyboardReadResult::NotConnected;
  KeyboardMemoryRead read;
  channel.BeginTransfer();
  if (channel.ReadDeviceInfo(read.info) != DEVICE_RESULT_OK) {
    channel.EndTransfer();
    return KeyboardReadResult::Failed;
  }
  if (!channel.SetTransferSize(static_cast<uint16_t>(read.info.KeySlotCount() * 3)))
    return KeyboardReadResult::TooManySlots;
  const bool complete = ReadTables(channel, read);
  channel.EndTransfer();
  if (!complete) return KeyboardReadResult::Failed;
  Commit(read, state);
  BuildKeyboardKeyMap(state);
  return KeyboardReadResult::Read;
}

bool ReloadActiveKeyboardProfile(DeviceCommandChannel& channel, KeyboardState& state) {
  uint8_t block0[kBlockRead] = {};
  if (!ReadBlock(channel, block0, 0)) return false;
  KeyboardSettingsBlock& active = state.settingsBlocks[state.LiveProfileIndex()];
  std::copy(state.liveSettings.begin(), state.liveSettings.end(), active.begin());
  state.SetLiveProfileIndex(0);
  block0[0] = 0;
  std::copy(std::begin(block0), std::end(block0), state.settingsBlocks[0].begin());
  std::copy(block0, block0 + KEYBOARD_LIVE_SETTINGS_SIZE, state.liveSettings.begin());
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
