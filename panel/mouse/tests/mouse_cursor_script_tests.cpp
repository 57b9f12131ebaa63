#include <gtest/gtest.h>

#include <string>

#include "ini_values.h"
#include "macro_files.h"
#include "mouse_cursor_script.h"
#include "program_folder.h"
#include "test_files.h"

namespace {

// A script of `count` entries; step a's delay entry 6a+3 starts as "0,0,3,7,1,delay".
std::string ScriptText(int count) {
  std::string text = "[MACROACTIONCOUNT]\r\ncount=" + std::to_string(count) + "\r\n[MACROACTION]\r\n";
  for (int i = 0; i < count && i < 180; ++i)
    text += std::to_string(i) + "=" + (i % 6 == 3 ? "0,0,3,7,1,delay" : "0,0,4,1,0,mouse_move_to_right_text") + "\r\n";
  return text;
}

struct CursorScriptTest : ::testing::Test {
  TempFolder folder;
  std::wstring file = folder / L"name_1.cur";
  void SetUp() override { WriteText(file, ScriptText(180)); }
};

TEST_F(CursorScriptTest, AStepSavesItsDelayInTensOfMsAndItsMovesByDirection) {
  SaveCursorStep(file, 7, 1234, {3, false}, {200, true});
  EXPECT_EQ(L"123,0,3,7,1,delay", ReadMacroActionRecord(file, 45));
  EXPECT_EQ(L"0,0,4,3,0,mouse_move_to_right_text", ReadMacroActionRecord(file, 46));
  EXPECT_EQ(L"0,0,133,200,1,mouse_move_to_up_text", ReadMacroActionRecord(file, 47));
  EXPECT_EQ(L"0,0,4,1,0,mouse_move_to_right_text", ReadMacroActionRecord(file, 44));  // not the page's

  const CursorStepView view = LoadCursorStep(file, 7);
  EXPECT_EQ(1230, view.delayMs.value());
  EXPECT_EQ(3, view.horizontal->amount);
  EXPECT_FALSE(view.horizontal->leftOrUp);
  EXPECT_EQ(200, view.vertical->amount);
  EXPECT_TRUE(view.vertical->leftOrUp);
}

TEST_F(CursorScriptTest, ValuesAreClampedIntoTheirRanges) {
  SaveCursorStep(file, 0, 70000, {-4, true}, {999, false});
  EXPECT_EQ(L"153,25,3,7,1,delay", ReadMacroActionRecord(file, 3));  // 6553 units
  EXPECT_EQ(L"0,0,132,0,1,mouse_move_to_left_text", ReadMacroActionRecord(file, 4));
  EXPECT_EQ(L"0,0,5,255,0,mouse_move_to_down_text", ReadMacroActionRecord(file, 5));
  SaveCursorStep(file, 0, -50, {}, {});
  EXPECT_EQ(L"0,0,3,7,1,delay", ReadMacroActionRecord(file, 3));
}

TEST_F(CursorScriptTest, LoadingTellsMovesByTypeAndSkipsBadEntries) {
  WriteIniText(file, L"MACROACTION", L"9", L"12,1,not enough");
  WriteIniText(file, L"MACROACTION", L"10", L"0,0,133,9,1,mouse_move_to_up_text");
  WriteIniText(file, L"MACROACTION", L"11", L"0,0,132,6,1,mouse_move_to_left_text");
  const CursorStepView view = LoadCursorStep(file, 1);
  EXPECT_FALSE(view.delayMs);
  EXPECT_EQ(6, view.horizontal->amount);
  EXPECT_TRUE(view.horizontal->leftOrUp);
  EXPECT_EQ(9, view.vertical->amount);
  EXPECT_FALSE(LoadCursorStep(file, 30).delayMs);  // there is no step 30
}

TEST_F(CursorScriptTest, ImportTakesAtMost180EntriesAndNoNegativeCount) {
  struct Case {
    int count;
    bool taken;
  };
  for (const Case c : {Case{180, true}, Case{0, true}, Case{181, false}, Case{-1, false}}) {
    SCOPED_TRACE(c.count);
    WriteText(file, ScriptText(180));
    const std::vector<uint8_t> before = ReadBytes(file);
    const std::wstring chosen = folder / L"chosen.cur";
    WriteText(chosen, ScriptText(c.count) + "; exact bytes\r\n");
    EXPECT_EQ(c.taken, ImportCursorScript(chosen, folder.path(), 0));
    EXPECT_EQ(c.taken ? ReadBytes(chosen) : before, ReadBytes(file));
  }
}

TEST_F(CursorScriptTest, ExportCopiesExactlyAndResetBringsBackTheFactoryScript) {
  const std::wstring target = folder / L"out.cur";
  WriteText(target, "old");
  EXPECT_TRUE(ExportCursorScript(folder.path(), 0, target));
  EXPECT_EQ(ReadBytes(file), ReadBytes(target));

  const std::wstring factory = ProgramFolder() + L"name_3.cur";
  ASSERT_TRUE(PathExists(factory));
  EXPECT_FALSE(PathExists(folder / L"name_3.cur"));
  EXPECT_TRUE(ResetCursorScript(ProgramFolder(), folder.path(), 2));
  EXPECT_EQ(ReadBytes(factory), ReadBytes(folder / L"name_3.cur"));
  EXPECT_EQ(180, ReadMacroActionCount(folder / L"name_3.cur"));
}

}  // namespace
