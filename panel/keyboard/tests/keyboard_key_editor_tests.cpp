// The key page's editor over a read-back keyboard: show, apply, capture and the marks.
#include <map>

#include "keyboard_key_editor.h"
#include "keyboard_key_map.h"
#include "keyboard_readback.h"
#include "keyboard_test_fixture.h"

namespace {

constexpr int kPositionA = 64;      // row 3, column 1
constexpr int kPositionEsc = 0;
constexpr int kPositionFn = 110;

struct Inputs : KeyEditorInputs {
  std::map<std::wstring, int> combos;
  std::map<std::wstring, std::wstring> edits;
  int ComboSelection(const wchar_t* combo) const override {
    auto it = combos.find(combo);
    return it == combos.end() ? -1 : it->second;
  }
  std::wstring EditText(const wchar_t* edit) const override {
    auto it = edits.find(edit);
    return it == edits.end() ? L"" : it->second;
  }
};

struct KeyEditorTest : KeyboardFixture {
  KeyboardKeyEditor editor;
  Inputs inputs;
  void SetUp() override {
    Connect(SIMULATED_KEYBOARD_RGB2);
    ASSERT_EQ(KeyboardReadResult::Read, ReadKeyboardMemory(channel, state));
    state.SetLiveProfileIndex(2);
  }
  int SlotOf(int position) const { return state.KeyboardUiKeyMap[position]; }
  void Bind(int position, KeyAssignment a) {
    uint8_t* at = state.keyTables[2].data() + 3 * SlotOf(position);
    at[0] = a.code, at[1] = a.p1, at[2] = a.p2;
  }
  KeyAssignment Stored(int position) const { return state.Assignment(2, SlotOf(position)); }
  // Shows the key, then chooses the tab as the tab selector would.
  KeyEditorView Show(int position, int macroItems = 0) {
    auto view = ShowKeyAssignment(state, editor, position, macroItems);
    EXPECT_TRUE(view);
    return view.value_or(KeyEditorView{});
  }
  bool ChooseTabAndApply(int item) {
    SelectKeyEditorTab(editor, item);
    return ApplyKeyAssignment(state, editor, inputs);
  }
};

TEST_F(KeyEditorTest, ShowingAndApplyingKeys) {
  // A factory-equal key opens tab 0, and tab 0 stores the factory assignment.
  const KeyEditorView factoryKey = Show(kPositionA);
  EXPECT_EQ(0, factoryKey.tabItem);
  EXPECT_TRUE(factoryKey.settings.empty());
  Bind(kPositionA, {0x20, 0, 5});
  Show(kPositionEsc);
  editor.editSlot = SlotOf(kPositionA);
  ASSERT_TRUE(ChooseTabAndApply(0));
  EXPECT_EQ((KeyAssignment{0x20, 0, 4}), Stored(kPositionA));

  // A horizontal wheel round-trips through the editor's controls.
  inputs.combos[L"kb_key_fct_combo_12"] = 1;
  inputs.edits = {{L"kb_key_fct_edit_17", L"1"}, {L"kb_key_fct_edit_20", L"2"}, {L"kb_key_fct_edit_15", L"5"}};
  Show(kPositionA);
  ASSERT_TRUE(ChooseTabAndApply(3));
  EXPECT_EQ((KeyAssignment{0x11, 0x12, 0x85}), Stored(kPositionA));
  const KeyEditorView wheel = Show(kPositionA);
  EXPECT_EQ(3, wheel.tabItem);
  std::map<std::wstring, std::wstring> shown;
  for (const KeyEditorSetting& s : wheel.settings)
    shown[s.control] = s.kind == KeyEditorSetting::EditText ? s.text : std::to_wstring(s.item);
  EXPECT_EQ((std::map<std::wstring, std::wstring>{{L"kb_key_fct_edit_17", L"1"}, {L"kb_key_fct_edit_20", L"2"},
                                                   {L"kb_key_fct_edit_15", L"5"}, {L"kb_key_fct_combo_12", L"1"}}),
            shown);

  // A macro past the macro combo shows no macro, and applying then stores nothing.
  Bind(kPositionA, {0x70, 3, 1});
  const KeyEditorView macro = Show(kPositionA, 2);
  EXPECT_EQ(9, macro.tabItem);
  ASSERT_EQ(1u, macro.settings.size());
  EXPECT_EQ(KeyEditorSetting::ComboNoSelection, macro.settings[0].kind);
  EXPECT_FALSE(ChooseTabAndApply(9));
  EXPECT_EQ((KeyAssignment{0x70, 3, 1}), Stored(kPositionA));

  // While a key is being shown, the controls it sets store nothing.
  editor.showing = true;
  EXPECT_FALSE(ChooseTabAndApply(0));
  EXPECT_EQ((KeyAssignment{0x70, 3, 1}), Stored(kPositionA));
}

TEST_F(KeyEditorTest, CapturedKeysBecomeKeyAssignments) {
  struct Case {
    DWORD virtualKey;
    DWORD flags;
    std::optional<KeyAssignment> expected;
  } const cases[] = {
      {0x41, 0, KeyAssignment{0x20, 0, 0x04}},
      {0x0D, 0x01, KeyAssignment{0x20, 0, 0x58}},
      {0x0D, 0x21, KeyAssignment{0x20, 0, 0x58}},
      {0x0D, 0x00, KeyAssignment{0x20, 0, 0x28}},
      {0xA1, 0x01, KeyAssignment{0x20, 0x20, 0}},
      {0xB3, 0x01, std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<int> row = CapturedKeyRow(c.virtualKey, c.flags);
    ASSERT_EQ(c.expected.has_value(), row.has_value()) << c.virtualKey;
    if (!row) continue;
    TakeCapturedKey(editor, *row);
    EXPECT_EQ(*c.expected, editor.edit) << c.virtualKey;
  }
}

TEST_F(KeyEditorTest, OnlyReassignedKeysAreMarked) {
  Bind(kPositionA, {0x20, 0, 5});
  Bind(kPositionEsc, {0x70, 0, 0});
  Bind(kPositionFn, {0x13, 1, 0});
  const std::vector<KeyCaption> captions = KeyCaptions(state, 2, {L"Jump"});
  std::map<int, KeyCaption> marked;
  for (const KeyCaption& c : captions)
    if (c.marked) marked.emplace(c.position, c);
  ASSERT_EQ(3u, marked.size());
  EXPECT_EQ(L"keyboard_key_A", marked.at(kPositionA).defaultName);
  EXPECT_EQ(L"keyboard_key_B", marked.at(kPositionA).label);
  EXPECT_EQ(L"Jump", marked.at(kPositionEsc).label);
  EXPECT_TRUE(marked.at(kPositionEsc).verbatim);
  EXPECT_EQ(L"kb_key_110", marked.at(kPositionFn).defaultName);
}

TEST_F(KeyEditorTest, APositionWithoutAKeyShowsNothing) {
  EXPECT_FALSE(ShowKeyAssignment(state, editor, 16, 0));
  EXPECT_FALSE(ShowKeyAssignment(state, editor, KEYBOARD_UI_KEYS, 0));
}

}  // namespace
