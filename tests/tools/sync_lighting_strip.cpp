// Draws a few frames of each synchronised lighting effect into one PNG, one effect per row, so the
// effects can be looked at: the keyboard picture (6 x 21 keys), then the mouse's 20 LEDs, then the
// mouse pad's 15. Each LED shows what the device is sent: component * level >> 8. Fails, naming the
// rows, when an effect lights no LED of a device in any of its frames.
//   sync_lighting_strip [output.png]
#include <cstdio>
#include <string>

#include "png_writer.h"
#include "sync_lighting.h"

namespace {

constexpr uint32_t CELL = 9;  // pixels per LED, one of them a gap
constexpr uint32_t KEY_COLUMNS = 21;
constexpr uint32_t KEY_ROWS = 6;
constexpr uint32_t FRAME_WIDTH = KEY_COLUMNS * CELL;
constexpr uint32_t FRAME_HEIGHT = (KEY_ROWS + 4) * CELL;  // keyboard, gap, mouse, gap, pad
constexpr uint32_t MARGIN = 12;
constexpr uint32_t FRAMES = 8;
// Unlit LEDs and the background are darker than this.
constexpr uint8_t LIT = 100;

struct StripRow {
  const char* name;
  SyncLightSettings settings;
  int stepsPerFrame;
};

// effect, brightness, speed, direction, multicolour, red, green, blue
const StripRow ROWS[] = {
    {"wave, multicolour, forward", {SYNC_LIGHT_WAVE, 4, 0, 1, 1, 0, 0, 0}, 6},
    {"wave, one colour (orange), forward", {SYNC_LIGHT_WAVE, 4, 0, 1, 0, 255, 128, 0}, 3},
    {"wave, one colour (orange), backward", {SYNC_LIGHT_WAVE, 4, 0, 0, 0, 255, 128, 0}, 3},
    {"spectrum", {SYNC_LIGHT_SPECTRUM, 4, 0, 1, 0, 0, 0, 0}, 24},
    {"breathing, multicolour", {SYNC_LIGHT_BREATHING, 4, 0, 1, 1, 0, 0, 0}, 16},
    {"breathing, one colour (blue)", {SYNC_LIGHT_BREATHING, 4, 0, 1, 0, 0, 64, 255}, 16},
    {"static (green, brightness 2)", {SYNC_LIGHT_STATIC, 2, 0, 1, 0, 0, 255, 0}, 1},
};

bool AlwaysSynced(const void*) { return true; }

void DrawLed(RgbImage& image, uint32_t x, uint32_t y, const LedColor& led) {
  image.FillRect(x, y, CELL - 1, CELL - 1, static_cast<uint8_t>(led.red * led.level >> 8),
                 static_cast<uint8_t>(led.green * led.level >> 8),
                 static_cast<uint8_t>(led.blue * led.level >> 8));
}

void DrawFrame(RgbImage& image, uint32_t x, uint32_t y, const LedColor* keyboard,
               const LedColor* mouse, const LedColor* pad) {
  for (uint32_t i = 0; i < KEYBOARD_LED_COUNT; ++i) {
    DrawLed(image, x + (i % KEY_COLUMNS) * CELL, y + (i / KEY_COLUMNS) * CELL, keyboard[i]);
  }
  for (uint32_t i = 0; i < MOUSE_LED_COUNT; ++i) {
    DrawLed(image, x + i * CELL, y + (KEY_ROWS + 1) * CELL, mouse[i]);
  }
  for (uint32_t i = 0; i < MOUSEPAD_LED_COUNT; ++i) {
    DrawLed(image, x + i * CELL, y + (KEY_ROWS + 3) * CELL, pad[i]);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "sync_lighting_strip.png";
  const uint32_t rows = sizeof(ROWS) / sizeof(ROWS[0]);
  RgbImage image(MARGIN + FRAMES * (FRAME_WIDTH + MARGIN), MARGIN + rows * (FRAME_HEIGHT + MARGIN),
                 48);
  int darkRows = 0;

  for (uint32_t row = 0; row < rows; ++row) {
    // The picture's positions without a key stay dark grey; the steps never write them.
    LedColor keyboard[KEYBOARD_LED_COUNT];
    for (LedColor& led : keyboard) led = {24, 24, 24, 255};
    LedColor mouse[MOUSE_LED_COUNT] = {};
    LedColor pad[MOUSEPAD_LED_COUNT] = {};
    const SyncLightTargets targets = {{keyboard, nullptr, AlwaysSynced},
                                      {mouse, nullptr, AlwaysSynced},
                                      {pad, nullptr, AlwaysSynced}};
    SyncLightState.phase = 0;
    std::printf("row %u: %s, %d steps between frames\n", row + 1, ROWS[row].name,
                ROWS[row].stepsPerFrame);
    for (uint32_t frame = 0; frame < FRAMES; ++frame) {
      for (int step = 0; step < ROWS[row].stepsPerFrame; ++step) {
        StepSyncLightEffect(ROWS[row].settings, targets);
      }
      DrawFrame(image, MARGIN + frame * (FRAME_WIDTH + MARGIN),
                MARGIN + row * (FRAME_HEIGHT + MARGIN), keyboard, mouse, pad);
    }
    // The keyboard's six rows, then the mouse's and the pad's one each.
    const uint32_t top = MARGIN + row * (FRAME_HEIGHT + MARGIN);
    const struct {
      const char* device;
      uint32_t y, height;
    } bands[] = {{"keyboard", top, KEY_ROWS * CELL},
                 {"mouse", top + (KEY_ROWS + 1) * CELL, CELL},
                 {"mouse pad", top + (KEY_ROWS + 3) * CELL, CELL}};
    for (const auto& band : bands) {
      if (image.Brightest(0, band.y, image.width, band.height) >= LIT) continue;
      std::fprintf(stderr, "row %u lights no LED of the %s\n", row + 1, band.device);
      ++darkRows;
    }
  }
  if (!WritePng(path, image)) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("wrote %s (%u x %u)\n", path.c_str(), image.width, image.height);
  return darkRows == 0 ? 0 : 1;
}
