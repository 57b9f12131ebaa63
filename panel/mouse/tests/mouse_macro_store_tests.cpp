#include <gtest/gtest.h>

#include "ini_values.h"
#include "macro_files.h"
#include "mouse_macro_store.h"
#include "mouse_state.h"
#include "test_files.h"

namespace {

struct MouseMacroStoreTest : ::testing::Test {
  TempFolder folder;
  void SetUp() override { ResetMouseState(); }
  void TearDown() override { ResetMouseState(); }

  void WriteIndex(const std::vector<std::wstring>& names) { RewriteMacroIndex(folder / L"msMacro.ini", names); }
  static std::vector<std::wstring> Numbered(int count) {
    std::vector<std::wstring> names;
    for (int i = 0; i < count; ++i) names.push_back(L"m" + std::to_wstring(i));
    return names;
  }
};

TEST_F(MouseMacroStoreTest, AddNamesTheNextFreeNameUpToFiftyMacros) {
  WriteIndex({L"name_2", L"NAME_3"});
  EXPECT_EQ(L"name_4", AddMouseMacroToStore(folder.path(), ReadMouseMacroNames(folder.path())));
  EXPECT_EQ((std::vector<std::wstring>{L"name_2", L"NAME_3", L"name_4"}), ReadMouseMacroNames(folder.path()));

  WriteIndex(Numbered(49));
  EXPECT_EQ(L"name_50", AddMouseMacroToStore(folder.path(), Numbered(49)));
  EXPECT_EQ(50, ReadMacroCount(folder / L"msMacro.ini"));
  const std::vector<uint8_t> before = ReadBytes(folder / L"msMacro.ini");
  EXPECT_EQ(L"", AddMouseMacroToStore(folder.path(), Numbered(50)));
  EXPECT_EQ(before, ReadBytes(folder / L"msMacro.ini"));
}

TEST_F(MouseMacroStoreTest, DeleteRemovesTheFileAndRewritesTheIndexWithTheCursorScripts) {
  WriteIndex({L"a", L"b", L"c"});
  WriteIniText(folder / L"msMacro.ini", L"CURSORNAME", L"0", L"renamed");
  WriteText(folder / L"b.mac", "[MACROACTIONCOUNT]\r\ncount=0\r\n");
  const auto remaining = DeleteMouseMacroFromStore(folder.path(), {L"a", L"b", L"c"}, 1);
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"c"}), remaining);
  EXPECT_FALSE(PathExists(folder / L"b.mac"));
  EXPECT_EQ(remaining, ReadMouseMacroNames(folder.path()));
  EXPECT_EQ(4, ReadIniNumber(folder / L"msMacro.ini", L"CURSORCOUNT", L"count"));
  for (int slot = 0; slot < 4; ++slot)
    EXPECT_EQ(L"name_" + std::to_wstring(slot + 1),
              ReadIniText(folder / L"msMacro.ini", L"CURSORNAME", std::to_wstring(slot)));
}

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

TEST_F(MouseMacroStoreTest, RenameMovesTheFileOrKeepsTheOldNameEverywhere) {
  WriteIndex({L"a", L"b"});
  const std::vector<std::wstring> rows = {L"5,0,138,4,1,keyboard_key_A"};
  struct Case {
    const char* what;
    const wchar_t* newName;
    MouseMacroRenameResult result;
  };
  const Case refused[] = {
      {"same name in other letters", L"A", MouseMacroRenameResult::Unchanged},
      {"another macro's name", L"B", MouseMacroRenameResult::Taken},
      {"not a file name", L"x/y", MouseMacroRenameResult::Unusable},
      {"empty", L"", MouseMacroRenameResult::Unusable},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.result, RenameMouseMacroInStore(folder.path(), {L"a", L"b"}, 0, c.newName, rows));
    EXPECT_FALSE(PathExists(folder / L"a.mac"));
  }

  WriteText(folder / L"left over.mac", "[MACROACTIONCOUNT]\r\ncount=0\r\n");
  EXPECT_EQ(MouseMacroRenameResult::MoveFailed,
            RenameMouseMacroInStore(folder.path(), {L"a", L"b"}, 0, L"left over", rows));
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), ReadMouseMacroNames(folder.path()));
  EXPECT_EQ(0, ReadMacroActionCount(folder / L"left over.mac"));

  EXPECT_EQ(MouseMacroRenameResult::Renamed, RenameMouseMacroInStore(folder.path(), {L"a", L"b"}, 0, L"Burst", rows));
  EXPECT_EQ((std::vector<std::wstring>{L"Burst", L"b"}), ReadMouseMacroNames(folder.path()));
  EXPECT_FALSE(PathExists(folder / L"a.mac"));
  EXPECT_EQ(1, ReadMacroActionCount(folder / L"Burst.mac"));
  EXPECT_EQ(rows[0], ReadMacroActionRecord(folder / L"Burst.mac", 0));
  EXPECT_EQ(L"Burst", ReadIniText(folder / L"Burst.mac", L"MACROSELECTNAME", L"name"));
}

TEST_F(MouseMacroStoreTest, SaveWritesTheRowsTheCountAndTheLastName) {
  WriteIndex({L"a", L"b"});
  SaveMouseMacroToStore(folder.path(), {L"a", L"b", L"new"}, 0, {L"1,0,1,1,1,x", L"2,0,1,1,0,x"});
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b", L"new"}), ReadMouseMacroNames(folder.path()));
  EXPECT_EQ(2, ReadMacroActionCount(folder / L"a.mac"));
  EXPECT_EQ(L"a", ReadIniText(folder / L"a.mac", L"MACROSELECTNAME", L"name"));
}

}  // namespace
