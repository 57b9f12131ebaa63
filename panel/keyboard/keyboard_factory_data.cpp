#include "keyboard_factory_data.h"

#include "keyboard_key_map.h"
#include "keyboard_led_maps.h"
#include "keyboard_profile_payloads.h"

namespace {

// Factory lighting, the same for every model: wave (mode 0) at full brightness (level 4), middle
// speed (2), forward, in many colours, with red as the set colour and its copies for the two modes
// the RGB boards run themselves (bytes 26-29 and 36-39), sequence style 0. Bytes 40-63 stay 0.
constexpr uint8_t kFactoryLiveSettings[] = {0, 0, 4, 2, 1, 1, 0xFF, 0x00, 0x00, 0};
constexpr int kColourCopies[] = {26, 36};
constexpr int kMulticolourCopies[] = {29, 39};

// Paint: layout 0 selected, white paint. Layouts 0-3 light every LED in one colour each (white,
// red, green, blue; the one-colour board: on), layout 4 is dark.
constexpr uint8_t kFactoryPaint[KEYBOARD_CUSTOM_PAINT_SIZE] = {0, 0xFF, 0xFF, 0xFF};
constexpr uint8_t kLayoutColours[KEYBOARD_CUSTOM_LAYOUTS][3] = {
    {0xFF, 0xFF, 0xFF}, {0xFF, 0x00, 0x00}, {0x00, 0xFF, 0x00}, {0x00, 0x00, 0xFF}, {0x00, 0x00, 0x00}};
constexpr int kLeds = 126;
constexpr uint8_t kLedOn = 0xFF;

void FillSettings(KeyboardState& state) {
  std::copy(std::begin(kFactoryLiveSettings), std::end(kFactoryLiveSettings), state.KeyboardLiveSettings.begin());
  for (int at : kColourCopies)
    std::copy(kFactoryLiveSettings + 6, kFactoryLiveSettings + 9, state.KeyboardLiveSettings.begin() + at);
  for (int at : kMulticolourCopies) state.KeyboardLiveSettings[at] = kFactoryLiveSettings[5];
  std::copy(state.KeyboardLiveSettings.begin(), state.KeyboardLiveSettings.end(), state.settingsBlocks[0].begin());
  std::copy(std::begin(kFactoryPaint), std::end(kFactoryPaint), state.KeyboardCustomPaint.begin());
}

void FillLayouts(KeyboardState& state) {
  for (int k = 0; k < KEYBOARD_CUSTOM_LAYOUTS; ++k) {
    auto& layout = state.KeyboardCustomLayouts[k];
    const uint8_t* colour = kLayoutColours[k];
    const bool lit = colour[0] || colour[1] || colour[2];
    for (int led = 0; led < kLeds; ++led) {
      if (state.model == KEYBOARD_MODEL_ONECOLOR) {
        layout[led] = lit ? kLedOn : 0;
      } else {
        std::copy(colour, colour + 3, layout.begin() + 3 * led);
      }
    }
  }
}

struct ModelFileNames {
  const char* device;
  const char* light;
  const char* key;
};
constexpr ModelFileNames kFileNames[] = {
    {"kbdevicedefault.kconfig", "kbdengdefault.led", "kbkeydefault.pro"},
    {"kb15devicedefault.kconfig", "kb15dengdefault.led", "kbkey15default.pro"},
    {"kb16devicedefault.kconfig", "kb16dengdefault.led", "kbkey16default.pro"},
};

const ModelFileNames& NamesOf(int model) {
  return kFileNames[model >= KEYBOARD_MODEL_RGB && model <= KEYBOARD_MODEL_RGB2 ? model : KEYBOARD_MODEL_RGB2];
}

}  // namespace

KeyboardKeyTable KeyboardFactoryKeyTable(int model) {
  KeyboardKeyTable table{};
  const bool hasIsoKey = KeyboardLedMapOf(model)[KEYBOARD_ISO_KEY_POSITION] != KEYBOARD_NO_LED;
  size_t at = 0;
  for (int column = 0; column < KEYBOARD_UI_COLUMNS; ++column) {
    for (int row = 0; row < KEYBOARD_UI_ROWS; ++row) {
      const int position = row * KEYBOARD_UI_COLUMNS + column;
      if (IsEmptyLayoutPosition(position)) continue;
      if (position == KEYBOARD_ISO_KEY_POSITION && !hasIsoKey) continue;
      const KeyAssignment key = KEYBOARD_UI_LAYOUT[position];
      table[at++] = key.code;
      table[at++] = key.p1;
      table[at++] = key.p2;
    }
  }
  return table;
}

KeyboardState KeyboardFactoryState(int model) {
  KeyboardState state;
  state.model = model;
  FillSettings(state);
  FillLayouts(state);
  state.keyTables[0] = KeyboardFactoryKeyTable(model);
  return state;
}

std::vector<KeyboardFactoryFile> KeyboardFactoryFiles() {
  std::vector<KeyboardFactoryFile> files;
  for (int model : {KEYBOARD_MODEL_RGB, KEYBOARD_MODEL_ONECOLOR, KEYBOARD_MODEL_RGB2}) {
    KeyboardState state = KeyboardFactoryState(model);
    const ModelFileNames& names = NamesOf(model);
    files.push_back({names.device, EncodeKeyboardDeviceProfile(state)});
    files.push_back({names.light, EncodeKeyboardLightProfile(state)});
    files.push_back({names.key, std::vector<uint8_t>(state.keyTables[0].begin(), state.keyTables[0].end())});
  }
  return files;
}

const char* KeyboardFactoryKeyProfileName(int model) { return NamesOf(model).key; }
const char* KeyboardFactoryDeviceProfileName(int model) { return NamesOf(model).device; }
