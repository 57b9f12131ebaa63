#pragma once
// The lighting bytes of the keyboard's live settings (the device's settings block, bytes 0..39) and
// the bounded reads the effects and the page use: these bytes come from the device and from
// profile files, so none of them is trusted as an index.
#include <cstddef>
#include <cstdint>

#include "keyboard_state.h"

enum KeyboardLightByte : size_t {
  KB_LIGHT_PROFILE = 0,
  KB_LIGHT_MODE = 1,
  KB_LIGHT_LEVEL = 2,
  KB_LIGHT_SPEED = 3,
  KB_LIGHT_DIRECTION = 4,
  KB_LIGHT_MULTICOLOUR = 5,
  KB_LIGHT_RED = 6,  // green 7, blue 8
  KB_LIGHT_PALETTE = 9,
  KB_LIGHT_MODE6_COLOUR = 26,  // red, green, blue of the device-run mode 6
  KB_LIGHT_MODE6_MULTICOLOUR = 29,
  KB_LIGHT_MODE6_STYLE = 30,
  KB_LIGHT_MODE7_COLOUR = 36,
  KB_LIGHT_MODE7_MULTICOLOUR = 39,
};

constexpr uint8_t KEYBOARD_RGB_MODES = 19;
constexpr uint8_t KEYBOARD_ONECOLOR_MODES = 17;
constexpr uint8_t KEYBOARD_CUSTOM_MODE_RGB = 8;
constexpr uint8_t KEYBOARD_CUSTOM_MODE_ONECOLOR = 6;
// The modes the RGB keyboards run themselves, and the numbers the device knows them by.
constexpr uint8_t KEYBOARD_DEVICE_MODE_A = 13;  // device mode 6
constexpr uint8_t KEYBOARD_DEVICE_MODE_B = 14;  // device mode 7
// What the one-colour page always shows as its colour.
constexpr uint32_t KEYBOARD_ONECOLOR_ARGB = 0xFF00F6FF;

// A read of the live lighting settings, as the effects use them.
struct KeyboardLightView {
  explicit KeyboardLightView(const KeyboardState& state) : bytes(state.KeyboardLiveSettings.data()) {}
  uint8_t Mode() const { return bytes[KB_LIGHT_MODE]; }
  uint8_t Speed() const { return bytes[KB_LIGHT_SPEED]; }
  uint8_t Level() const;  // BRIGHTNESS_LEVELS of the bounded setting
  uint8_t Forward() const { return bytes[KB_LIGHT_DIRECTION] != 0; }
  bool Multicolour() const { return bytes[KB_LIGHT_MULTICOLOUR] != 0; }
  uint8_t Red() const { return bytes[KB_LIGHT_RED]; }
  uint8_t Green() const { return bytes[KB_LIGHT_RED + 1]; }
  uint8_t Blue() const { return bytes[KB_LIGHT_RED + 2]; }

  const uint8_t* bytes;
};

// The selected custom layout; an index above 4 (from a file or the device) counts as 0.
int KeyboardLayoutIndex(const KeyboardState& state);
std::array<uint8_t, KEYBOARD_LAYOUT_SIZE>& SelectedKeyboardLayout(KeyboardState& state);
