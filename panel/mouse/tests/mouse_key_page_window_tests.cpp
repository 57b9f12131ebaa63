// The mouse key page, the cursor-script page and the download in the main window built from the
// panel's skin, with a simulated mouse plugged in.
#include <gtest/gtest.h>
#include <windows.h>

#include "data_folders.h"
#include "file_dialogs.h"
#include "hid_backend.h"
#include "ini_values.h"
#include "macro_action.h"
#include "macro_files.h"
#include "mouse_key_assignment.h"
#include "mouse_state.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

namespace {

class MouseKeyPageTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    bus.SetReadsWaitInRealTime(true);
    InstallHidBackend(&bus);
    RemoveTree(DeviceProfileFolder(nullptr, L"ms"));
    folder = DeviceProfileFolder(nullptr, L"ms");
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      boxes.push_back(box.FindControl(L"MessageText")->GetText().str());
      box.Close(0);
    });
    PanelWindowTest::SetUp();
    mouse = MakeSimulatedMouse();
    bus.Attach(mouse);
    OpenWindow();
    EXPECT_TRUE(PumpUntil([this] { return Find(L"ms_tab")->IsVisible(); }, 10000));
    std::lock_guard<std::recursive_mutex> passDone(window->m_mouseChannel.m_lock);
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    WatchMessageBoxesWith(nullptr);
    AnswerFileDialogsWith(nullptr);
    InstallHidBackend(nullptr);
    RemoveTree(folder);
  }
  static std::wstring Text(const wchar_t* id) { return CResourceManager::GetInstance()->GetText(id).str(); }
  CComboUI* Combo(const wchar_t* name) { return dynamic_cast<CComboUI*>(Find(name)); }
  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  KeyAssignment Key(int key) { return MouseKeyAssignmentOf(MouseKeyTables[MouseLiveSettings[0]], key); }

  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> mouse;
  std::wstring folder;
  std::vector<std::wstring> boxes;
};

