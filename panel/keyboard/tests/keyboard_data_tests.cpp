#include <gtest/gtest.h>
#include <windows.h>

#include <numeric>

#include "keyboard_factory_data.h"
#include "keyboard_key_map.h"
#include "keyboard_led_maps.h"
#include "keyboard_profile_payloads.h"
#include "keyboard_test_fixture.h"
#include "profile_store.h"
#include "simulated_device_models.h"
#include "test_files.h"

namespace {

TEST(KeyboardLedMaps, TheModelsDifferWhereTheirBoardsDo) {
  struct Case {
    int model;
    int uiKey;
    int led;
  };
  const Case cases[] = {{KEYBOARD_MODEL_RGB, 55, 55},   {KEYBOARD_MODEL_RGB, 80, KEYBOARD_NO_LED},
                        {KEYBOARD_MODEL_RGB2, 55, 75},  {KEYBOARD_MODEL_RGB2, 80, 85},
                        {KEYBOARD_MODEL_ONECOLOR, 55, 49}, {KEYBOARD_MODEL_ONECOLOR, 80, KEYBOARD_NO_LED},
                        {KEYBOARD_MODEL_RGB, 125, KEYBOARD_NO_LED}, {KEYBOARD_MODEL_ONECOLOR, 41, 89}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "model " << c.model << " key " << c.uiKey);
    EXPECT_EQ(c.led, KeyboardLedMapOf(c.model)[c.uiKey]);
  }
  for (int key = 0; key < KEYBOARD_UI_KEYS; ++key) {
    if (key == 55 || key == 80) continue;
    EXPECT_EQ(KEYBOARD_LED_MAP_RGB[key], KEYBOARD_LED_MAP_RGB2[key]) << key;
  }
}

TEST(KeyboardLedMaps, NoLedIsLitByTwoKeys) {
  for (int model : {KEYBOARD_MODEL_RGB, KEYBOARD_MODEL_ONECOLOR, KEYBOARD_MODEL_RGB2}) {
    std::vector<int> uses(KEYBOARD_NO_LED, 0);
    for (int32_t led : KeyboardLedMapOf(model))
      if (led != KEYBOARD_NO_LED) ++uses.at(led);
    EXPECT_EQ(0, std::count_if(uses.begin(), uses.end(), [](int n) { return n > 1; })) << "model " << model;
  }
}

