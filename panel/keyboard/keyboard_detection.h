#pragma once
#include <string>

#include "device_command_channel.h"
#include "keyboard_readback.h"
#include "keyboard_state.h"

constexpr uint16_t KEYBOARD_PRODUCT_RGB = 0x7513;
constexpr uint16_t KEYBOARD_PRODUCT_RGB2 = 0x763E;

// The model a product id selects, -1 for one the panel does not serve.
int KeyboardModelOfProduct(uint16_t productId, uint16_t channelProductId);

// What one detection pass found; the window side carries it out.
struct KeyboardDetection {
  enum class Event { None, Found, Lost, StillThere };
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

// The keyboard's presence, pass by pass: while connected it probes the interface's path, otherwise
// it looks for the keyboard among the HID interfaces, opens it, chooses the model, reads it back
// and loads the selected device profile. Each pass holds the channel's lock throughout; a failed
// enumeration just waits for the next pass.
class KeyboardDetector {
 public:
  KeyboardDetector(DeviceCommandChannel& channel, KeyboardState& state, std::wstring dataFolder);
  KeyboardDetection RunPass(bool mouseConnected, bool mousePadConnected);

 private:
  KeyboardDetection Probe(bool mouseConnected, bool mousePadConnected);
  KeyboardDetection Search();
  bool OpenIfKeyboard(const std::wstring& path);

  DeviceCommandChannel& channel_;
  KeyboardState& state_;
  std::wstring dataFolder_;
  bool firstPass_ = true;
};
