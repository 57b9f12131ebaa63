#pragma once
// What one keyboard effect step works on and produces. The steps read the live settings and the
// custom layouts, step the keyboard's effect state (lighting_state.h) and write the 126 LED records;
// the one-colour steps also paint the key previews themselves and fill a level frame that the
// caller sends. Window-free: the caller carries previews and frame to the controls and the device.
#include <array>
#include <cstddef>
#include <cstdint>

#include "keyboard_state.h"
#include "lighting_state.h"

// Packed as the previews take it: red | blue << 8 | green << 16.
uint32_t PackPreviewColour(uint8_t red, uint8_t green, uint8_t blue);
// The one-colour keyboard's previews all show this colour.
constexpr uint32_t ONECOLOR_PREVIEW_COLOUR = 0xF6FF00;

struct KeyboardKeyPreviews {
  std::array<uint32_t, KEYBOARD_LED_COUNT> colour;
  std::array<uint8_t, KEYBOARD_LED_COUNT> level;
  std::array<uint8_t, KEYBOARD_LED_COUNT> painted;  // 1: the step set this key's preview
};

struct KeyboardEffectContext {
  KeyboardEffectContext(KeyboardState& keyboard, LedColor* leds) : keyboard(keyboard), leds(leds) { BeginStep(); }
  // Forgets the previews and the frame of the last step.
  void BeginStep();
  // Record k := (red, green, blue, level); NO_KEY and beyond are ignored.
  void SetRecord(uint8_t key, uint8_t red, uint8_t green, uint8_t blue, uint8_t level);
  void Preview(uint8_t key, uint32_t packedColour, uint8_t level);
  // One-colour: the key's preview and its byte of the level frame (keys without an LED get only
  // the preview).
  void ShowOneColorKey(uint8_t key, uint8_t level);

  KeyboardState& keyboard;
  LedColor* leds;  // KEYBOARD_LED_COUNT records by UI key index
  KeyboardKeyPreviews previews{};
  std::array<uint8_t, KEYBOARD_LED_COUNT> levelFrame{};
  size_t frameLength = 0;  // bytes of levelFrame to send; 0: no frame
};
