// The key page and the macro page in the real main window, driven by control name, with a
// simulated keyboard on the HID seam and the keyboard data folder of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "data_folders.h"
#include "file_dialogs.h"
#include "hid_backend.h"
#include "keyboard_page_state.h"
#include "macro_files.h"
#include "macro_insert_buttons.h"
#include "macro_page.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "simulated_macro_memory.h"
#include "test_files.h"
#include "window_capture.h"

namespace {

constexpr int kPositionA = 64;
constexpr int kPositionS = 65;

class KeyboardPagesTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    keyboard = MakeSimulatedKeyboard(SIMULATED_KEYBOARD_RGB2);
    bus.Attach(keyboard);
    InstallHidBackend(&bus);
    folder = DeviceProfileFolder(nullptr, L"kb");
    RemoveMacroStore();
    KeyboardMacroPageState().Reset();
    PanelWindowTest::SetUp();
    OpenWindow();
    // The detection thread selects the tab before it reads the keyboard back and loads its profile,
    // and the start-up read follows 500 ms after the window's start: an edit made before both
    // would be read over. Timer 13's first frame comes after the profile load.
    ASSERT_TRUE(PumpUntil(
        [this] {
          return Option(L"kb_tab")->IsSelected() && Find(L"kb_tab")->IsVisible() &&
                 keyboard->Memory().ledFrames.whole > 0;
        },
        10000));
    PumpFor(600);
    for (const wchar_t* id : {L"message_text_2", L"message_text_3", L"message_text_4", L"message_text_5"})
      idOfText[window->ResolveTextId(id)] = id;
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      std::wstring text = box.FindControl(L"MessageText")->GetText().str();
      if (idOfText.count(text)) text = idOfText[text];
      asked.push_back(text);
      box.Close(answers.count(text) && answers[text] ? 1 : 0);
    });
  }
  void TearDown() override {
    WatchMessageBoxesWith(nullptr);
    AnswerFileDialogsWith(nullptr);
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
    RemoveMacroStore();
  }
  void RemoveMacroStore() {
    for (const std::wstring& name : ReadMacroNames(folder + L"kbMacro.ini")) DeleteFileW(MacroFilePath(folder, name).c_str());
    DeleteFileW((folder + L"kbMacro.ini").c_str());
  }

  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  CComboUI* Combo(const wchar_t* name) { return dynamic_cast<CComboUI*>(Find(name)); }
  CListUI* List(const wchar_t* name) { return dynamic_cast<CListUI*>(Find(name)); }
  void Click(const std::wstring& name) { NotifyClick(Find(name.c_str())); }
  // The window shown and written as a picture to look at.
  void Picture(const char* file) {
    ::ShowWindow(window->GetHWND(), SW_SHOWNORMAL);
    SetForegroundWindow(window->GetHWND());
    PumpFor(600);
    EXPECT_TRUE(CaptureWindowPng(window->GetHWND(), file));
  }
  RgbImage Shown(const std::wstring& name) {
    return CaptureClientRect(window->GetHWND(), Find(name.c_str())->GetPos());
  }
  KeyboardState& State() { return KeyboardPageState(); }
  int Slot(int position) { return State().KeyboardUiKeyMap[position]; }
  KeyAssignment Stored(int position) { return State().Assignment(State().LiveProfileIndex(), Slot(position)); }
  std::vector<std::wstring> Rows() {
    std::vector<std::wstring> rows;
    CListUI* list = List(L"kb_Macro_list");
    for (int i = 0; i < list->GetCount(); ++i) rows.push_back(list->GetItemAt(i)->GetUserData().str());
    return rows;
  }
  void Key(UINT message, DWORD vk, DWORD flags = 0) {
    KBDLLHOOKSTRUCT event{};
    event.vkCode = vk;
    event.flags = flags;
    window->RecordKeyboardMacroKeyEvent(message, reinterpret_cast<LPARAM>(&event));
  }
  void Capture(DWORD vk) {
    KBDLLHOOKSTRUCT event{};
    event.vkCode = vk;
    window->CaptureKeyboardKeyAssignment(WM_KEYDOWN, reinterpret_cast<LPARAM>(&event));
  }

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> keyboard;
  std::wstring folder;
  std::map<std::wstring, std::wstring> idOfText;  // the language texts of the message ids
  std::map<std::wstring, bool> answers;
  std::vector<std::wstring> asked;
};

