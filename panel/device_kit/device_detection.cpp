#include "device_detection.h"

#include <utility>

#include "text_parsers.h"

namespace {
void Run(const std::function<void()>& reaction) {
  if (reaction) reaction();
}
}  // namespace

DeviceDetector::DeviceDetector(DeviceCommandChannel& channel, ProductTest isProduct)
    : channel_(channel), isProduct_(std::move(isProduct)) {}

DetectionPass DeviceDetector::RunPass(const DetectionReactions& reactions) {
  std::lock_guard<std::recursive_mutex> lock(channel_.m_lock);
  DetectionPass pass;
  if (channel_.IsConnected()) {
    if (channel_.m_device.IsDevicePathPresent()) {
      pass.event = DetectionEvent::StillThere;
      Run(reactions.stillThere);
      return pass;
    }
    channel_.m_connected = 0;
    channel_.m_lightingSync = 0;
    pass.event = DetectionEvent::Lost;
    Run(reactions.lost);
    return pass;
  }
  if (Search()) {
    channel_.m_connected = 1;
    pass.event = DetectionEvent::Found;
    pass.firstFind = firstPass_;
    Run(reactions.found);
  }
  firstPass_ = false;
  return pass;
}

bool DeviceDetector::Search() {
  HidDevice& device = channel_.m_device;
  if (!device.BeginEnumeration()) return false;
  bool found = false;
  while (const wchar_t* path = device.NextPath()) {
    if ((found = OpenIfDevice(path))) break;
  }
  device.FreePathList();
  return found;
}

bool DeviceDetector::OpenIfDevice(const wchar_t* path) {
  HidDevice& device = channel_.m_device;
  if (ParseVidFromPath(path) != channel_.m_vendorId) return false;
  if (!device.Open(path, true, true, true, false)) return false;
  const HIDD_ATTRIBUTES& attributes = device.Attributes();
  const HIDP_CAPS& caps = device.Capabilities();
  const bool product = isProduct_ ? isProduct_(attributes.ProductID) : attributes.ProductID == channel_.m_productId;
  if (attributes.VendorID == channel_.m_vendorId && product && caps.UsagePage == channel_.m_usagePage &&
      caps.Usage == channel_.m_usage)
    return true;
  device.Close();
  return false;
}
