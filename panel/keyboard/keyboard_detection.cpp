#include "keyboard_detection.h"

#include "keyboard_device_profile.h"
#include "text_parsers.h"

int KeyboardModelOfProduct(uint16_t productId, uint16_t channelProductId) {
  if (productId == KEYBOARD_PRODUCT_RGB) return KEYBOARD_MODEL_RGB;
  if (productId == channelProductId) return KEYBOARD_MODEL_ONECOLOR;
  if (productId == KEYBOARD_PRODUCT_RGB2) return KEYBOARD_MODEL_RGB2;
  return -1;
}

KeyboardDetector::KeyboardDetector(DeviceCommandChannel& channel, KeyboardState& state, std::wstring dataFolder)
    : channel_(channel), state_(state), dataFolder_(std::move(dataFolder)) {}

KeyboardDetection KeyboardDetector::RunPass(bool mouseConnected, bool mousePadConnected) {
  std::lock_guard<std::recursive_mutex> lock(channel_.m_lock);
  if (channel_.IsConnected()) return Probe(mouseConnected, mousePadConnected);
  KeyboardDetection detection = Search();
  if (detection.event == KeyboardDetection::Event::Found) detection.firstFind = firstPass_;
  firstPass_ = false;
  return detection;
}

KeyboardDetection KeyboardDetector::Probe(bool mouseConnected, bool mousePadConnected) {
  KeyboardDetection detection;
  if (channel_.m_device.IsDevicePathPresent()) {
    detection.event = KeyboardDetection::Event::StillThere;
    detection.sameModeVisible = mouseConnected || mousePadConnected;
    return detection;
  }
  channel_.m_connected = 0;
  channel_.m_lightingSync = 0;
  detection.event = KeyboardDetection::Event::Lost;
  detection.afterLoss = mouseConnected      ? KeyboardDetection::AfterLoss::SelectMouseTab
                        : mousePadConnected ? KeyboardDetection::AfterLoss::SelectMousePadTab
                                            : KeyboardDetection::AfterLoss::HideWindow;
  return detection;
}

bool KeyboardDetector::OpenIfKeyboard(const std::wstring& path) {
  HidDevice& device = channel_.m_device;
  if (ParseVidFromPath(path) != channel_.m_vendorId) return false;
  if (!device.Open(path, true, true, true, false)) return false;
  const HIDD_ATTRIBUTES& attributes = device.Attributes();
  const HIDP_CAPS& caps = device.Capabilities();
  const int model = KeyboardModelOfProduct(attributes.ProductID, channel_.m_productId);
  if (attributes.VendorID != channel_.m_vendorId || model < 0 || caps.UsagePage != channel_.m_usagePage ||
      caps.Usage != channel_.m_usage) {
    device.Close();
    return false;
  }
  state_.model = model;
  return true;
}

KeyboardDetection KeyboardDetector::Search() {
  KeyboardDetection detection;
  HidDevice& device = channel_.m_device;
  if (!device.BeginEnumeration()) return detection;
  while (const wchar_t* path = device.NextPath()) {
    if (!OpenIfKeyboard(path)) continue;
    channel_.m_connected = 1;
    detection.event = KeyboardDetection::Event::Found;
    detection.readBack = ReadKeyboardMemory(channel_, state_);
    detection.profileIndex = ReadKeyboardDeviceSelection(dataFolder_);
    LoadKeyboardDeviceProfile(state_, dataFolder_, detection.profileIndex);
    break;
  }
  device.FreePathList();
  return detection;
}