TEST_F(KeyboardPagesTest, ACapturedKeyIsStoredAndMarkedAndTheDefaultRestoresIt) {
  Option(L"kb_key_Op_tab")->Selected(true, true);
  Click(L"kb_key_" + std::to_wstring(kPositionA));
  EXPECT_TRUE(Find(L"kb_tab_function")->IsVisible());
  EXPECT_EQ(0, Combo(L"kb_key_fct_combo")->GetCurSel());
  Combo(L"kb_key_fct_combo")->SelectItem(1);
  EXPECT_TRUE(Find(L"kb_tab_function_1")->IsVisible());
  Capture('B');
  EXPECT_EQ((KeyAssignment{0x20, 0, 5}), Stored(kPositionA));
  auto* button = dynamic_cast<CButtonUI*>(Find(L"kb_key_64"));
  EXPECT_EQ(button->GetHotImage().str(), button->GetNormalImage().str());
  auto* other = dynamic_cast<CButtonUI*>(Find(L"kb_key_65"));
  EXPECT_EQ(other->GetUserData().str(), other->GetNormalImage().str());
  Picture("keyboard_key_page.png");
  EXPECT_GT(ShareOfDifferentPixels(Shown(L"kb_key_64"), Shown(L"kb_key_65")), 0.5) << "the changed key looks marked";

  Click(L"kb_key_butt_keydefalut");
  EXPECT_EQ((KeyAssignment{0x20, 0, 4}), Stored(kPositionA));
  EXPECT_EQ(button->GetUserData().str(), button->GetNormalImage().str());
  EXPECT_EQ(0, Combo(L"kb_key_fct_combo")->GetCurSel());
}

TEST_F(KeyboardPagesTest, ARecordedMacroBoundToAKeyReachesTheKeyboard) {
  Option(L"kb_macro_Op_tab")->Selected(true, true);
  Click(L"kb_macro_btn_name_add");
  ASSERT_EQ(1, List(L"kb_MacroName_list")->GetCount());
  Option(L"kb_macro_check_time")->Selected(true, true);
  Option(L"kb_macro_btn_redio")->Selected(true, true);
  EXPECT_FALSE(Find(L"kb_macro_btn_save")->IsEnabled());
  Key(WM_KEYDOWN, 'A');
  Key(WM_KEYDOWN, 'A');
  Key(WM_KEYDOWN, VK_RETURN, LLKHF_EXTENDED);
  Key(WM_KEYUP, VK_RETURN, LLKHF_EXTENDED);
  Key(WM_KEYUP, 'A');
  Option(L"kb_macro_btn_redio")->Selected(false, true);
  EXPECT_EQ((std::vector<std::wstring>{L"5,0,138,4,1,keyboard_key_A", L"5,0,138,88,1,keyboard_key_Num Enter",
                                       L"5,0,10,88,0,keyboard_key_Num Enter", L"0,0,10,4,0,keyboard_key_A"}),
            Rows());
  EXPECT_TRUE(Find(L"kb_macro_tab_saveorcancel")->IsVisible())
      << dynamic_cast<CTabLayoutUI*>(Find(L"tab_switch"))->GetCurSel() << " "
      << dynamic_cast<CTabLayoutUI*>(Find(L"kb_tab_switch"))->GetCurSel() << " "
      << Find(L"kb_macro_tab_saveorcancel")->GetParent()->IsVisible();
  Picture("keyboard_macro_page.png");
  EXPECT_GE(DistinctColours(Shown(L"kb_Macro_list")), 16u) << "the recorded rows are drawn";
  Click(L"kb_macro_btn_save");
  EXPECT_FALSE(Find(L"kb_macro_tab_saveorcancel")->IsVisible());

  Option(L"kb_key_Op_tab")->Selected(true, true);
  Click(L"kb_key_" + std::to_wstring(kPositionS));
  Combo(L"kb_key_fct_combo")->SelectItem(9);
  Combo(L"kb_key_fct_combo_24")->SelectItem(2);
  Combo(L"kb_key_fct_combo_23")->SelectItem(0);
  ASSERT_EQ((KeyAssignment{0x70, 0, 2}), Stored(kPositionS));

  keyboard->ClearWireLog();
  Click(L"kb_key_butt_prosave");
  std::vector<int> commands;
  for (const CommandReport& r : keyboard->Requests())
    if (commands.empty() || commands.back() != r[COMMAND_FIELD_COMMAND] || CommandReportOffset(r.data()) == 0)
      commands.push_back(r[COMMAND_FIELD_COMMAND]);
  EXPECT_EQ((std::vector<int>{0x01, 0x15, 0x02, 0x01, 0x09, 0x02}), commands);
  const SimulatedMemory memory = keyboard->Memory();
  const auto macros = DecodeMacroMemory(memory.macroMemory);
  ASSERT_TRUE(macros);
  EXPECT_EQ((std::vector<std::vector<MacroMemoryAction>>{
                {{5, 0, 0x8A, 4}, {5, 0, 0x8A, 0x58}, {5, 0, 0x0A, 0x58}, {0, 0, 0x0A, 4}}}),
            *macros);
  const size_t at = State().LiveProfileIndex() * 126 + 3 * Slot(kPositionS);
  EXPECT_EQ((std::vector<uint8_t>{0x70, 0, 2}),
            std::vector<uint8_t>(memory.keyMemory.begin() + at, memory.keyMemory.begin() + at + 3));
}

