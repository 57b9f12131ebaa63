#include "mousepad_memory.h"

#include <algorithm>
#include <mutex>

#include "mousepad_light_profile.h"
#include "profile_store.h"

namespace {

using BlockBytes = std::array<uint8_t, MOUSEPAD_BLOCK_READ>;

bool ReadBlock(DeviceCommandChannel& channel, int profile, BlockBytes& bytes) {
  BlockBytes buffer{};
  const uint16_t offset = static_cast<uint16_t>(profile * MOUSEPAD_BLOCK_SIZE);
  if (channel.ReadSettings(buffer.data(), buffer.size(), offset) != DEVICE_RESULT_OK) return false;
  bytes = buffer;
  return true;
}

bool ReadActiveIndex(DeviceCommandChannel& channel, int& index) {
  uint8_t active = 0;
  if (channel.ReadSettings(&active, 1, 0) != DEVICE_RESULT_OK) return false;
  index = active;
  return true;
}

void CopyRead(const BlockBytes& bytes, MousePadSettingsBlock& block) {
  std::copy(bytes.begin(), bytes.end(), block.begin());
}

// Folding back into the block of an index that came from a device or a file changes nothing when
// that index names no block.
void FoldLiveIntoItsBlock(MousePadState& state) {
  if (IsMousePadProfile(state.live.profile)) state.FoldLiveInto(state.blocks[state.live.profile]);
}

// What a memory read takes from the pad, read whole before any of it is stored.
struct MousePadMemoryImage {
  DeviceInfo info;
  std::array<BlockBytes, MOUSEPAD_PROFILES> blocks{};
};

bool ReadAllBlocks(DeviceCommandChannel& channel, MousePadMemoryImage& image) {
  if (channel.ReadDeviceInfo(image.info) != DEVICE_RESULT_OK) return false;
  for (int p = 0; p < MOUSEPAD_PROFILES; ++p)
    if (!ReadBlock(channel, p, image.blocks[p])) return false;
  int unused = 0;
  return ReadActiveIndex(channel, unused);
}

}  // namespace

// The factory block is read before the lock and taken under it only while the pad is still unseen:
// once detection has loaded the light profile, the live settings are that profile's.
MousePadMemoryResult ReadMousePadMemory(DeviceCommandChannel& channel, MousePadState& state,
                                        const std::wstring& factoryFile) {
  if (!channel.IsConnected()) return MousePadMemoryResult::NotConnected;
  MousePadMemoryImage image;
  channel.BeginTransfer();
  const bool read = ReadAllBlocks(channel, image);
  channel.EndTransfer();
  if (!read) return MousePadMemoryResult::Failed;
  BlockBytes factory{};
  const bool factoryRead =
      !state.MousePadSeen && ReadProfileFile(factoryFile, factory.data(), factory.size(), PROFILE_KIND_MOUSEPAD) == 0;
  std::lock_guard<StateLock> hold(state.lock);
  state.info = image.info;
  for (int p = 0; p < MOUSEPAD_PROFILES; ++p) CopyRead(image.blocks[p], state.blocks[p]);
  if (factoryRead && !state.MousePadSeen) TakeMousePadFactoryStart(state, factory.data());
  return MousePadMemoryResult::Done;
}

MousePadMemoryResult ReloadActiveMousePadProfile(DeviceCommandChannel& channel, MousePadState& state) {
  if (!channel.IsConnected()) return MousePadMemoryResult::NotConnected;
  int active = 0;
  if (!ReadActiveIndex(channel, active)) return MousePadMemoryResult::Failed;
  if (!IsMousePadProfile(active)) return MousePadMemoryResult::Refused;
  BlockBytes bytes;
  if (!ReadBlock(channel, active, bytes)) return MousePadMemoryResult::Failed;
  bytes[0] = static_cast<uint8_t>(active);
  std::lock_guard<StateLock> hold(state.lock);
  FoldLiveIntoItsBlock(state);
  CopyRead(bytes, state.blocks[active]);
  state.TakeLiveFrom(state.blocks[active]);
  return MousePadMemoryResult::Done;
}

MousePadMemoryResult SwitchMousePadOnboardProfile(DeviceCommandChannel& channel, MousePadState& state, int index) {
  if (!IsMousePadProfile(index)) return MousePadMemoryResult::Refused;
  if (!channel.IsConnected()) return MousePadMemoryResult::NotConnected;
  int active = 0;
  if (!ReadActiveIndex(channel, active)) return MousePadMemoryResult::Failed;
  if (active == index) return MousePadMemoryResult::Unchanged;
  const uint8_t byte = static_cast<uint8_t>(index);
  if (channel.WriteSettings(&byte, 1, 0) != DEVICE_RESULT_OK) return MousePadMemoryResult::Failed;
  BlockBytes bytes;
  if (!ReadBlock(channel, index, bytes)) return MousePadMemoryResult::Failed;
  std::lock_guard<StateLock> hold(state.lock);
  // The block of a profile the pad reports outside 0..4 does not exist: nothing to fold into.
  if (IsMousePadProfile(active)) state.FoldLiveInto(state.blocks[active]);
  CopyRead(bytes, state.blocks[index]);
  state.TakeLiveFrom(state.blocks[index]);
  state.live.profile = byte;
  return MousePadMemoryResult::Done;
}
