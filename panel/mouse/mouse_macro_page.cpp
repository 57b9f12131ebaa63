// The mouse's macro page: its controls and files for the macro page kit, and the page methods
// that the routes and the capture hook call.
#include "macro_page.h"
#include "main_wnd.h"
#include "mouse_cursor_script.h"
#include "mouse_macro_page.h"
#include "mouse_macro_store.h"
#include "mouse_macro_state.h"
#include "mouse_state.h"

namespace {
const MacroPageControls kMouseMacroControls = {
    MOUSE_MACRO_INDEX_FILE,
    L"ms_MacroName_list",
    L"ms_Macro_list",
    L"ms_macro_action",
    L"ms_macro_tab_saveorcancel",
    L"ms_tab_macro_edit",
    L"ms_macro_edit_macroname",
    L"ms_MacroName",
    L"ms_MacroMouseEvent",
    L"ms_macro_btn_name_sub",
    L"ms_key_fct_combo_23",
    L"ms_macro_combo_keyselect",
    L"ms_macro_combo_upordown",
    L"ms__macro_edit_ActionDelay",
    L"ms_macro_combo_mouselect",
    L"ms_macro_tab_mou_pointer_skewing",
    L"ms_macro_edit_mou_pointer_skewing",
    L"ms__macro_edit_mou_action_delay",
    L"ms_macro_btn_redio",
    L"ms_macro_btn_save",
    L"ms_macro_check_time",
    L"ms_macro_keyboard_event",
    L"ms_macro_mouse_click",
    {L"ms_macro_mouse_click", L"ms_macro_mouse_roller", L"ms_macro_mouse_move"},
    {L"ms_macro_btn_down", L"ms_macro_btn_up", L"ms_macro_btn_uptop", L"ms_macro_btn_downbottom",
     L"ms_macro_btn_delete", L"ms_macro_btn_deleteall", L"ms_macro_btn_cancel"},
    {L"ms_macro_btn_save", L"ms_macro_btn_down", L"ms_macro_btn_up", L"ms_macro_btn_uptop",
     L"ms_macro_btn_downbottom", L"ms_macro_btn_delete", L"ms_macro_btn_deleteall", L"ms_macro_btn_cancel",
     L"ms_macro_btn_redio", L"ms_macro_check_time", L"ms_macro_keyboard_event", L"ms_macro_mouse_click",
     L"ms_macro_mouse_roller", L"ms_macro_mouse_move"},
    {L"ms_macro_inset_leftkey_tab", L"ms_macro_inset_moudlekey_tab", L"ms_macro_inset_rightkey_tab",
     L"ms_macro_inset_forwardkey_tab", L"ms_macro_inset_backkey_tab"},
    {L"ms_mouse_x_left_edit", L"ms_mouse_x_right_edit", L"ms_mouse_y_up_edit", L"ms_mouse_y_down_edit"},
    HOOK_MODE_MOU_MACRO,
    true,
    L"macro_action",
    true,
    // Deleting a macro writes the index anew, and with it the cursor scripts' entries.
    &WriteMouseCursorScriptNames,
};
}  // namespace

MacroPageState& MouseMacroPageState() {
  static MacroPageState state(MouseMacroRecorder, MouseMacroRenameGuard);
  return state;
}

MacroPage CMainWnd::MouseMacroPage() {
  return MacroPage(m_pm, kMouseMacroControls, MouseMacroPageState(), m_hWnd, GetMouseProfileFolder());
}

void CMainWnd::InitMouseMacroPage() {
  MouseMacroPage().Init();
  MouseMacroPage().FillKeyChooser();
}

void CMainWnd::ShowSelectedMouseMacro() { MouseMacroPage().ShowSelected(); }
void CMainWnd::EnableMouseMacroNameList(int enable) { MouseMacroPage().LockNameList(enable == 0); }
void CMainWnd::EnableMouseMacroNameListOnRowClick(int enable) { MouseMacroPage().LockNameList(enable == 0); }
void CMainWnd::AddMouseMacroName() { MouseMacroPage().Add(); }

// Keys of every on-board profile that name the macro are reset, and later macros' keys move down,
// only once both questions are answered.
void CMainWnd::DeleteMouseMacro() {
  if (MouseMacroPage().Delete(MouseMacroKeyTables())) RelabelMouseKeys(MouseLiveSettings[0]);
}

void CMainWnd::RenameMouseMacro() {
  if (MouseMacroPage().Rename()) RelabelMouseKeys(MouseLiveSettings[0]);
}

void CMainWnd::SaveMouseMacro() {
  MouseMacroPage().Save();
  MouseMacroPage().ShowInsertPanel(false);
}

