#include "mouse_memory.h"

#include <algorithm>

#include "mouse_state.h"

namespace {

using BlockBytes = std::array<uint8_t, MOUSE_BLOCK_TRANSFER_SIZE>;

bool ReadBlockBytes(DeviceCommandChannel& channel, int profile, BlockBytes& bytes) {
  const uint16_t offset = static_cast<uint16_t>(profile * MOUSE_SETTINGS_BLOCK_SIZE);
  return channel.ReadSettings(bytes.data(), bytes.size(), offset) == DEVICE_RESULT_OK;
}

void PutBlockBytes(MouseSettingsBlock& block, const BlockBytes& bytes) {
  std::copy(bytes.begin(), bytes.end(), block.begin());
}

bool ReadActiveProfile(DeviceCommandChannel& channel, uint8_t& profile) {
  return channel.ReadSettings(&profile, 1, 0) == DEVICE_RESULT_OK;
}

// The working state's device part, read whole before any of it is stored; bytes 56..63 of the
// blocks are not read and so never stored.
struct MouseMemoryImage {
  DeviceInfo info;
  MouseKeyTable factoryKeyTable{};
  std::array<BlockBytes, MOUSE_PROFILES> blocks{};
  std::array<MouseKeyTable, MOUSE_PROFILES> keyTables{};
};

bool ReadImage(DeviceCommandChannel& channel, MouseMemoryImage& image) {
  if (channel.ReadDeviceInfo(image.info) != DEVICE_RESULT_OK) return false;
  if (channel.ReadFactoryKeyTable(image.factoryKeyTable.data()) != DEVICE_RESULT_OK) return false;
  for (int profile = 0; profile < MOUSE_PROFILES; ++profile) {
    if (!ReadBlockBytes(channel, profile, image.blocks[profile])) return false;
    if (channel.ReadKeyTable(image.keyTables[profile].data(), profile) != DEVICE_RESULT_OK) return false;
  }
  uint8_t active = 0;  // read as the mouse expects it; the page follows its own profile byte
  return ReadActiveProfile(channel, active);
}

}  // namespace

MouseReadResult ReadMouseMemory(DeviceCommandChannel& channel) {
  if (!channel.IsConnected()) return MouseReadResult::NotConnected;
  MouseMemoryImage image;
  const bool begun = channel.BeginTransfer() == DEVICE_RESULT_OK;
  const bool read = begun && ReadImage(channel, image);
  const bool ended = channel.EndTransfer() == DEVICE_RESULT_OK;
  if (!read || !ended) return MouseReadResult::Failed;
  MouseDeviceInfo = image.info;
  MouseFactoryKeyTable = image.factoryKeyTable;
  for (int profile = 0; profile < MOUSE_PROFILES; ++profile) PutBlockBytes(MouseSettingsBlocks[profile], image.blocks[profile]);
  MouseKeyTables = image.keyTables;
  return MouseReadResult::Read;
}

int WriteMouseKeyTable(DeviceCommandChannel& channel, int profile) {
  if (!IsMouseProfileIndex(profile)) return DEVICE_RESULT_BANK_OUT_OF_RANGE;
  constexpr size_t kStride = DeviceCommandChannel::kKeyBankStride;
  MouseKeyTable written = MouseKeyTables[profile];
  for (int later = profile + 1; later < MOUSE_PROFILES; ++later) {
    const size_t start = (later - profile) * kStride;
    if (start >= written.size()) break;
    const size_t length = std::min(kStride, written.size() - start);
    std::copy_n(MouseKeyTables[later].begin(), length, written.begin() + start);
  }
  return channel.WriteKeyTable(written.data(), profile);
}

bool ReloadActiveMouseProfile(DeviceCommandChannel& channel) {
  if (!channel.IsConnected()) return false;
  BlockBytes block0{};
  uint8_t active = 0;
  channel.m_frameSendEnabled = 0;
  const bool read = ReadActiveProfile(channel, active) && ReadBlockBytes(channel, 0, block0);
  channel.m_frameSendEnabled = 1;
  if (!read) return false;
  if (MouseSettingsBlock* edited = MouseBlockOfProfile(MouseLiveSettings[0])) StoreMouseLiveSettings(*edited);
  block0[0] = 0;
  PutBlockBytes(MouseSettingsBlocks[0], block0);
  TakeMouseLiveSettings(MouseSettingsBlocks[0]);
  return true;
}

bool SwitchMouseOnboardProfile(DeviceCommandChannel& channel, int n) {
  if (!IsMouseProfileIndex(n) || !channel.IsConnected()) return false;
  uint8_t active = 0;
  if (!ReadActiveProfile(channel, active) || active == n) return false;
  MouseSettingsBlock* left = MouseBlockOfProfile(active);
  if (!left) return false;
  const uint8_t target = static_cast<uint8_t>(n);
  BlockBytes bytes{};
  if (channel.WriteSettings(&target, 1, 0) != DEVICE_RESULT_OK || !ReadBlockBytes(channel, n, bytes)) return false;
  StoreMouseLiveSettings(*left);
  PutBlockBytes(MouseSettingsBlocks[n], bytes);
  TakeMouseLiveSettings(MouseSettingsBlocks[n]);
  MouseLiveSettings[0] = target;
  return true;
}
