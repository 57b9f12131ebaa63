#include "keyboard_download.h"

#include "device_macro_image.h"
#include "keyboard_device_profile.h"

namespace {
constexpr size_t kMacroMemoryUnit = 128;
}

KeyboardDownloadOutcome DownloadKeyboardMacros(DeviceCommandChannel& channel, KeyboardState& state,
                                               const std::wstring& folder, bool rereadInfo) {
  const size_t capacity = state.info.MacroMemoryUnits() * kMacroMemoryUnit;
  const DeviceMacroImage image = BuildDeviceMacroImage(folder, L"kbMacro.ini", capacity);
  if (image.status == DeviceMacroImage::Status::TooLong) return {0, L"message_text_16", image.excessActions};
  if (image.status == DeviceMacroImage::Status::NoMemory) return {0, L"message_text_7"};
  if (image.status == DeviceMacroImage::Status::Built) {
    channel.BeginTransfer();
    channel.WriteMacroMemory(image.bytes.data(), image.bytes.size());
    channel.EndTransfer();
  }
  channel.BeginTransfer();
  if (rereadInfo) {
    DeviceInfo info;
    if (channel.ReadDeviceInfo(info) == DEVICE_RESULT_OK) state.info = info;
  }
  const int bank = state.LiveProfileIndex();
  channel.WriteKeyTable(state.keyTables[bank].data(), bank);
  channel.EndTransfer();
  SaveKeyboardDeviceProfile(state, folder);
  return {1};
}