TEST(KeyboardProfilePayloads, ADeviceProfileRoundTripsAll2470Bytes) {
  std::vector<uint8_t> payload(KEYBOARD_DEVICE_PAYLOAD_SIZE);
  for (size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<uint8_t>(i * 31 + 7);
  payload[0] = 3;  // an on-board profile the keyboard has: one outside 0-4 is taken as 0
  KeyboardState state;
  ApplyKeyboardDeviceProfile(state, payload.data());
  EXPECT_TRUE(std::equal(payload.begin() + 40, payload.begin() + 64, state.settingsBlocks[0].begin() + 40))
      << "bytes 40-63 of block 0 are carried";
  EXPECT_TRUE(std::equal(payload.end() - 512, payload.end(), state.keyTables[3].begin())) << "the table tail too";
  EXPECT_EQ(payload, EncodeKeyboardDeviceProfile(state));

  TempFolder folder;
  ASSERT_EQ(0, WriteProfileFile(folder / L"p.kconfig", payload.data(), payload.size(), PROFILE_KIND_KEYBOARD));
  EXPECT_EQ(2486u, ReadBytes(folder / L"p.kconfig").size());
  const std::vector<uint8_t> light = EncodeKeyboardLightProfile(state);
  EXPECT_TRUE(std::equal(light.begin(), light.end(), payload.begin())) << "a light profile is the first 1958 bytes";
}

TEST(KeyboardFactoryData, KeyTablesEqualTheKeyboards) {
  const std::pair<int, uint16_t> models[] = {{KEYBOARD_MODEL_RGB, SIMULATED_KEYBOARD_RGB},
                                             {KEYBOARD_MODEL_ONECOLOR, SIMULATED_KEYBOARD_ONECOLOR},
                                             {KEYBOARD_MODEL_RGB2, SIMULATED_KEYBOARD_RGB2}};
  for (const auto& [model, productId] : models) {
    SCOPED_TRACE(model);
    std::vector<uint8_t> keyboard = SimulatedKeyboardModel(productId).factoryKeyTable;
    EXPECT_EQ(model == KEYBOARD_MODEL_RGB2 ? 106 * 3u : 105 * 3u, keyboard.size());
    keyboard.resize(KEYBOARD_KEY_TABLE_SIZE, 0);
    const KeyboardKeyTable table = KeyboardFactoryKeyTable(model);
    EXPECT_TRUE(std::equal(keyboard.begin(), keyboard.end(), table.begin()));
  }
}

TEST(KeyboardFactoryData, TheReleaseFolderHoldsTheFilesTheSourceMakes) {
  TempFolder folder;
  const std::vector<KeyboardFactoryFile> files = KeyboardFactoryFiles();
  ASSERT_EQ(9u, files.size());
  for (const KeyboardFactoryFile& file : files) {
    const std::wstring name(file.name, file.name + strlen(file.name));
    SCOPED_TRACE(file.name);
    ASSERT_EQ(0, WriteProfileFile(folder / name, file.payload.data(), file.payload.size(), PROFILE_KIND_KEYBOARD));
    const std::vector<unsigned char> shipped = ReadBytes(ReleaseFolder() + name);
    EXPECT_FALSE(shipped.empty());
    EXPECT_EQ(ReadBytes(folder / name), shipped);
  }
  EXPECT_EQ(KEYBOARD_DEVICE_PAYLOAD_SIZE, files[0].payload.size());
  EXPECT_EQ(KEYBOARD_LIGHT_PAYLOAD_SIZE, files[1].payload.size());
  EXPECT_EQ(KEYBOARD_KEY_PAYLOAD_SIZE, files[2].payload.size());
}

TEST(KeyboardKeyMap, APositionMapsToItsKeysSlotAndAMissingKeyToNone) {
  KeyboardState state;
  EXPECT_EQ(std::vector<int>(126, 126), std::vector<int>(state.KeyboardUiKeyMap.begin(), state.KeyboardUiKeyMap.end()));
  state.info.bytes[5] = 106;
  state.KEYBOARD_FACTORY_KEY_TABLE = KeyboardFactoryKeyTable(KEYBOARD_MODEL_RGB2);
  BuildKeyboardKeyMap(state);
  EXPECT_EQ(0, state.KeyboardUiKeyMap[0]);   // Esc heads column 0
  EXPECT_EQ(1, state.KeyboardUiKeyMap[21]);  // the grave key below it
  const int isoSlot = state.KeyboardUiKeyMap[KEYBOARD_ISO_KEY_POSITION];
  EXPECT_NE(KEYBOARD_NO_SLOT, isoSlot);
  EXPECT_EQ(KEYBOARD_NO_SLOT, state.KeyboardUiKeyMap[16]);  // an empty position

  // The next keyboard lacks the ISO key: its position must not keep the last keyboard's slot,
  // which now belongs to another key.
  state.info.bytes[5] = 105;
  state.KEYBOARD_FACTORY_KEY_TABLE = KeyboardFactoryKeyTable(KEYBOARD_MODEL_RGB);
  BuildKeyboardKeyMap(state);
  EXPECT_EQ(KEYBOARD_NO_SLOT, state.KeyboardUiKeyMap[KEYBOARD_ISO_KEY_POSITION]);
  int mapped = 0;
  for (int slot : state.KeyboardUiKeyMap) mapped += slot != KEYBOARD_NO_SLOT;
  EXPECT_EQ(105, mapped);
}

}  // namespace
