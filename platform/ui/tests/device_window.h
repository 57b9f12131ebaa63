#pragma once
#include <atomic>

#include "demo_window.h"

// A key of a device picture with an LED preview, drawn the way the panel's device pictures are:
// the key's own image, then the LED image tinted with the LED's colour and level. The colour is
// stored only (lighting threads set it every frame); the window repaints on its own schedule.
class LedKeyUI : public CButtonUI {
 public:
  LedKeyUI();
  void SetLed(DWORD packedColor, int level);
  void PaintStatusImage(HDC dc) override;

 private:
  std::atomic<DWORD> color_{0xFFFFFF};  // lit white
  std::atomic<int> level_{255};
};

// The device layout of the demo skin, "XML_DEVICE": a keyboard of 126 LED keys "key_0" to
// "key_125" (tooltip "Key n"), the macro list, a combo of key names, the voice-effect options in
// "magic_check", the step bullets with "cursor_edit_layout", and eight vertical band sliders.
constexpr int kLedKeyCount = 126;
constexpr int kKeyNameCount = 105;

// Opens it (800 x 572) with the keys made and "key_combo" holding `comboRows` rows "Key name n".
DemoWindow* OpenDeviceWindow(int comboRows = kKeyNameCount);
