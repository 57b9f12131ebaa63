// The macro kit's records, names, store edits and key repair.
#include <gtest/gtest.h>
#include <windows.h>

#include <windows.h>
#include <winioctl.h>

#include <array>
#include <cstring>

#include "debug_log_capture.h"
#include "ini_values.h"
#include "macro_action.h"
#include "macro_files.h"
#include "macro_key_repair.h"
#include "macro_store_edits.h"
#include "test_files.h"

namespace {

TEST(MacroRecord, RowsShowKindStateAndDelayOfTheRecord) {
  struct Case {
    const wchar_t* record;
    const wchar_t* kindStyle;
    const wchar_t* stateStyle;
    const wchar_t* stateText;
    const wchar_t* delayText;
  } const cases[] = {
      {L"10,1,138,4,1,keyboard_key_A", L"macro_label_keyboard_style", L"macro_label_down_style", L"", L"2660"},
      {L"5,0,132,20,1,mouse_move_to_left_text", L"macro_label_mouse_style", L"macro_label_text_style", L"20", L"50"},
      {L"0,0,9,2,0,keyboard_key_LShift", L"macro_label_keyboard_style", L"macro_label_up_style", L"", L"0"},
      {L"255,255,129,1,1,mouse_key_left", L"macro_label_mouse_style", L"macro_label_down_style", L"", L"655350"},
  };
  for (const Case& c : cases) {
    const auto action = ParseMacroAction(c.record);
    ASSERT_TRUE(action) << c.record;
    const MacroRowCells cells = RowCellsOf(*action);
    EXPECT_STREQ(c.kindStyle, cells.kindStyle) << c.record;
    EXPECT_EQ(action->label, cells.kindText);
    EXPECT_STREQ(c.stateStyle, cells.stateStyle) << c.record;
    EXPECT_EQ(c.stateText, cells.stateText) << c.record;
    EXPECT_EQ(c.delayText, cells.delayText) << c.record;
    EXPECT_EQ(c.record, FormatMacroAction(*action));
  }
  EXPECT_FALSE(ParseMacroAction(L"1,2,3,keyboard_key_A"));
}

TEST(MacroNames, ANewNameSkipsTakenNamesWhateverTheirCase) {
  EXPECT_EQ(L"name_1", NextMacroName({}));
  EXPECT_EQ(L"name_5", NextMacroName({L"name_1", L"Name_2", L"name_4"}));
  EXPECT_EQ(L"name_6", NextMacroName({L"name_1", L"Name_2", L"name_4", L"NAME_5"}));
}

TEST(MacroNames, RenameChecks) {
  const std::vector<std::wstring> names = {L"name_1", L"Jump"};
  struct Case {
    const wchar_t* newName;
    MacroRenameCheck expected;
  } const cases[] = {
      {L"NAME_1", MacroRenameCheck::Unchanged}, {L"jump", MacroRenameCheck::Taken},
      {L"", MacroRenameCheck::Unusable},        {L"a/b", MacroRenameCheck::Unusable},
      {L"run.", MacroRenameCheck::Unusable},    {L"Run \u00e9", MacroRenameCheck::Accepted},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, CheckMacroRename(names, 0, c.newName)) << c.newName;
}

TEST(MacroStore, RewritingTheIndexMovesLaterMacrosDown) {
  TempFolder folder;
  const std::wstring index = folder / L"kbMacro.ini";
  RewriteMacroIndex(index, {L"a", L"b", L"c"});
  RewriteMacroIndex(index, {L"a", L"c"});
  EXPECT_EQ(2, ReadMacroCount(index));
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"c"}), ReadMacroNames(index));
  EXPECT_EQ(L"0", ReadIniText(index, L"MACRONAME", L"2"));
}

TEST(MacroStore, SavingFewerActionsLeavesStaleKeysThatAreNotRead) {
  TempFolder folder;
  const std::wstring file = MacroFilePath(folder.path(), L"m");
  WriteMacroActions(file, std::vector<std::wstring>(5, L"1,0,10,4,1,keyboard_key_A"));
  WriteMacroActions(file, std::vector<std::wstring>(3, L"2,0,10,5,0,keyboard_key_B"));
  EXPECT_EQ(3, ReadMacroActionCount(file));
  EXPECT_EQ(L"1,0,10,4,1,keyboard_key_A", ReadMacroActionRecord(file, 4));
}

