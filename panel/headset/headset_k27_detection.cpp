#include "headset_k27_detection.h"

#include "clock.h"
#include "diagnostics.h"
#include "text_parsers.h"

namespace {
// The headset's interface needs a moment after it opens before it takes reports.
constexpr DWORD kSettleMs = 100;
}  // namespace

HeadsetK27Detector::HeadsetK27Detector(DeviceCommandChannel& channel, std::atomic<uint32_t>& connections)
    : channel_(channel), connections_(connections) {}

HeadsetK27Detection HeadsetK27Detector::RunPass() {
  std::lock_guard<std::recursive_mutex> lock(channel_.m_lock);
  HeadsetK27Detection detection;
  if (channel_.IsConnected()) {
    if (!channel_.m_device.IsDevicePathPresent()) {
      channel_.m_connected = 0;
      channel_.m_lightingSync = 0;
      detection.event = HeadsetK27Detection::Event::Lost;
    }
    return detection;
  }
  detection = Search();
  if (detection.event == HeadsetK27Detection::Event::Found) detection.firstFind = firstPass_;
  if (detection.event != HeadsetK27Detection::Event::EnumerationFailed) firstPass_ = false;
  return detection;
}

bool HeadsetK27Detector::OpenIfHeadset(const std::wstring& path) {
  HidDevice& device = channel_.m_device;
  if (ParseVidFromPath(path) != HEADSET_K27_VENDOR) return false;
  if (!device.Open(path, true, true, true, false)) return false;
  const HIDD_ATTRIBUTES& attributes = device.Attributes();
  const HIDP_CAPS& caps = device.Capabilities();
  if (attributes.VendorID == HEADSET_K27_VENDOR && attributes.ProductID == HEADSET_K27_PRODUCT &&
      caps.UsagePage == HEADSET_K27_USAGE_PAGE && caps.Usage == HEADSET_K27_USAGE)
    return true;
  device.Close();
  return false;
}

HeadsetK27Detection HeadsetK27Detector::Search() {
  HeadsetK27Detection detection;
  HidDevice& device = channel_.m_device;
  if (!device.BeginEnumeration()) {
    detection.event = HeadsetK27Detection::Event::EnumerationFailed;
    return detection;
  }
  while (const wchar_t* path = device.NextPath()) {
    if (!OpenIfHeadset(path)) continue;
    CurrentClock().Sleep(kSettleMs);
    ++connections_;
    channel_.m_connected = 1;
    DebugLine(L"\u8bbe\u5907\u5df2\u7ecf\u6293\u5230");  // "device caught"
    detection.event = HeadsetK27Detection::Event::Found;
    break;
  }
  device.FreePathList();
  return detection;
}
