#include "keyboard_sync_reader.h"

#include <vector>

#include "text_parsers.h"

namespace {
constexpr uint16_t kVendorId = 0x0C45;
constexpr uint16_t kProductId = 0x0632;
constexpr USAGE kConsumerPage = 0x0C;
constexpr USAGE kConsumerControl = 1;
constexpr DWORD kReadTimeoutMs = 500;
}  // namespace

KeyboardSyncReader::KeyboardSyncReader(HidBackend& backend) : device_(backend) {}

KeyboardChange KeyboardSyncReader::Step() {
  if (!open_) {
    open_ = OpenInterface();
    return KeyboardChange::None;
  }
  return ReadChange();
}

bool KeyboardSyncReader::OpenInterface() {
  if (!device_.BeginEnumeration()) return false;
  bool opened = false;
  while (const wchar_t* path = device_.NextPath()) {
    if (ParseVidFromPath(path) != kVendorId || ParsePidFromPath(path) != kProductId) continue;
    if (!device_.Open(path, true, false, true, false)) continue;
    const HIDD_ATTRIBUTES& attributes = device_.Attributes();
    const HIDP_CAPS& caps = device_.Capabilities();
    if (attributes.VendorID == kVendorId && attributes.ProductID == kProductId && caps.UsagePage == kConsumerPage &&
        caps.Usage == kConsumerControl) {
      opened = true;
      break;
    }
    device_.Close();
  }
  device_.FreePathList();
  return opened;
}

KeyboardChange KeyboardSyncReader::ReadChange() {
  const HIDP_CAPS& caps = device_.Capabilities();
  std::vector<uint8_t> report(caps.InputReportByteLength, 0);
  DWORD transferred = 0;
  if (!report.empty() && device_.ReadReport(report.data(), static_cast<DWORD>(report.size()), &transferred, kReadTimeoutMs)) {
    std::vector<HidReportItem>& items = device_.InputReport().items;
    if (!device_.Parser() || items.empty()) return KeyboardChange::None;
    DecodeHidReport(items, report.data(), transferred, HidP_Input, *device_.Parser());
    const std::vector<USAGE>& usages = items.front().usageList;
    const USAGE usage = usages.empty() ? 0 : usages.front();
    if (usage == KEYBOARD_USAGE_SETTINGS_CHANGED) return KeyboardChange::SettingsChanged;
    if (usage == KEYBOARD_USAGE_DEVICE_CHANGED) return KeyboardChange::DeviceChanged;
    return KeyboardChange::None;
  }
  if (!device_.IsDevicePathPresent()) {
    device_.Close();
    open_ = false;
  }
  return KeyboardChange::None;
}
