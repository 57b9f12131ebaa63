// Draws a few frames of each keyboard effect into one PNG, one (model, mode) per row, so the
// effects can be looked at: the keyboard picture of 6 x 21 keys as the previews show it (RGB:
// component * level >> 8 of the records; one colour: the preview colour at the step's level).
// Fails, naming the rows, when an effect lights no key in any of its frames.
//   keyboard_effect_strip [output.png]
#include <cstdio>
#include <string>

#include "keyboard_effects.h"
#include "keyboard_light_plans.h"
#include "keyboard_light_settings.h"
#include "lighting_helpers.h"
#include "png_writer.h"

namespace {

constexpr uint32_t CELL = 7;
constexpr uint32_t KEY_COLUMNS = 21;
constexpr uint32_t KEY_ROWS = 6;
constexpr uint32_t FRAME_WIDTH = KEY_COLUMNS * CELL;
constexpr uint32_t FRAME_HEIGHT = KEY_ROWS * CELL;
constexpr uint32_t MARGIN = 8;
constexpr uint32_t FRAMES = 10;
constexpr int STEPS_PER_FRAME = 4;
// Unlit keys and the background are darker than this.
constexpr uint8_t LIT = 100;

struct StripRow {
  int model;
  uint8_t mode;
  uint8_t multicolour;
};

void DrawKey(RgbImage& image, uint32_t x, uint32_t y, uint8_t red, uint8_t green, uint8_t blue) {
  image.FillRect(x, y, CELL - 1, CELL - 1, red, green, blue);
}

void DrawFrame(RgbImage& image, uint32_t x, uint32_t y, const KeyboardEffectContext& context, int model) {
  for (uint32_t i = 0; i < KEYBOARD_LED_COUNT; ++i) {
    const uint32_t kx = x + (i % KEY_COLUMNS) * CELL, ky = y + (i / KEY_COLUMNS) * CELL;
    if (model == KEYBOARD_MODEL_ONECOLOR) {
      const uint8_t level = context.previews.painted[i] ? context.previews.level[i] : 0;
      DrawKey(image, kx, ky, 0, static_cast<uint8_t>(0xF6 * level >> 8), static_cast<uint8_t>(0xFF * level >> 8));
      continue;
    }
    const LedColor& led = context.leds[i];
    DrawKey(image, kx, ky, static_cast<uint8_t>(led.red * led.level >> 8), static_cast<uint8_t>(led.green * led.level >> 8),
            static_cast<uint8_t>(led.blue * led.level >> 8));
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "keyboard_effect_strip.png";
  std::vector<StripRow> rows;
  for (int model : {KEYBOARD_MODEL_RGB, KEYBOARD_MODEL_RGB2})
    for (uint8_t mode = 0; mode < KEYBOARD_RGB_MODES; ++mode)
      if (KeyboardEffectFor(model, mode).step) rows.push_back({model, mode, static_cast<uint8_t>(mode == 0 ? 0 : 1)});
  for (uint8_t mode = 0; mode < KEYBOARD_ONECOLOR_MODES; ++mode)
    if (KeyboardEffectFor(KEYBOARD_MODEL_ONECOLOR, mode).step) rows.push_back({KEYBOARD_MODEL_ONECOLOR, mode, 0});

  RgbImage image(MARGIN + FRAMES * (FRAME_WIDTH + MARGIN), MARGIN + static_cast<uint32_t>(rows.size()) * (FRAME_HEIGHT + MARGIN), 48);
  int darkRows = 0;
  for (uint32_t row = 0; row < rows.size(); ++row) {
    const StripRow& r = rows[row];
    KeyboardState keyboard;
    keyboard.model = r.model;
    uint8_t* live = keyboard.KeyboardLiveSettings.data();
    live[KB_LIGHT_MODE] = r.mode;
    live[KB_LIGHT_LEVEL] = 4;
    live[KB_LIGHT_DIRECTION] = 1;
    live[KB_LIGHT_MULTICOLOUR] = r.multicolour;
    live[KB_LIGHT_RED] = 255;
    live[KB_LIGHT_RED + 1] = 128;
    // A diagonal of keys painted in every layout, so the custom mode shows something.
    for (int led = 0; led < KEYBOARD_UI_KEYS; led += 5)
      keyboard.KeyboardCustomLayouts[0][3 * led] = keyboard.KeyboardCustomLayouts[0][led] = 255;
    LedColor leds[KEYBOARD_LED_COUNT];
    for (LedColor& led : leds) led = {24, 24, 24, 255};
    KeyboardEffectContext context(keyboard, leds);
    ResetLightingStates();
    SeedKeyboardMode(r.model, r.mode);
    const KeyboardEffectStep step = KeyboardEffectFor(r.model, r.mode).step;
    std::printf("row %u: model %d, mode %d%s\n", row + 1, r.model, r.mode, r.multicolour ? ", multicolour" : "");
    for (uint32_t frame = 0; frame < FRAMES; ++frame) {
      for (int i = 0; i < STEPS_PER_FRAME; ++i) {
        context.BeginStep();
        step(context);
      }
      DrawFrame(image, MARGIN + frame * (FRAME_WIDTH + MARGIN), MARGIN + row * (FRAME_HEIGHT + MARGIN), context, r.model);
    }
    // The device-run modes of model 2 only clear the previews.
    if (step != ClearKeyboardPreviewFrame &&
        image.Brightest(0, MARGIN + row * (FRAME_HEIGHT + MARGIN), image.width, FRAME_HEIGHT) < LIT) {
      std::fprintf(stderr, "row %u lights no key\n", row + 1);
      ++darkRows;
    }
  }
  if (!WritePng(path, image)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("written: %s\n", path.c_str());
  return darkRows == 0 ? 0 : 1;
}
