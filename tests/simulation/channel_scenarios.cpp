#include "channel_scenarios.h"

#include <cstdint>

#include "mouse_memory.h"

namespace {
constexpr int kProfiles = 5;
constexpr uint16_t kBlockSize = 64;
constexpr size_t kSettingsRead = 56;
}  // namespace

bool ConnectChannel(DeviceCommandChannel& channel, const std::wstring& path) {
  std::lock_guard<std::recursive_mutex> lock(channel.m_lock);
  if (!channel.m_device.Open(path, true, true, true, false)) return false;
  channel.m_connected = 1;
  return true;
}

void RunKeyboardReadBack(DeviceCommandChannel& channel) {
  DeviceInfo info;
  uint8_t table[DeviceCommandChannel::kMaxTransferSize] = {};
  uint8_t settings[kSettingsRead] = {};
  channel.BeginTransfer();
  channel.ReadDeviceInfo(info);
  if (!channel.SetTransferSize(static_cast<uint16_t>(info.KeySlotCount() * 3))) return;
  channel.ReadFactoryKeyTable(table);
  channel.ReadSettings(settings, kSettingsRead, 0);
  channel.ReadKeyTable(table, 0);
  channel.ReadSettings(settings, 1, 0);
  channel.EndTransfer();
}

void RunMouseReadBack(DeviceCommandChannel& channel) { ReadMouseMemory(channel); }

void RunMousePadReadBack(DeviceCommandChannel& channel) {
  DeviceInfo info;
  uint8_t settings[kSettingsRead] = {};
  channel.BeginTransfer();
  channel.ReadDeviceInfo(info);
  for (int profile = 0; profile < kProfiles; ++profile)
    channel.ReadSettings(settings, kSettingsRead, static_cast<uint16_t>(profile * kBlockSize));
  channel.ReadSettings(settings, 1, 0);
  channel.EndTransfer();
}
