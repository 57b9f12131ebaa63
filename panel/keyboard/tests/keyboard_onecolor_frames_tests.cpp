// The one-colour keyboard's level frames against golden frames, worked out from the effect rules and
// the lighting tables apart from the code, for a few steps of each effect: brightness level 3
// (B = 192), custom layout 2 selected with LEDs 0, 16, 20, 53, 89 and 107 lit. Byte n is LED n's level.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "keyboard_effect_shared.h"
#include "keyboard_effects.h"
#include "keyboard_led_maps.h"
#include "keyboard_light_settings.h"
#include "lighting_state.h"

namespace {

enum class Seed { None, RipplePlanes, Phases, Gradient };

struct Golden {
  const char* what;  // the rule the frame holds the step to
  uint8_t mode;
  Seed seed;
  uint8_t direction;
  int steps;
  const char* frame;  // the bytes after the last step, in hex
};

const Golden kGoldenFrames[] = {
      {"wave: column c at the stepped phase + 7c", 0, Seed::None, 1, 1,
       "36 4e 69 88 aa 91 72 55 3c 27 16 16 27 3c 55 72 00 00 21 36 4e 69 88 aa b4 91 72 55 3c 27 16 16 3c 55 72 b4 21 36 4e 69 88 aa "
       "b4 91 72 55 3c 27 16 16 3c 55 72 91 21 36 4e 69 88 aa b4 91 72 55 3c 27 00 16 91 b4 aa aa 12 00 36 4e 69 88 aa b4 91 72 55 3c "
       "16 55 91 b4 aa 88 12 21 36 aa 72 3c 16 27 3c 55 72 91 aa 91 b4 aa 88 88 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"wave: the phase goes on from where the last step left it", 0, Seed::None, 1, 2,
       "39 51 6d 8d af 8d 6d 51 39 24 14 18 2a 3f 59 76 00 00 24 39 51 6d 8d af af 8d 6d 51 39 24 14 18 3f 59 76 ba 24 39 51 6d 8d af "
       "af 8d 6d 51 39 24 14 14 3f 59 76 96 24 39 51 6d 8d af af 8d 6d 51 39 24 00 18 96 ba a5 a5 14 00 39 51 6d 8d af af 8d 6d 51 39 "
       "18 59 96 ba a5 84 14 24 39 af 6d 39 14 2a 3f 59 76 96 a5 96 ba a5 84 84 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"wave backward: from phase 0 to 95", 0, Seed::None, 0, 1,
       "30 46 60 7f 9f 9a 7b 5d 42 2d 1b 12 21 36 4e 69 00 00 1d 30 46 60 7f 9f bf 9a 7b 5d 42 2d 1b 12 36 4e 69 aa 1d 30 46 60 7f 9f "
       "bf 9a 7b 5d 42 2d 1b 1b 36 4e 69 88 1d 30 46 60 7f 9f bf 9a 7b 5d 42 2d 00 12 88 aa b4 b4 10 00 30 46 60 7f 9f bf 9a 7b 5d 42 "
       "12 4e 88 aa b4 91 10 1d 30 9f 7b 42 1b 21 36 4e 69 88 b4 88 aa b4 91 91 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"breathing: every byte at the pulse curve", 1, Seed::None, 1, 1,
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"breathing: phase 64, ignoring the direction", 1, Seed::None, 0, 64,
       "bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf "
       "bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf "
       "bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf bf"},
      {"static: every byte at the brightness", 2, Seed::None, 1, 1,
       "c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 "
       "c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 "
       "c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0 c0"},
      {"ripple: the first step shows nothing (seed below the grid)", 3, Seed::RipplePlanes, 1, 1,
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"ripple: key 109 at 224 x B >> 8, no trail", 3, Seed::RipplePlanes, 1, 2,
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"ripple: the ring moves up column 9", 3, Seed::RipplePlanes, 1, 4,
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 a8 00 a8 00 "
       "00 00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"ripple: restarts from the top", 3, Seed::RipplePlanes, 1, 8,
       "00 00 00 00 00 a8 a8 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 a8 a8 a8 a8 a8 00 00 00 00 00 00 00 00 00 00 00 00 a8 "
       "00 00 a8 00 00 a8 00 a8 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 "
       "a8 00 00 00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"sequence: row 0 lit, key 0 faded twice", 4, Seed::None, 1, 1,
       "92 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"sequence: row 1 lit, row 0 fading", 4, Seed::None, 1, 3,
       "3f 92 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 a8 92 00 00 00 7b 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"path: 105 entries, 5 apart on the curve", 5, Seed::None, 1, 1,
       "42 55 69 7f 96 af ba 9f 88 72 5d 4a 39 2a 1d 12 00 00 33 39 4a 5d 72 88 9f ba af 96 7f 69 55 42 33 24 18 1b 24 2a 51 64 7b 91 "
       "aa bf a5 8d 76 60 4e 3c 2d 1f 14 10 18 1d 3f 30 21 16 12 1d 2a 39 4a 5d 00 72 14 1f 2d 27 10 00 16 21 30 3f 51 64 7b 91 aa bf "
       "a5 8d 88 9f 3c 36 1b 27 36 46 59 6d 84 9a b4 b4 9a 84 6d 76 60 4e 59 46 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"path backward", 5, Seed::None, 0, 2,
       "4e 60 76 8d a5 bf aa 91 7b 64 51 3f 30 21 16 12 00 00 3c 42 55 69 7f 96 af ba 9f 88 72 5d 4a 39 2a 1d 12 21 2d 33 5d 72 88 9f "
       "ba af 96 7f 69 55 42 33 24 18 10 16 1f 24 4a 39 2a 1d 12 16 21 30 3f 51 00 64 1b 27 36 30 14 00 10 1b 27 36 46 59 6d 84 9a b4 "
       "b4 9a 7b 91 46 3f 14 1f 2d 3c 4e 60 76 8d a5 bf aa 91 7b 84 6d 59 64 51 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"custom: layout byte n of the selected layout at LED n", 6, Seed::None, 1, 1,
       "bf 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 bf 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 bf 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 bf 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 bf 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"twinkle: three keys of the random order, faded once", 7, Seed::None, 1, 1,
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"twinkle: the next three, the first fading", 7, Seed::None, 1, 2,
       "00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 92 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 a8 00 00 00 92 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"key cycle: seeded phases + 1 on the flash curve", 8, Seed::Phases, 1, 1,
       "00 00 00 00 00 6d 00 a5 14 00 00 00 00 00 00 06 00 00 27 00 00 00 06 76 76 9a 00 21 60 00 00 06 00 00 1f 00 6d 00 04 00 14 03 "
       "64 88 00 00 bf 00 00 00 06 00 4e 00 88 14 10 00 2d 00 00 0a 14 00 00 00 00 2d 00 04 4e 2d 00 00 4e 27 00 a5 00 00 00 4e 00 00 "
       "a5 a5 14 10 76 00 00 00 a5 00 a5 00 6d 02 4e 00 00 a5 64 4e 27 a5 04 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"key cycle: seed 192 wraps to 0", 8, Seed::Phases, 1, 2,
       "00 00 00 00 00 69 00 9f 12 00 03 00 00 00 00 05 00 00 24 00 00 00 05 72 72 96 00 2d 5d 00 00 05 00 00 1d 00 69 00 03 00 12 06 "
       "76 9a 00 00 ba 00 00 00 05 00 4a 00 9a 12 0f 00 2a 00 00 10 12 00 00 00 00 2a 00 03 4a 2a 00 00 4a 24 00 9f 00 00 00 4a 00 00 "
       "9f 9f 12 0f 72 00 00 00 9f 00 9f 00 69 01 4a 00 00 9f 76 4a 24 9f 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"key cycle on the gradient seed", 9, Seed::Gradient, 1, 1,
       "00 00 00 00 00 00 00 01 06 12 24 3c 59 7b 9f 9a 00 00 00 00 00 00 00 03 0a 18 2d 46 64 88 af 64 00 00 00 00 00 05 0f 1f 36 51 "
       "72 96 bf 39 00 00 00 00 00 00 00 00 3f 5d 7f a5 88 18 00 00 00 00 00 00 00 00 00 00 00 00 b4 00 06 00 00 00 00 00 00 00 00 00 "
       "00 03 00 00 01 00 00 00 00 00 00 00 05 1f 36 51 72 96 39 18 2d 46 64 06 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"random fill: key 0 lit, faded twice; 108 bytes", 10, Seed::None, 1, 1,
       "91 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      {"random fill: the snake order goes on", 10, Seed::None, 1, 3,
       "3f 91 a8 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
       "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
};

std::vector<uint8_t> Bytes(const char* hex) {
  std::vector<uint8_t> bytes;
  std::istringstream in(hex);
  for (unsigned value; in >> std::hex >> value;) bytes.push_back(static_cast<uint8_t>(value));
  return bytes;
}

// The LEDs whose bytes differ, as "LED n: got x, want y".
std::string Differences(const std::vector<uint8_t>& got, const std::vector<uint8_t>& want) {
  std::string text;
  for (size_t n = 0; n < std::min(got.size(), want.size()); ++n)
    if (got[n] != want[n])
      text += "LED " + std::to_string(n) + ": got " + std::to_string(got[n]) + ", want " + std::to_string(want[n]) + "\n";
  return text;
}

TEST(KeyboardOneColorGoldenFrames, EachEffectsFramesMatchTheRules) {
  for (const Golden& g : kGoldenFrames) {
    SCOPED_TRACE(g.what);
    ResetLightingStates();
    std::fill(std::begin(KeyboardTwinklePositions), std::end(KeyboardTwinklePositions), 0);
    KeyboardState keyboard;
    keyboard.model = KEYBOARD_MODEL_ONECOLOR;
    keyboard.KeyboardLiveSettings[KB_LIGHT_MODE] = g.mode;
    keyboard.KeyboardLiveSettings[KB_LIGHT_LEVEL] = 3;
    keyboard.KeyboardLiveSettings[KB_LIGHT_DIRECTION] = g.direction;
    keyboard.KeyboardCustomPaint[0] = 2;
    for (int led : {0, 16, 20, 53, 89, 107}) keyboard.KeyboardCustomLayouts[2][led] = 255;
    LedColor leds[KEYBOARD_LED_COUNT] = {};
    KeyboardEffectContext context(keyboard, leds);
    switch (g.seed) {
      case Seed::None: break;
      case Seed::RipplePlanes: SeedKeyboardRipplePlanes(); break;
      case Seed::Phases: SeedKeyboardOneColorPhases(); break;
      case Seed::Gradient: SeedKeyboardOneColorGradient(); break;
    }
    const KeyboardEffectStep step = KeyboardEffectFor(KEYBOARD_MODEL_ONECOLOR, g.mode).step;
    ASSERT_NE(nullptr, step);
    for (int i = 0; i < g.steps; ++i) {
      context.BeginStep();
      step(context);
    }

    const std::vector<uint8_t> want = Bytes(g.frame);
    const std::vector<uint8_t> got(context.levelFrame.begin(), context.levelFrame.begin() + context.frameLength);
    EXPECT_EQ(want.size(), got.size());
    EXPECT_EQ(want, got) << Differences(got, want);
    // Each painted key's preview shows the level its LED got, in the model's colour.
    for (uint8_t key = 0; key < KEYBOARD_LED_COUNT; ++key) {
      if (!context.previews.painted[key]) continue;
      EXPECT_EQ(ONECOLOR_PREVIEW_COLOUR, context.previews.colour[key]) << int(key);
      const uint8_t led = static_cast<uint8_t>(KEYBOARD_LED_MAP_ONECOLOR[key]);
      if (led < got.size()) EXPECT_EQ(got[led], context.previews.level[key]) << "key " << int(key);
    }
  }
}

}  // namespace
