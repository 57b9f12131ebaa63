#include "keyboard_sync_reader.h"

namespace {
constexpr uint16_t kVendorId = 0x0C45;
constexpr uint16_t kProductId = 0x0632;
}  // namespace

KeyboardSyncReader::KeyboardSyncReader(HidBackend& backend) : reader_(kVendorId, kProductId, backend) {}

KeyboardChange KeyboardSyncReader::Step() {
  switch (reader_.Step()) {
    case KEYBOARD_USAGE_SETTINGS_CHANGED: return KeyboardChange::SettingsChanged;
    case KEYBOARD_USAGE_DEVICE_CHANGED: return KeyboardChange::DeviceChanged;
    default: return KeyboardChange::None;
  }
}
