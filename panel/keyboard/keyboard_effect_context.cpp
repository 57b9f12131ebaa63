#include "keyboard_effect_context.h"

#include "keyboard_led_maps.h"

uint32_t PackPreviewColour(uint8_t red, uint8_t green, uint8_t blue) {
  return red | static_cast<uint32_t>(blue) << 8 | static_cast<uint32_t>(green) << 16;
}

void KeyboardEffectContext::BeginStep() {
  previews.painted.fill(0);
  levelFrame.fill(0);
  frameLength = 0;
}

void KeyboardEffectContext::SetRecord(uint8_t key, uint8_t red, uint8_t green, uint8_t blue, uint8_t level) {
  if (key >= KEYBOARD_LED_COUNT) return;
  leds[key] = LedColor{red, green, blue, level};
}

void KeyboardEffectContext::Preview(uint8_t key, uint32_t packedColour, uint8_t level) {
  if (key >= KEYBOARD_LED_COUNT) return;
  previews.colour[key] = packedColour;
  previews.level[key] = level;
  previews.painted[key] = 1;
}

void KeyboardEffectContext::ShowOneColorKey(uint8_t key, uint8_t level) {
  if (key >= KEYBOARD_LED_COUNT) return;
  Preview(key, ONECOLOR_PREVIEW_COLOUR, level);
  const uint8_t led = static_cast<uint8_t>(KEYBOARD_LED_MAP_ONECOLOR[key]);
  if (led < KEYBOARD_LED_COUNT) levelFrame[led] = level;
}
