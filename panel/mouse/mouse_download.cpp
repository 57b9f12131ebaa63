#include "mouse_download.h"

#include "macro_action.h"
#include "mouse_cursor_script.h"
#include "mouse_memory.h"
#include "mouse_macro_store.h"
#include "mouse_profiles.h"
#include "mouse_state.h"

namespace {
constexpr size_t kMacroMemoryUnit = 128;

void SendImage(DeviceCommandChannel& channel, const DeviceMacroImage& image,
               int (DeviceCommandChannel::*write)(const uint8_t*, size_t)) {
  channel.BeginTransfer();
  (channel.*write)(image.bytes.data(), image.bytes.size());
  channel.EndTransfer();
}
}  // namespace

const DeviceImageSource MOUSE_MACRO_IMAGE_SOURCE = {L"msMacro.ini", L"MACROCOUNT", L"MACRONAME", L".mac",
                                                    MOUSE_MOST_MACROS, MACRO_MOST_DELAY_UNITS};
const DeviceImageSource MOUSE_CURSOR_IMAGE_SOURCE = {L"msMacro.ini", L"CURSORCOUNT", L"CURSORNAME", L".cur",
                                                     MOUSE_CURSOR_SLOTS, MACRO_MOST_DELAY_UNITS};

MouseDownloadOutcome DownloadMouseMacros(DeviceCommandChannel& channel, const std::wstring& folder) {
  const size_t capacity = MouseDeviceInfo.MacroMemoryUnits() * kMacroMemoryUnit;
  const DeviceMacroImage image = BuildDeviceImage(folder, MOUSE_MACRO_IMAGE_SOURCE, capacity);
  if (image.status == DeviceMacroImage::Status::TooLong) return {0, L"message_text_16", image.excessActions};
  if (image.status == DeviceMacroImage::Status::NoMemory) return {0, L"message_text_7"};
  if (image.status == DeviceMacroImage::Status::Built) SendImage(channel, image, &DeviceCommandChannel::WriteMacroMemory);
  const int bank = MouseLiveSettings[0];
  if (IsMouseProfileIndex(bank)) {
    channel.BeginTransfer();
    WriteMouseKeyTable(channel, bank);
    channel.EndTransfer();
  }
  SaveMouseProfile(MouseProfileKind::Device, folder);
  return {1};
}

MouseDownloadOutcome DownloadMouseCursorScripts(DeviceCommandChannel& channel, const std::wstring& folder) {
  const CursorScriptImage image = BuildDeviceImage(folder, MOUSE_CURSOR_IMAGE_SOURCE, MOUSE_SCRIPT_MEMORY_SIZE);
  if (image.status == CursorScriptImage::Status::TooLong) return {0};
  if (image.status == CursorScriptImage::Status::NoMemory) return {0, L"message_text_7"};
  if (image.status == CursorScriptImage::Status::Built)
    SendImage(channel, image, &DeviceCommandChannel::WriteScriptMemory);
  return {1};
}