// A file of that many bytes, written sparse where the file system allows it.
void WriteFileOfSize(const std::wstring& path, int64_t size) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  DWORD returned = 0;
  DeviceIoControl(file, FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &returned, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = size;
  EXPECT_TRUE(SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file));
  CloseHandle(file);
}

TEST(MacroStore, ReadingActionsBelievesNoCountTheFileCannotBack) {
  const std::string header = "[MACROACTIONCOUNT]\r\ncount=";
  const std::string threeRecords = "[MACROACTION]\r\n0=1,0,10,4,1,a\r\n1=2,0,10,4,0,a\r\n2=3,0,1,1,1,b\r\n";
  struct Case {
    const char* what;
    std::string text;
    std::vector<std::wstring> records;
  } const cases[] = {
      {"the count as stored", header + "2\r\n" + threeRecords, {L"1,0,10,4,1,a", L"2,0,10,4,0,a"}},
      {"a count past the records", header + "2147483647\r\n" + threeRecords,
       {L"1,0,10,4,1,a", L"2,0,10,4,0,a", L"3,0,1,1,1,b"}},
      {"a count past the int range", header + "99999999999999999999\r\n" + threeRecords,
       {L"1,0,10,4,1,a", L"2,0,10,4,0,a", L"3,0,1,1,1,b"}},
      {"a negative count", header + "-3\r\n" + threeRecords, {}},
      {"a key missing below the count", header + "3\r\n[MACROACTION]\r\n0=1,0,10,4,1,a\r\n2=x\r\n9=y\r\n",
       {L"1,0,10,4,1,a", L"0", L"x"}},
      {"no records", header + "5\r\n", {}},
  };
  TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::wstring file = folder / (std::wstring(c.what, c.what + strlen(c.what)) + L".mac");
    WriteText(file, c.text);
    EXPECT_EQ(c.records, ReadMacroActions(file, 8160).value_or(std::vector<std::wstring>{L"refused"}));
  }
  EXPECT_EQ(std::vector<std::wstring>{}, ReadMacroActions(folder / L"missing.mac", 8160));
  EXPECT_EQ(1u, ReadMacroActions(folder / L"the count as stored.mac", 1)->size()) << "bounded by the most";
}

TEST(MacroStore, AFileLargerThanAnyMacroIsRefusedWithoutBeingRead) {
  TempFolder folder;
  DebugLogCapture log;
  const std::wstring file = folder / L"huge.mac";
  WriteFileOfSize(file, 20 << 20);
  const DWORD start = GetTickCount();
  EXPECT_FALSE(ReadMacroActions(file, 8160));
  EXPECT_LT(GetTickCount() - start, 1000u);
  EXPECT_NE(std::string::npos, log.Text().find("macro file larger than a macro can be"));
  WriteFileOfSize(file, int64_t{2} << 30);
  EXPECT_TRUE(MacroFileTooLarge(file, 8160));
  // The largest macro the devices hold is well inside the bound.
  EXPECT_GT(MacroFileMostBytes(8160), uint64_t{8160} * 266 * 2);
}

TEST(MacroStore, ImportAndExportCopyBytesUnchanged) {
  TempFolder folder;
  const std::vector<unsigned char> bytes = {'[', 'a', ']', '\r', '\n', 0x1A, 'b', '\n', 0, 0xFF, '\r', '\n', 'c'};
  WriteBytes(folder / L"in.mac", bytes);
  ASSERT_TRUE(CopyMacroFileBytes(folder / L"in.mac", folder / L"out.mac"));
  EXPECT_EQ(bytes, ReadBytes(folder / L"out.mac"));
  ASSERT_TRUE(CopyMacroFileBytes(folder / L"missing.mac", folder / L"out.mac"));
  EXPECT_TRUE(ReadBytes(folder / L"out.mac").empty());
}

