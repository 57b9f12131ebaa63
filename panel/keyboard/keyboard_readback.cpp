#include "keyboard_readback.h"

#include <algorithm>
#include <mutex>

#include "keyboard_factory_data.h"
#include "keyboard_key_map.h"
#include "profile_store.h"

namespace {

constexpr size_t kBlockRead = 56;
using BlockBytes = std::array<uint8_t, kBlockRead>;

// What a full read-back takes from the keyboard, read whole before any of it is stored, so that
// nothing the read did not read is ever written back.
struct KeyboardMemoryImage {
  DeviceInfo info;
  KeyboardKeyTable factoryKeyTable{};
  BlockBytes block0{};
  KeyboardKeyTable keyTable0{};
  int active = 0;
  BlockBytes activeBlock{};
  KeyboardKeyTable activeKeyTable{};
};

bool ReadBlock(DeviceCommandChannel& channel, int profile, BlockBytes& bytes) {
  BlockBytes buffer{};
  const uint16_t offset = static_cast<uint16_t>(profile * KEYBOARD_SETTINGS_BLOCK_SIZE);
  if (channel.ReadSettings(buffer.data(), kBlockRead, offset) != DEVICE_RESULT_OK) return false;
  bytes = buffer;
  return true;
}

void PutBlock(const BlockBytes& bytes, KeyboardSettingsBlock& block) { std::copy(bytes.begin(), bytes.end(), block.begin()); }

bool ReadTable(DeviceCommandChannel& channel, KeyboardKeyTable& table, int bank) {
  return channel.ReadKeyTable(table.data(), bank) == DEVICE_RESULT_OK;
}

bool ReadLiveProfileIndex(DeviceCommandChannel& channel, int& index) {
  uint8_t byte = 0;
  if (channel.ReadSettings(&byte, 1, 0) != DEVICE_RESULT_OK) return false;
  index = BoundedProfileIndex(byte);
  return true;
}

// Everything after the transfer size; false at the first command that failed.
bool ReadTables(DeviceCommandChannel& channel, KeyboardMemoryImage& image) {
  if (channel.ReadFactoryKeyTable(image.factoryKeyTable.data()) != DEVICE_RESULT_OK) return false;
  if (!ReadBlock(channel, 0, image.block0)) return false;
  if (!ReadTable(channel, image.keyTable0, 0)) return false;
  if (!ReadLiveProfileIndex(channel, image.active)) return false;
  if (image.active == 0) return true;
  return ReadBlock(channel, image.active, image.activeBlock) &&
         ReadTable(channel, image.activeKeyTable, image.active);
}

void Commit(const KeyboardMemoryImage& image, KeyboardState& state) {
  std::lock_guard<StateLock> hold(state.lock);
  state.info = image.info;
  state.KEYBOARD_FACTORY_KEY_TABLE = image.factoryKeyTable;
  PutBlock(image.block0, state.settingsBlocks[0]);
  state.keyTables[0] = image.keyTable0;
  state.SetLiveProfileIndex(image.active);
  if (image.active != 0) {
    PutBlock(image.activeBlock, state.settingsBlocks[image.active]);
    state.keyTables[image.active] = image.activeKeyTable;
  }
  BuildKeyboardKeyMap(state);
}

}  // namespace

KeyboardReadResult ReadKeyboardMemory(DeviceCommandChannel& channel, KeyboardState& state) {
  if (!channel.IsConnected()) return KeyboardReadResult::NotConnected;
  KeyboardMemoryImage image;
  channel.BeginTransfer();
  if (channel.ReadDeviceInfo(image.info) != DEVICE_RESULT_OK) {
    channel.EndTransfer();
    return KeyboardReadResult::Failed;
  }
  if (!channel.SetTransferSize(static_cast<uint16_t>(image.info.KeySlotCount() * 3)))
    return KeyboardReadResult::TooManySlots;
  const bool read = ReadTables(channel, image);
  channel.EndTransfer();
  if (!read) return KeyboardReadResult::Failed;
  Commit(image, state);
  return KeyboardReadResult::Read;
}

bool ReloadActiveKeyboardProfile(DeviceCommandChannel& channel, KeyboardState& state) {
  BlockBytes block0{};
  if (!ReadBlock(channel, 0, block0)) return false;
  block0[0] = 0;
  std::lock_guard<StateLock> hold(state.lock);
  KeyboardSettingsBlock& active = state.settingsBlocks[state.LiveProfileIndex()];
  std::copy(state.KeyboardLiveSettings.begin(), state.KeyboardLiveSettings.end(), active.begin());
  PutBlock(block0, state.settingsBlocks[0]);
  std::copy(block0.begin(), block0.begin() + KEYBOARD_LIVE_SETTINGS_SIZE, state.KeyboardLiveSettings.begin());
  return true;
}

bool StoreKeyboardFactoryKeyProfile(DeviceCommandChannel& channel, KeyboardState& state,
                                    const std::wstring& programFolder) {
  KeyboardKeyTable table{};
  if (channel.ReadFactoryKeyTable(table.data()) != DEVICE_RESULT_OK) return false;
  const std::string name = KeyboardFactoryKeyProfileName(state.model);
  const std::wstring path = programFolder + std::wstring(name.begin(), name.end());
  WriteProfileFile(path, table.data(), table.size(), PROFILE_KIND_KEYBOARD);
  std::lock_guard<StateLock> hold(state.lock);
  state.KEYBOARD_FACTORY_KEY_TABLE = table;
  BuildKeyboardKeyMap(state);
  return true;
}