TEST_F(MouseKeyPageTest, AWheelAssignmentIsBuiltFromThePageAndCaptioned) {
  Option(L"ms_key_Op_tab")->Selected(true, true);
  NotifyClick(Find(L"ms_key_2"));
  ASSERT_TRUE(Find(L"ms_tab_function")->IsEnabled());
  Combo(L"ms_key_fct_combo")->SelectItem(MOUSE_PAGE_WHEEL_H);
  EXPECT_TRUE(Find(L"ms_tab_function_2")->IsVisible());
  Find(L"ms_key_fct_edit_15")->SetText(L"3");
  Find(L"ms_key_fct_edit_17")->SetText(L"2");
  Find(L"ms_key_fct_edit_20")->SetText(L"5");
  Combo(L"ms_key_fct_combo_12")->SelectItem(1);
  EXPECT_EQ((KeyAssignment{0x11, 0x25, 0x83}), Key(2));
  CControlUI* caption = Find(L"ms_key_2");
  EXPECT_TRUE(caption->IsResourceText());
  EXPECT_EQ(Text(L"mouse_key_right_Swing"), caption->GetText().str());

  // Opened again elsewhere and back: the page shows the stored wheel.
  Combo(L"ms_key_fct_combo")->SelectItem(MOUSE_PAGE_CURSOR);
  Combo(L"ms_key_fct_combo_25")->SelectItem(2);
  EXPECT_EQ((KeyAssignment{0x72, 2, 0}), Key(2));
  EXPECT_EQ(Text(L"GUN_3"), caption->GetText().str());
  NotifyClick(Find(L"ms_key_butt_keydefalut"));
  EXPECT_EQ(MouseKeyAssignmentOf(MouseFactoryKeyTable, 2), Key(2));
  EXPECT_EQ(MOUSE_PAGE_DEFAULT, Combo(L"ms_key_fct_combo")->GetCurSel());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(MouseKeyPageTest, TheOnlyLeftButtonCannotBeOpenedButASecondOneCan) {
  MouseKeyTable& table = MouseKeyTables[MouseLiveSettings[0]];
  ASSERT_TRUE(IsLastLeftButton(table, 0));
  const KeyAssignment before = Key(0);
  NotifyClick(Find(L"ms_key_0"));
  EXPECT_EQ((std::vector<std::wstring>{Text(L"message_text_6")}), boxes);
  EXPECT_FALSE(Find(L"ms_tab_function")->IsEnabled());
  EXPECT_EQ(before, Key(0));

  StoreMouseKeyAssignment(table, 7, {0x10, 1, 0});
  NotifyClick(Find(L"ms_key_0"));
  EXPECT_EQ(1u, boxes.size());
  EXPECT_TRUE(Find(L"ms_tab_function")->IsEnabled());
}

TEST_F(MouseKeyPageTest, TheKeyCaptureTakesTheChosenModifier) {
  NotifyClick(Find(L"ms_key_3"));
  Combo(L"ms_key_fct_combo")->SelectItem(MOUSE_PAGE_KEY);
  Combo(L"ms_key_fct_combo_31")->SelectItem(2);
  KBDLLHOOKSTRUCT event = {};
  event.vkCode = 'A';
  window->CaptureMouseKeyAssignment(0, reinterpret_cast<LPARAM>(&event));
  EXPECT_EQ((KeyAssignment{0x20, 0x02, 0x04}), Key(3));
  EXPECT_FALSE(Find(L"ms_key_fct_edit_21")->GetText().IsEmpty());
  event.vkCode = VK_RETURN;
  event.flags = LLKHF_EXTENDED;
  Combo(L"ms_key_fct_combo_31")->SelectItem(0);
  window->CaptureMouseKeyAssignment(0, reinterpret_cast<LPARAM>(&event));
  EXPECT_EQ((KeyAssignment{0x20, 0, 0x58}), Key(3));
}

TEST_F(MouseKeyPageTest, ACursorStepEditIsWrittenToItsScriptAndAnOverlongImportRefused) {
  Option(L"ms_gun_op_2")->Selected(true, true);
  EXPECT_EQ(2, window->GetMouseCursorSlot());
  EXPECT_EQ(0, window->GetMouseCursorStep());
  Option(L"ms_bullet_op_3")->Selected(true, true);
  EXPECT_TRUE(window->FindCursorPageControl(L"cursor_edit_layout")->IsEnabled());
  CControlUI* delay = window->FindCursorPageControl(L"ms_cursor_delay_eidt");
  delay->SetText(L"70000");
  window->OnMouseCursorEditChanged(delay);
  EXPECT_EQ(L"65535", delay->GetText().str());
  const std::wstring script = folder + L"name_3.cur";
  EXPECT_EQ(0x19 * 256 + 0x99, ParseMacroAction(ReadMacroActionRecord(script, 21))->DelayUnits());

  NotifyClick(Find(L"bullet_selected_next"));
  EXPECT_EQ(4, window->GetMouseCursorStep());

  const std::wstring chosen = folder + L"long.cur";
  WriteText(chosen, "[MACROACTIONCOUNT]\r\ncount=181\r\n");
  AnswerFileDialogsWith([&](const FileDialogRequest&) { return chosen; });
  const std::vector<uint8_t> before = ReadBytes(script);
  NotifyClick(Find(L"ms_bulletdate_import_btn"));
  EXPECT_EQ((std::vector<std::wstring>{Text(L"message_text_18")}), boxes);
  EXPECT_EQ(before, ReadBytes(script));
}

// A step chosen with the mouse, as the user chooses it: pressed and released over its button of
// the mouse tab's cursor-script page (the keyboard tab holds another instance of the page).
TEST_F(MouseKeyPageTest, AClickedStepButtonShowsThatStepInTheEditor) {
  ::ShowWindow(window->GetHWND(), SW_SHOWNORMAL);
  SetForegroundWindow(window->GetHWND());
  Option(L"ms_tab")->Selected(true, true);
  Option(L"ms_cursor_Op_tab")->Selected(true, true);
  Option(L"ms_gun_op_1")->Selected(true, true);
  auto onPage = [this](const wchar_t* name) { return window->FindCursorPageControl(name); };
  auto step5 = dynamic_cast<COptionUI*>(onPage(L"ms_bullet_op_5"));
  ASSERT_TRUE(PumpUntil([&] { return step5->GetPos().right > 0; }, 5000));
  auto clickOn = [this](CControlUI* control) {
    const RECT rc = control->GetPos();
    const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    PostMessageW(window->GetHWND(), WM_MOUSEMOVE, 0, at);
    PostMessageW(window->GetHWND(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(window->GetHWND(), WM_LBUTTONUP, 0, at);
    PumpFor(300);
  };
  clickOn(step5);
  EXPECT_TRUE(step5->IsSelected());
  EXPECT_EQ(5, window->GetMouseCursorStep());
  EXPECT_EQ(L"6", onPage(L"bullet_select_index")->GetText().str());
  EXPECT_TRUE(onPage(L"cursor_edit_layout")->IsEnabled());
  clickOn(step5);
  EXPECT_FALSE(step5->IsSelected());
  EXPECT_FALSE(onPage(L"cursor_edit_layout")->IsEnabled());
}

TEST_F(MouseKeyPageTest, TheSaveButtonSendsScriptsThenMacrosAndKeyTable) {
  mouse->ClearWireLog();
  NotifyClick(Find(L"ms_key_butt_prosave"));
  std::vector<int> commands;
  for (const CommandReport& r : mouse->Requests())
    if (commands.empty() || commands.back() != r[COMMAND_FIELD_COMMAND] || CommandReportOffset(r.data()) == 0)
      commands.push_back(r[COMMAND_FIELD_COMMAND]);
  EXPECT_EQ((std::vector<int>{0x01, 0x17, 0x02, 0x01, 0x09, 0x02}), commands);
  EXPECT_EQ(0xAA, mouse->Memory().scriptMemory[0]);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
