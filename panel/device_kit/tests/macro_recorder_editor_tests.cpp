// The macro kit's recorder steps (on the fake clock) and the row editor.
#include <gtest/gtest.h>

#include <vector>

#include "fake_clock.h"
#include "macro_recorder.h"
#include "macro_row_editor.h"

namespace {

constexpr DWORD kVkA = 0x41, kVkB = 0x42, kVkShift = 0xA0, kVkReturn = 0x0D, kVkPlay = 0xB3;

// Records events as the page does: each action row starts with delay 0 and the pause before it
// becomes the delay of the row before.
struct Recording {
  FakeClock clock;
  MacroRecorder recorder;
  std::vector<MacroAction> rows;
  bool fixedPause = false;

  Recording() { recorder.Start(); }
  void Add(const std::optional<MacroAction>& action) {
    if (!action) return;
    const uint32_t pause = recorder.TakePause(fixedPause);
    if (!rows.empty()) SetPauseMs(rows.back(), pause);
    rows.push_back(*action);
  }
  void Key(UINT message, DWORD vk, DWORD flags = 0) { Add(recorder.KeyEvent(message, vk, flags)); }
  void Wait(DWORD ms) { clock.Sleep(ms); }
  std::vector<std::wstring> Records() const {
    std::vector<std::wstring> records;
    for (const MacroAction& row : rows) records.push_back(FormatMacroAction(row));
    return records;
  }
};

TEST(MacroRecorder, AHeldKeyGivesOnePressAndOneRelease) {
  Recording r;
  for (int i = 0; i < 5; ++i) r.Key(WM_KEYDOWN, kVkA);
  r.Key(WM_KEYUP, kVkA);
  EXPECT_EQ((std::vector<std::wstring>{L"0,0,138,4,1,keyboard_key_A", L"0,0,10,4,0,keyboard_key_A"}), r.Records());
}

TEST(MacroRecorder, OverlappingKeysGiveFourRowsWithThePausesInTheEarlierRows) {
  Recording r;
  r.Wait(70);
  r.Key(WM_KEYDOWN, kVkA);
  r.Wait(1234);
  r.Key(WM_KEYDOWN, kVkB);
  r.Wait(20);
  r.Key(WM_KEYUP, kVkB);
  r.Wait(655360);
  r.Key(WM_KEYUP, kVkA);
  EXPECT_EQ((std::vector<std::wstring>{L"123,0,138,4,1,keyboard_key_A", L"2,0,138,5,1,keyboard_key_B",
                                       L"255,255,10,5,0,keyboard_key_B", L"0,0,10,4,0,keyboard_key_A"}),
            r.Records());
}

TEST(MacroRecorder, FixedPausesAreFiftyMs) {
  Recording r;
  r.fixedPause = true;
  r.Key(WM_KEYDOWN, kVkA);
  r.Wait(999);
  r.Key(WM_KEYUP, kVkA);
  EXPECT_EQ(5, r.rows[0].DelayUnits());
}

TEST(MacroRecorder, KeysAreLookedUpAmongTheKeyboardRowsOnly) {
  Recording r;
  r.Key(WM_SYSKEYDOWN, kVkShift);
  r.Key(WM_KEYUP, kVkShift);
  r.Key(WM_KEYDOWN, kVkReturn, LLKHF_EXTENDED);
  r.Key(WM_KEYUP, kVkReturn, LLKHF_EXTENDED | LLKHF_UP | 0x20);
  r.Key(WM_KEYDOWN, kVkReturn);
  r.Key(WM_KEYDOWN, kVkPlay);
  EXPECT_EQ((std::vector<std::wstring>{L"0,0,137,2,1,keyboard_key_LShift", L"0,0,9,2,0,keyboard_key_LShift",
                                       L"0,0,138,88,1,keyboard_key_Num Enter", L"0,0,10,88,0,keyboard_key_Num Enter",
                                       L"0,0,138,40,1,keyboard_key_Enter"}),
            r.Records());
}

TEST(MacroRecorder, AKeyHeldWhenARecordingStoppedIsARepeatAtTheNextStart) {
  Recording r;
  r.Key(WM_KEYDOWN, kVkA);
  r.recorder.Stop();
  r.recorder.Start();
  r.Key(WM_KEYDOWN, kVkA);
  r.Key(WM_KEYUP, kVkA);
  EXPECT_EQ(2u, r.rows.size());
}

TEST(MacroRecorder, EventsThatTheHooksDeliverAfterTheStopAreDropped) {
  Recording r;
  r.recorder.Stop();
  r.Key(WM_KEYDOWN, kVkA);
  r.Add(r.recorder.MouseEvent(WM_LBUTTONDOWN, true));
  EXPECT_TRUE(r.rows.empty());
  r.recorder.Start();
  r.Key(WM_KEYDOWN, kVkA);
  r.Add(r.recorder.MouseEvent(WM_LBUTTONDOWN, true));
  EXPECT_EQ(2u, r.rows.size()) << "nothing of the dropped events is remembered";
}

TEST(MacroRecorder, OnlyClicksOfThreeButtonsAreRecordedAndOnlyWhenChosen) {
  Recording r;
  r.Add(r.recorder.MouseEvent(WM_LBUTTONDOWN, false));
  r.Add(r.recorder.MouseEvent(WM_MOUSEWHEEL, true));
  r.Add(r.recorder.MouseEvent(WM_XBUTTONDOWN, true));
  EXPECT_TRUE(r.rows.empty());
  r.Add(r.recorder.MouseEvent(WM_RBUTTONDOWN, true));
  r.Add(r.recorder.MouseEvent(WM_RBUTTONDOWN, true));
  r.Add(r.recorder.MouseEvent(WM_RBUTTONUP, true));
  EXPECT_EQ((std::vector<std::wstring>{L"0,0,129,2,1,mouse_key_right", L"0,0,1,2,0,mouse_key_right"}), r.Records());
}

MacroAction Parsed(const wchar_t* record) { return *ParseMacroAction(record); }

TEST(MacroRowEditor, OpeningARowShowsItsEditor) {
  const MacroEditorView key = OpenMacroAction(Parsed(L"10,1,138,4,1,keyboard_key_A"));
  EXPECT_EQ(MACRO_EDITOR_KEY_PAGE, key.page);
  EXPECT_EQ(8, key.keyItem);
  EXPECT_EQ(1, key.upDownItem);
  EXPECT_EQ(266, key.delayUnits);
  EXPECT_EQ(1, OpenMacroAction(Parsed(L"0,0,9,2,0,keyboard_key_LShift")).keyItem);

  const MacroEditorView down = OpenMacroAction(Parsed(L"5,0,5,30,0,mouse_move_to_down_text"));
  EXPECT_EQ(MACRO_EDITOR_MOUSE_PAGE, down.page);
  EXPECT_EQ(13, down.mouseItem);
  EXPECT_EQ(30, down.amount.value_or(-1));
  const MacroEditorView left = OpenMacroAction(Parsed(L"3,0,129,1,1,mouse_key_left"));
  EXPECT_EQ(0, left.mouseItem);
  EXPECT_FALSE(left.amount);
  EXPECT_EQ(8, OpenMacroAction(Parsed(L"3,0,129,8,1,mouse_key_back")).mouseItem);
}

TEST(MacroRowEditor, ReleaseChosenForAKeyPressClearsBitSevenAndAKeyChoiceKeepsIt) {
  MacroAction action = Parsed(L"10,1,138,4,1,keyboard_key_A");
  ChooseMacroPressState(action, 0);
  EXPECT_EQ(L"10,1,10,4,0,keyboard_key_A", FormatMacroAction(action));
  ChooseMacroKey(action, 1);
  EXPECT_EQ(L"10,1,9,2,0,keyboard_key_LShift", FormatMacroAction(action));
  ChooseMacroPressState(action, 1);
  EXPECT_EQ(L"10,1,137,2,1,keyboard_key_LShift", FormatMacroAction(action));
  MacroAction move = Parsed(L"5,0,132,20,1,mouse_move_to_left_text");
  ChooseMacroPressState(move, 0);
  EXPECT_EQ(L"5,0,132,20,0,mouse_move_to_left_text", FormatMacroAction(move));
}

TEST(MacroRowEditor, AMovementChosenForAButtonStartsAtZeroAndOneForAMovementKeepsItsAmount) {
  MacroAction action = Parsed(L"5,0,129,1,1,mouse_key_left");
  EXPECT_TRUE(ChooseMacroMouseEvent(action, 10));
  EXPECT_EQ(L"5,0,132,0,1,mouse_move_to_left_text", FormatMacroAction(action));
  action.code = 40;
  EXPECT_TRUE(ChooseMacroMouseEvent(action, 13));
  EXPECT_EQ(L"5,0,5,40,1,mouse_move_to_down_text", FormatMacroAction(action));
  EXPECT_FALSE(ChooseMacroMouseEvent(action, 5));
  EXPECT_EQ(L"5,0,1,4,0,mouse_key_middle", FormatMacroAction(action));
}

TEST(MacroRowEditor, InsertedActions) {
  struct Case {
    UINT message;
    int parameter;
    const wchar_t* record;
  } const cases[] = {
      {WM_LBUTTONDOWN, 0, L"5,0,129,1,1,mouse_key_left"},   {WM_MBUTTONUP, 0, L"5,0,1,4,0,mouse_key_middle"},
      {WM_XBUTTONDOWN, 0, L"5,0,129,16,1,mouse_key_forward"}, {WM_XBUTTONUP, 1, L"5,0,1,8,0,mouse_key_back"},
      {WM_MOUSEMOVE, 0, L"5,0,132,255,1,mouse_move_to_left_text"},
      {WM_MOUSEMOVE, 3, L"5,0,5,255,0,mouse_move_to_down_text"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.record, FormatMacroAction(InsertedMouseAction(c.message, c.parameter, -1)));
  struct Place {
    int rows, selected;
    bool before;
    int index;
  } const places[] = {
      {0, -1, false, 0}, {5, 2, false, 3}, {5, -1, false, 1},
      {0, -1, true, 0},  {5, 2, true, 2},  {5, -1, true, 0},
  };
  for (const Place& p : places)
    EXPECT_EQ(p.index, MacroInsertionIndex(p.rows, p.selected, p.before)) << p.rows << " " << p.selected << " " << p.before;
}

}  // namespace