TEST_F(KeyboardPagesTest, DeletingAMacroAsksFirstAndRepairsTheKeysOnlyWhenBothAreConfirmed) {
  Option(L"kb_macro_Op_tab")->Selected(true, true);
  Click(L"kb_macro_btn_name_add");
  Click(L"kb_macro_btn_name_add");
  Click(L"kb_macro_btn_name_add");
  KeyboardState& state = State();
  auto bind = [&](int profile, int position, uint8_t macro) {
    uint8_t* at = state.keyTables[profile].data() + 3 * Slot(position);
    at[0] = 0x70, at[1] = macro, at[2] = 0;
  };
  bind(0, kPositionA, 1);
  bind(3, kPositionS, 2);
  const auto before = state.keyTables;
  List(L"kb_MacroName_list")->SelectItem(1);

  struct Refusal {
    bool pending, confirmBound, confirmDelete;
    std::vector<std::wstring> asked;
  } const refusals[] = {
      {true, true, true, {L"message_text_3"}},
      {false, false, true, {L"message_text_2"}},
      {false, true, false, {L"message_text_2", L"message_text_4"}},
  };
  for (const Refusal& r : refusals) {
    Find(L"kb_macro_tab_saveorcancel")->SetVisible(r.pending);
    answers = {{L"message_text_2", r.confirmBound}, {L"message_text_4", r.confirmDelete}};
    asked.clear();
    Click(L"kb_macro_btn_name_sub");
    EXPECT_EQ(r.asked, asked);
    EXPECT_TRUE(state.keyTables == before);
    EXPECT_EQ(3, List(L"kb_MacroName_list")->GetCount());
  }
  answers = {{L"message_text_2", true}, {L"message_text_4", true}};
  Click(L"kb_macro_btn_name_sub");
  EXPECT_EQ((KeyAssignment{0x20, 0, 4}), state.Assignment(0, Slot(kPositionA)));
  EXPECT_EQ((KeyAssignment{0x70, 1, 0}), state.Assignment(3, Slot(kPositionS)));
  EXPECT_EQ((std::vector<std::wstring>{L"name_1", L"name_3"}), ReadMacroNames(folder + L"kbMacro.ini"));
  EXPECT_EQ(0, List(L"kb_MacroName_list")->GetCurSel());
  EXPECT_EQ(2, Combo(L"kb_key_fct_combo_23")->GetCount());

  List(L"kb_MacroName_list")->SelectItem(-1);
  asked.clear();
  Click(L"kb_macro_btn_name_sub");
  EXPECT_TRUE(asked.empty());
}

