#include "keyboard_light_settings.h"

#include "lighting_tables.h"

uint8_t KeyboardLightView::Level() const { return BrightnessLevel(bytes[KB_LIGHT_LEVEL]); }

int KeyboardLayoutIndex(const KeyboardState& state) {
  const int index = state.KeyboardCustomPaint[0];
  return index < KEYBOARD_CUSTOM_LAYOUTS ? index : 0;
}

std::array<uint8_t, KEYBOARD_LAYOUT_SIZE>& SelectedKeyboardLayout(KeyboardState& state) {
  return state.KeyboardCustomLayouts[KeyboardLayoutIndex(state)];
}
