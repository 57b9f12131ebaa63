#pragma once
#include <string>

#include "device_command_channel.h"
#include "device_detection.h"
#include "keyboard_readback.h"
#include "keyboard_state.h"

constexpr uint16_t KEYBOARD_PRODUCT_RGB = 0x7513;
constexpr uint16_t KEYBOARD_PRODUCT_RGB2 = 0x763E;

// The model a product id selects, -1 for one the panel does not serve.
int KeyboardModelOfProduct(uint16_t productId, uint16_t channelProductId);

// What one detection pass found; the window side carries it out.
struct KeyboardDetection {
  using Event = DetectionEvent;
  enum class AfterLoss { SelectMouseTab, SelectMousePadTab, HideWindow };
  Event event = Event::None;
  // Found: the read-back's outcome, the selected device profile (already loaded) and whether this
  // is the find of the first pass, which "TRAMOLEX_001" announces.
  KeyboardReadResult readBack = KeyboardReadResult::NotConnected;
  int profileIndex = 0;
  bool firstFind = false;
  // Lost: which tab takes over, or the window hides. StillThere: "kb_deng_same_mode" shows.
  AfterLoss afterLoss = AfterLoss::HideWindow;
  bool sameModeVisible = false;
};

// The keyboard's presence, pass by pass, through the kit's detector: any of the three models'
// product ids is the keyboard. A find chooses the model, reads the keyboard back and loads the
// selected device profile, all under the channel's lock that the pass holds.
class KeyboardDetector {
 public:
  KeyboardDetector(DeviceCommandChannel& channel, KeyboardState& state, std::wstring dataFolder);
  KeyboardDetection RunPass(bool mouseConnected, bool mousePadConnected);

 private:
  void ReadFoundKeyboard(KeyboardDetection& detection);

  DeviceCommandChannel& channel_;
  KeyboardState& state_;
  std::wstring dataFolder_;
  DeviceDetector detector_;
};