TEST_F(KeyboardPagesTest, RenameRefusesTakenAndUnusableNamesAndMovesTheFile) {
  Option(L"kb_macro_Op_tab")->Selected(true, true);
  Click(L"kb_macro_btn_name_add");
  Click(L"kb_macro_btn_name_add");
  CControlUI* edit = Find(L"kb_macro_edit_macroname");
  for (const wchar_t* refused : {L"NAME_1", L"", L"a:b", L"trailing."}) {
    edit->SetText(refused);
    asked.clear();
    Click(L"kb_macro_btn_savemacroname");
    EXPECT_EQ(std::vector<std::wstring>{L"message_text_5"}, asked) << refused;
    EXPECT_EQ(L"name_2", edit->GetText().str());
  }
  edit->SetText(L"NAME_2");
  asked.clear();
  Click(L"kb_macro_btn_savemacroname");
  EXPECT_TRUE(asked.empty());

  // A move that the file system refuses (a file of that name lies there) stores none of the rows
  // shown: they stay an unsaved edit.
  WriteText(folder + L"name_2.mac", "[MACROACTIONCOUNT]\r\ncount=1\r\n[MACROACTION]\r\n0=3,0,129,1,1,mouse_key_left\r\n");
  WriteText(folder + L"stray.mac", "");
  List(L"kb_MacroName_list")->SelectItem(0);
  List(L"kb_MacroName_list")->SelectItem(1);
  ASSERT_EQ(1u, Rows().size());
  Click(L"kb_macro_btn_deleteall");
  edit->SetText(L"stray");
  asked.clear();
  Click(L"kb_macro_btn_savemacroname");
  EXPECT_EQ(std::vector<std::wstring>{L"message_text_5"}, asked);
  EXPECT_EQ(1, ReadMacroActionCount(folder + L"name_2.mac"));
  EXPECT_EQ(0u, ReadBytes(folder + L"stray.mac").size());
  Click(L"kb_macro_btn_cancel");

  edit->SetText(L"Jump");
  Click(L"kb_macro_btn_savemacroname");
  EXPECT_EQ((std::vector<std::wstring>{L"name_1", L"Jump"}), ReadMacroNames(folder + L"kbMacro.ini"));
  EXPECT_EQ(1, ReadMacroActionCount(folder + L"Jump.mac"));
  EXPECT_EQ(L"Jump", Combo(L"kb_key_fct_combo_23")->GetItemAt(1)->GetText().str());
  DeleteFileW((folder + L"stray.mac").c_str());
}

// Deleting a macro resets the key page's macro choice without storing it into the key shown last.
TEST_F(KeyboardPagesTest, DeletingAMacroLeavesTheKeyShownLastAsItWas) {
  Option(L"kb_macro_Op_tab")->Selected(true, true);
  for (int i = 0; i < 3; ++i) Click(L"kb_macro_btn_name_add");
  Option(L"kb_key_Op_tab")->Selected(true, true);
  Click(L"kb_key_" + std::to_wstring(kPositionS));
  Combo(L"kb_key_fct_combo")->SelectItem(9);
  Combo(L"kb_key_fct_combo_24")->SelectItem(2);
  Combo(L"kb_key_fct_combo_23")->SelectItem(2);
  ASSERT_EQ((KeyAssignment{0x70, 2, 2}), Stored(kPositionS));

  Option(L"kb_macro_Op_tab")->Selected(true, true);
  List(L"kb_MacroName_list")->SelectItem(0);
  answers = {{L"message_text_4", true}};
  Click(L"kb_macro_btn_name_sub");
  EXPECT_EQ(2, List(L"kb_MacroName_list")->GetCount());
  EXPECT_EQ(0, Combo(L"kb_key_fct_combo_23")->GetCurSel());
  EXPECT_EQ((KeyAssignment{0x70, 1, 2}), Stored(kPositionS)) << "its macro moved down by one, nothing more";
}

TEST_F(KeyboardPagesTest, ImportAndExportCopyTheFileAndAnImportStopsWhenItsAddIsRefused) {
  TempFolder outside;
  const std::string file = "[MACROACTIONCOUNT]\r\ncount=1\r\n[MACROACTION]\n0=3,0,129,1,1,mouse_key_left\r\n\x1A";
  WriteText(outside / L"in.mac", file);
  Option(L"kb_macro_Op_tab")->Selected(true, true);
  AnswerFileDialogsWith([&](const FileDialogRequest& request) {
    return request.open ? outside / L"in.mac" : outside / L"out.mac";
  });
  Click(L"kb_macro_btn_import");
  ASSERT_EQ(1, List(L"kb_MacroName_list")->GetCount());
  EXPECT_EQ(std::vector<std::wstring>{L"3,0,129,1,1,mouse_key_left"}, Rows());
  Click(L"kb_macro_btn_export");
  EXPECT_EQ(ReadBytes(outside / L"in.mac"), ReadBytes(outside / L"out.mac"));

  Find(L"kb_macro_tab_saveorcancel")->SetVisible(true);
  asked.clear();
  Click(L"kb_macro_btn_import");
  EXPECT_EQ(std::vector<std::wstring>{L"message_text_3"}, asked);
  EXPECT_EQ(1, List(L"kb_MacroName_list")->GetCount());
  EXPECT_EQ(ReadBytes(outside / L"in.mac"), ReadBytes(folder + L"name_1.mac"));
}

