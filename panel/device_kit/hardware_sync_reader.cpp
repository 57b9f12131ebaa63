#include "hardware_sync_reader.h"

#include <vector>

#include "text_parsers.h"

namespace {
constexpr USAGE kConsumerPage = 0x0C;
constexpr USAGE kConsumerControl = 1;
constexpr DWORD kReadTimeoutMs = 500;
}  // namespace

HardwareSyncReader::HardwareSyncReader(uint16_t vendorId, uint16_t productId, HidBackend& backend)
    : vendorId_(vendorId), productId_(productId), device_(backend) {}

uint16_t HardwareSyncReader::Step() {
  if (!open_) {
    open_ = OpenInterface();
    return 0;
  }
  return ReadUsage();
}

bool HardwareSyncReader::OpenInterface() {
  if (!device_.BeginEnumeration()) return false;
  bool opened = false;
  while (const wchar_t* path = device_.NextPath()) {
    if (ParseVidFromPath(path) != vendorId_ || ParsePidFromPath(path) != productId_) continue;
    if (!device_.Open(path, true, false, true, false)) continue;
    const HIDD_ATTRIBUTES& attributes = device_.Attributes();
    const HIDP_CAPS& caps = device_.Capabilities();
    if (attributes.VendorID == vendorId_ && attributes.ProductID == productId_ && caps.UsagePage == kConsumerPage &&
        caps.Usage == kConsumerControl) {
      opened = true;
      break;
    }
    device_.Close();
  }
  device_.FreePathList();
  return opened;
}

uint16_t HardwareSyncReader::ReadUsage() {
  const HIDP_CAPS& caps = device_.Capabilities();
  std::vector<uint8_t> report(caps.InputReportByteLength, 0);
  DWORD transferred = 0;
  if (!report.empty() && device_.ReadReport(report.data(), static_cast<DWORD>(report.size()), &transferred, kReadTimeoutMs)) {
    std::vector<HidReportItem>& items = device_.InputReport().items;
    if (!device_.Parser() || items.empty()) return 0;
    DecodeHidReport(items, report.data(), transferred, HidP_Input, *device_.Parser());
    const std::vector<USAGE>& usages = items.front().usageList;
    return usages.empty() ? 0 : usages.front();
  }
  if (!device_.IsDevicePathPresent()) {
    device_.Close();
    open_ = false;
  }
  return 0;
}
