#include "headset_detection.h"

#include <mutex>

#include "diagnostics.h"

HeadsetLossTakeOver DecideHeadsetLossTakeOver(bool headsetTabSelected, const OtherDevicesConnected& others) {
  HeadsetLossTakeOver takeOver;
  if (!headsetTabSelected) return takeOver;
  if (others.keyboard) takeOver.tabs.push_back(DeviceTab::Keyboard);
  if (others.mouse) takeOver.tabs.push_back(DeviceTab::Mouse);
  if (others.mousePad) takeOver.tabs.push_back(DeviceTab::MousePad);
  takeOver.lastDeviceLost = takeOver.tabs.empty();
  return takeOver;
}

HeadsetDetector::HeadsetDetector(const AudioControlLibraryLoader& library, DeviceCommandChannel& channel)
    : library_(library), channel_(channel) {}

bool HeadsetDetector::HeadsetListed() {
  std::lock_guard<std::recursive_mutex> guard(channel_.m_lock);
  PresentDeviceList list{};
  library_.Harkin_Search_Present_Device(&list);
  return ListsFirstHeadset(list);
}

HeadsetDetection HeadsetDetector::RunPass(const OtherDevicesConnected& others) {
  const bool wasPresent = channel_.IsConnected() != 0;
  const bool present = HeadsetListed();
  HeadsetDetection detection;
  if (!wasPresent && present) {
    channel_.m_connected = 1;
    DebugLine(L"star link headset device");
    detection.event = HeadsetDetection::Event::Arrived;
    detection.selectTab = !others.Any();
  } else if (wasPresent && present) {
    detection.event = HeadsetDetection::Event::StillThere;
    detection.sameModeVisible = others.Any();
  } else if (wasPresent) {
    channel_.m_connected = 0;
    DebugLine(L"HD device lost");
    detection.event = HeadsetDetection::Event::Lost;
  }
  if (firstPass_ && !wasPresent) {
    detection.announce = present;
    firstPass_ = false;
  }
  return detection;
}