TEST_F(KeyboardPagesTest, TheFiftyFirstMacroIsRefusedWithTheLimitInTheText) {
  Option(L"kb_macro_Op_tab")->Selected(true, true);
  for (int i = 0; i < 50; ++i) Click(L"kb_macro_btn_name_add");
  ASSERT_EQ(50, List(L"kb_MacroName_list")->GetCount());
  asked.clear();
  Click(L"kb_macro_btn_name_add");
  ASSERT_EQ(1u, asked.size());
  EXPECT_NE(std::wstring::npos, asked[0].find(L"50"));
  EXPECT_EQ(std::wstring::npos, asked[0].find(L"%d"));
  EXPECT_EQ(50, ReadMacroCount(folder + L"kbMacro.ini"));
}

TEST_F(KeyboardPagesTest, EachInsertButtonInsertsItsRowOfTheMouseEvents) {
  Option(L"kb_macro_Op_tab")->Selected(true, true);
  Click(L"kb_macro_btn_name_add");
  for (int row = 0; row < static_cast<int>(std::size(kMacroInsertButtons)); ++row) {
    SCOPED_TRACE(row);
    Click(L"kb_macro_btn_deleteall");
    Click((std::wstring(L"kb_macro_inset_") + kMacroInsertButtons[row] + L"_btn").c_str());
    ASSERT_EQ(1, List(L"kb_Macro_list")->GetCount());
    List(L"kb_Macro_list")->SelectItem(0);
    window->EditKeyboardMacroAction();
    EXPECT_EQ(row, Combo(L"kb_macro_combo_mouselect")->GetCurSel());
  }
}

TEST_F(KeyboardPagesTest, TheActionEditorRewritesTheSelectedRowAndInsertsAfterIt) {
  Option(L"kb_macro_Op_tab")->Selected(true, true);
  Click(L"kb_macro_btn_name_add");
  Click(L"kb_macro_btn_up");
  EXPECT_TRUE(Find(L"kb_macro_tab_saveorcancel")->IsVisible()) << "a refused move still makes the edit pending";
  Click(L"kb_macro_btn_cancel");
  Option(L"kb_macro_btn_redio")->Selected(true, true);
  Key(WM_KEYDOWN, 'A');
  Key(WM_KEYUP, 'A');
  Key(WM_KEYDOWN, 'B');
  Option(L"kb_macro_btn_redio")->Selected(false, true);
  CListUI* list = List(L"kb_Macro_list");
  list->SelectItem(0);
  window->EditKeyboardMacroAction();
  EXPECT_EQ(1, dynamic_cast<CTabLayoutUI*>(Find(L"kb_tab_macro_edit"))->GetCurSel());
  EXPECT_EQ(8, Combo(L"kb_macro_combo_keyselect")->GetCurSel());
  EXPECT_EQ(1, Combo(L"kb_macro_combo_upordown")->GetCurSel());
  Combo(L"kb_macro_combo_upordown")->SelectItem(0);
  EXPECT_EQ(L"10", Rows()[0].substr(Rows()[0].find(L',', 2) + 1, 2));
  Find(L"kb__macro_edit_ActionDelay")->SetText(L"70000");
  window->HandleTextChanged(Find(L"kb__macro_edit_ActionDelay"));
  EXPECT_EQ(L"65535", Find(L"kb__macro_edit_ActionDelay")->GetText().str());
  EXPECT_EQ(0, Rows()[0].rfind(L"255,255,10,4,0,keyboard_key_A", 0));

  Find(L"kb_mouse_x_left_edit")->SetText(L"20");
  list->SelectItem(1);
  Click(L"kb_macro_inset_moveleftkey_btn");
  EXPECT_EQ(4, list->GetCount());
  EXPECT_EQ(L"5,0,132,20,1,mouse_move_to_left_text", Rows()[2]);
  EXPECT_EQ(1, list->GetCurSel());
  list->SelectItem(2);
  window->EditKeyboardMacroAction();
  EXPECT_EQ(10, Combo(L"kb_macro_combo_mouselect")->GetCurSel());
  Combo(L"kb_macro_combo_mouselect")->SelectItem(0);
  EXPECT_EQ(L"5,0,129,1,1,mouse_key_left", Rows()[2]);
  Combo(L"kb_macro_combo_mouselect")->SelectItem(13);
  EXPECT_EQ(L"5,0,5,0,1,mouse_move_to_down_text", Rows()[2]);
}

}  // namespace
