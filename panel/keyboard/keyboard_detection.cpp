#include "keyboard_detection.h"

#include <utility>

#include "keyboard_device_profile.h"

int KeyboardModelOfProduct(uint16_t productId, uint16_t channelProductId) {
  if (productId == KEYBOARD_PRODUCT_RGB) return KEYBOARD_MODEL_RGB;
  if (productId == channelProductId) return KEYBOARD_MODEL_ONECOLOR;
  if (productId == KEYBOARD_PRODUCT_RGB2) return KEYBOARD_MODEL_RGB2;
  return -1;
}

namespace {
KeyboardDetection::AfterLoss AfterLossOf(bool mouseConnected, bool mousePadConnected) {
  if (mouseConnected) return KeyboardDetection::AfterLoss::SelectMouseTab;
  if (mousePadConnected) return KeyboardDetection::AfterLoss::SelectMousePadTab;
  return KeyboardDetection::AfterLoss::HideWindow;
}
}  // namespace

KeyboardDetector::KeyboardDetector(DeviceCommandChannel& channel, KeyboardState& state, std::wstring dataFolder)
    : channel_(channel),
      state_(state),
      dataFolder_(std::move(dataFolder)),
      detector_(channel, [&channel](uint16_t productId) {
        return KeyboardModelOfProduct(productId, channel.m_productId) >= 0;
      }) {}

KeyboardDetection KeyboardDetector::RunPass(bool mouseConnected, bool mousePadConnected) {
  KeyboardDetection detection;
  const DetectionReactions reactions{
      [&] { ReadFoundKeyboard(detection); },
      [&] { detection.afterLoss = AfterLossOf(mouseConnected, mousePadConnected); },
      [&] { detection.sameModeVisible = mouseConnected || mousePadConnected; }};
  const DetectionPass pass = detector_.RunPass(reactions);
  detection.event = pass.event;
  detection.firstFind = pass.firstFind;
  return detection;
}

void KeyboardDetector::ReadFoundKeyboard(KeyboardDetection& detection) {
  state_.model = KeyboardModelOfProduct(channel_.m_device.Attributes().ProductID, channel_.m_productId);
  detection.readBack = ReadKeyboardMemory(channel_, state_);
  detection.profileIndex = ReadKeyboardDeviceSelection(dataFolder_);
  LoadKeyboardDeviceProfile(state_, dataFolder_, detection.profileIndex);
}
