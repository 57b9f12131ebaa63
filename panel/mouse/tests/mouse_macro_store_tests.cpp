#include <gtest/gtest.h>

#include "mouse_macro_store.h"
#include "mouse_state.h"

namespace {

struct MouseMacroStoreTest : ::testing::Test {
  void SetUp() override { ResetMouseState(); }
  void TearDown() override { ResetMouseState(); }
};

TEST_F(MouseMacroStoreTest, KeysOfAllFiveTablesFollowADeletedMacro) {
  MouseFactoryKeyTable.fill(0);
  MouseFactoryKeyTable[3 * 8] = 0x10;
  MouseFactoryKeyTable[3 * 8 + 1] = 4;
  auto bind = [](int profile, int key, uint8_t code, uint8_t macro) {
    MouseKeyTables[profile][3 * key] = code;
    MouseKeyTables[profile][3 * key + 1] = macro;
  };
  bind(4, 8, 0x70, 2);  // key 8 of profile 4: the deleted macro
  bind(0, 2, 0x71, 3);  // a later macro
  bind(1, 0, 0x70, 1);  // an earlier one
  bind(2, 9, 0x70, 2);  // beyond the keys that count
  const MacroKeyTables keys = MouseMacroKeyTables();
  EXPECT_TRUE(AnyKeyBindsMacro(keys, 2));
  EXPECT_FALSE(AnyKeyBindsMacro(keys, 5));
  RepairKeysAfterMacroDeletion(keys, 2);
  EXPECT_EQ(0x10, MouseKeyTables[4][24]);
  EXPECT_EQ(4, MouseKeyTables[4][25]);
  EXPECT_EQ(2, MouseKeyTables[0][7]);
  EXPECT_EQ(1, MouseKeyTables[1][1]);
  EXPECT_EQ(2, MouseKeyTables[2][28]);
}

}  // namespace