void CMainWnd::CancelMouseMacroEdit() { MouseMacroPage().Cancel(); }
void CMainWnd::MoveMouseMacroRowUp() { MouseMacroPage().MoveRow(MacroPage::Move::Up); }
void CMainWnd::MoveMouseMacroRowDown() { MouseMacroPage().MoveRow(MacroPage::Move::Down); }
void CMainWnd::MoveMouseMacroRowToTop() { MouseMacroPage().MoveRow(MacroPage::Move::ToTop); }
void CMainWnd::MoveMouseMacroRowToBottom() { MouseMacroPage().MoveRow(MacroPage::Move::ToBottom); }
void CMainWnd::DeleteMouseMacroRow() { MouseMacroPage().DeleteRow(); }
void CMainWnd::DeleteAllMouseMacroRows() { MouseMacroPage().DeleteAllRows(); }
void CMainWnd::ImportMouseMacro() { MouseMacroPage().Import(); }
void CMainWnd::ExportMouseMacro() { MouseMacroPage().Export(); }

void CMainWnd::ToggleMouseMacroRecording() {
  MouseMacroPage().ToggleRecording(
      [this](int mode, bool enable, bool keyboard, bool mouse) { return SetHook(mode, enable, keyboard, mouse); });
}

void CMainWnd::RecordMouseMacroKeyEvent(WPARAM wParam, LPARAM lParam) {
  MouseMacroPage().RecordKeyEvent(static_cast<UINT>(wParam), *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam));
}

void CMainWnd::RecordMouseMacroMouseEvent(WPARAM wParam, LPARAM) {
  MouseMacroPage().RecordMouseEvent(static_cast<UINT>(wParam));
}

// A click on a row starts an edit: the name list is locked before the editor opens.
void CMainWnd::EditMouseMacroAction() {
  MacroPage page = MouseMacroPage();
  if (!page.RowSelected()) return;
  EnableMouseMacroNameListOnRowClick(0);
  page.OpenRow();
}

void CMainWnd::ChooseMouseMacroKey() { MouseMacroPage().ChooseKey(); }
void CMainWnd::ChooseMouseMacroMouseEvent() { MouseMacroPage().ChooseMouseEvent(); }
void CMainWnd::ChooseMouseMacroPressState() { MouseMacroPage().ChoosePressState(); }
void CMainWnd::MouseMacroDelayEdited(const wchar_t* edit) { MouseMacroPage().DelayEdited(edit); }
void CMainWnd::MouseMacroAmountEdited() { MouseMacroPage().AmountEdited(); }

// A click on a tab's button opens it (closing any other); a second click closes it.
void CMainWnd::SelectMouseMacroInsertTab(int tab, int show) {
  MouseMacroPage().SelectInsertTab(tab, show != 0);
  MouseMacroInsertTabClosed.fill(1);
  if (show && tab >= 0 && tab < static_cast<int>(MouseMacroInsertTabClosed.size())) MouseMacroInsertTabClosed[tab] = 0;
}

void CMainWnd::InsertMouseMacroAction(UINT message, int variant) { MouseMacroPage().InsertMouseAction(message, variant); }

// The insert buttons: the fourth and fifth buttons share a message, the variant tells them apart;
// a move's variant is its direction (left, right, up, down).
void CMainWnd::InsertMouseMacroLeftDown() { InsertMouseMacroAction(WM_LBUTTONDOWN, 0); }
void CMainWnd::InsertMouseMacroLeftUp() { InsertMouseMacroAction(WM_LBUTTONUP, 0); }
void CMainWnd::InsertMouseMacroRightDown() { InsertMouseMacroAction(WM_RBUTTONDOWN, 0); }
void CMainWnd::InsertMouseMacroRightUp() { InsertMouseMacroAction(WM_RBUTTONUP, 0); }
void CMainWnd::InsertMouseMacroMiddleDown() { InsertMouseMacroAction(WM_MBUTTONDOWN, 0); }
void CMainWnd::InsertMouseMacroMiddleUp() { InsertMouseMacroAction(WM_MBUTTONUP, 0); }
void CMainWnd::InsertMouseMacroForwardDown() { InsertMouseMacroAction(WM_XBUTTONDOWN, 0); }
void CMainWnd::InsertMouseMacroForwardUp() { InsertMouseMacroAction(WM_XBUTTONUP, 0); }
void CMainWnd::InsertMouseMacroBackDown() { InsertMouseMacroAction(WM_XBUTTONDOWN, 1); }
void CMainWnd::InsertMouseMacroBackUp() { InsertMouseMacroAction(WM_XBUTTONUP, 1); }
void CMainWnd::InsertMouseMacroMoveX(int left) { InsertMouseMacroAction(WM_MOUSEMOVE, left ? 0 : 1); }
void CMainWnd::InsertMouseMacroMoveY(int up) { InsertMouseMacroAction(WM_MOUSEMOVE, up ? 2 : 3); }

void CMainWnd::SwitchMouseMacroPanel(CControlUI* sender) {
  auto* option = dynamic_cast<COptionUI*>(sender);
  MouseMacroPage().ShowInsertPanel(option && option->IsSelected());
}