// Five tables of 10 slots; slot 0 of profile 0 and slot 9 (past the first six) of profile 3 bind
// macro 1, other slots bind macros 0 and 2.
struct RepairTables {
  std::array<std::array<uint8_t, 512>, 5> tables{};
  std::array<uint8_t, 512> factory{};
  MacroKeyTables keys;
  RepairTables() {
    for (int slot = 0; slot < 10; ++slot) factory[3 * slot + 2] = static_cast<uint8_t>(4 + slot);
    for (auto& table : tables) table = factory;
    keys = {{}, factory.data(), 10};
    for (auto& table : tables) keys.tables.push_back(table.data());
  }
  void Bind(int profile, int slot, uint8_t code, uint8_t macro, uint8_t p2) {
    uint8_t* at = tables[profile].data() + 3 * slot;
    at[0] = code, at[1] = macro, at[2] = p2;
  }
};

// A name read back from the index that leads out of the folder gives no macro file: saving its
// actions writes nothing into the keyboard's folder or beside the data folder.
TEST(MacroStore, IndexNamesThatLeaveTheFolderGiveNoFile) {
  TempFolder folder;
  const std::wstring ms = folder / L"ms\\", kb = folder / L"kb\\";
  CreateDirectoryW(ms.c_str(), nullptr);
  CreateDirectoryW(kb.c_str(), nullptr);
  WriteText(kb + L"Game.mac", "[MACROACTIONCOUNT]\r\ncount=1\r\n");
  const std::vector<unsigned char> keyboardMacro = ReadBytes(kb + L"Game.mac");
  RewriteMacroIndex(ms + L"msMacro.ini", {L"ok", L"..\\kb\\Game", L"..\\..\\escaped"});
  const std::vector<std::wstring> names = ReadMacroNames(ms + L"msMacro.ini");
  ASSERT_EQ(3u, names.size());
  EXPECT_EQ(ms + L"ok.mac", MacroFilePath(ms, names[0]));
  for (size_t i = 1; i < names.size(); ++i) {
    const std::wstring file = MacroFilePath(ms, names[i]);
    EXPECT_EQ(L"", file) << names[i];
    WriteMacroActions(file, {L"5,0,137,65,1,A"});
    WriteMacroOwnName(file, names[i]);
  }
  EXPECT_EQ(keyboardMacro, ReadBytes(kb + L"Game.mac"));
  EXPECT_FALSE(PathExists(folder / L"escaped.mac"));
}

TEST(MacroKeyRepair, KeysOfTheMacroGetTheirFactoryAssignmentAndLaterOnesMoveDown) {
  RepairTables t;
  t.Bind(0, 0, 0x70, 1, 2);
  t.Bind(3, 9, 0x71, 1, 7);
  t.Bind(1, 2, 0x70, 2, 0);
  t.Bind(4, 5, 0x71, 0, 3);
  ASSERT_TRUE(AnyKeyBindsMacro(t.keys, 1));
  RepairKeysAfterMacroDeletion(t.keys, 1);
  EXPECT_EQ(0, std::memcmp(t.tables[0].data(), t.factory.data(), 3));
  EXPECT_EQ(0, std::memcmp(t.tables[3].data() + 27, t.factory.data() + 27, 3));
  EXPECT_EQ((std::array<uint8_t, 3>{0x70, 1, 0}), (std::array<uint8_t, 3>{t.tables[1][6], t.tables[1][7], t.tables[1][8]}));
  EXPECT_EQ(0, t.tables[4][16]);
}

TEST(MacroKeyRepair, LaterMacrosMoveDownAlsoWhenNoKeyBindsTheDeletedOne) {
  RepairTables t;
  t.Bind(2, 4, 0x70, 3, 1);
  EXPECT_FALSE(AnyKeyBindsMacro(t.keys, 1));
  RepairKeysAfterMacroDeletion(t.keys, 1);
  EXPECT_EQ(2, t.tables[2][13]);
}

TEST(MacroKeyRepair, SlotsPastTheSlotCountAreNotTouched) {
  RepairTables t;
  t.Bind(0, 10, 0x70, 1, 0);
  t.Bind(0, 11, 0x70, 2, 0);
  EXPECT_FALSE(AnyKeyBindsMacro(t.keys, 1));
  RepairKeysAfterMacroDeletion(t.keys, 1);
  EXPECT_EQ(1, t.tables[0][31]);
  EXPECT_EQ(2, t.tables[0][34]);
}

}  // namespace
