// The keyboard's macro page: its controls and files for the macro page kit, and the page methods
// that the routes and the capture hook call.
#include "keyboard_macro_state.h"
#include "keyboard_page_state.h"
#include "macro_page.h"
#include "main_wnd.h"

namespace {
const MacroPageControls kKeyboardMacroControls = {
    L"kbMacro.ini",
    L"kb_MacroName_list",
    L"kb_Macro_list",
    L"kb_macro_action",
    L"kb_macro_tab_saveorcancel",
    L"kb_tab_macro_edit",
    L"kb_macro_edit_macroname",
    L"kb_MacroName",
    L"kb_MacroMouseEvent",
    L"kb_macro_btn_name_sub",
    L"kb_key_fct_combo_23",
    L"kb_macro_combo_keyselect",
    L"kb_macro_combo_upordown",
    L"kb__macro_edit_ActionDelay",
    L"kb_macro_combo_mouselect",
    L"kb_macro_tab_mou_pointer_skewing",
    L"kb_macro_edit_mou_pointer_skewing",
    L"kb__macro_edit_mou_action_delay",
    L"kb_macro_btn_redio",
    L"kb_macro_btn_save",
    L"kb_macro_check_time",
    L"kb_macro_keyboard_event",
    L"kb_macro_mouse_click",
    {L"kb_macro_mouse_click", L"kb_macro_mouse_roller", L"kb_macro_mouse_move"},
    {L"kb_macro_btn_down", L"kb_macro_btn_up", L"kb_macro_btn_uptop", L"kb_macro_btn_downbottom",
     L"kb_macro_btn_delete", L"kb_macro_btn_deleteall", L"kb_macro_btn_cancel"},
    {L"kb_macro_btn_save", L"kb_macro_btn_down", L"kb_macro_btn_up", L"kb_macro_btn_uptop",
     L"kb_macro_btn_downbottom", L"kb_macro_btn_delete", L"kb_macro_btn_deleteall", L"kb_macro_btn_cancel",
     L"kb_macro_btn_redio", L"kb_macro_check_time", L"kb_macro_keyboard_event", L"kb_macro_mouse_click",
     L"kb_macro_mouse_roller", L"kb_macro_mouse_move"},
    {L"kb_macro_inset_leftkey_tab", L"kb_macro_inset_moudlekey_tab", L"kb_macro_inset_rightkey_tab",
     L"kb_macro_inset_forwardkey_tab", L"kb_macro_inset_backkey_tab"},
    {L"kb_mouse_x_left_edit", L"kb_mouse_x_right_edit", L"kb_mouse_y_up_edit", L"kb_mouse_y_down_edit"},
    HOOK_MODE_KEY_MACRO,
    false,
    nullptr,
    false,
    nullptr,
};
}  // namespace

MacroPageState& KeyboardMacroPageState() {
  static MacroPageState state(KeyboardMacroRecorder, KeyboardMacroRenameIdle);
  return state;
}

MacroPage CMainWnd::KeyboardMacroPage() {
  return MacroPage(m_pm, kKeyboardMacroControls, KeyboardMacroPageState(), m_hWnd, GetKeyboardProfileFolder());
}

void CMainWnd::ShowSelectedKeyboardMacro() { KeyboardMacroPage().ShowSelected(); }
void CMainWnd::EnableKeyboardMacroNameList(int flag) { KeyboardMacroPage().LockNameList(flag == 0); }
void CMainWnd::AddKeyboardMacro() { KeyboardMacroPage().Add(); }

// Every profile's key table is repaired over all key slots, and only once both questions are
// answered, so that a refusal leaves the tables as they were.
void CMainWnd::DeleteKeyboardMacro() {
  KeyboardState& state = KeyboardPageState();
  MacroKeyTables keys{{}, state.KEYBOARD_FACTORY_KEY_TABLE.data(), state.KeySlotCount()};
  for (KeyboardKeyTable& table : state.keyTables) keys.tables.push_back(table.data());
  if (KeyboardMacroPage().Delete(keys)) RelabelKeyboardKeys(state.LiveProfileIndex());
}

void CMainWnd::RenameKeyboardMacro() {
  if (KeyboardMacroPage().Rename()) RelabelKeyboardKeys(KeyboardPageState().LiveProfileIndex());
}

void CMainWnd::SaveKeyboardMacro() { KeyboardMacroPage().Save(); }
void CMainWnd::CancelKeyboardMacroEdit() { KeyboardMacroPage().Cancel(); }
void CMainWnd::MoveKeyboardMacroActionUp() { KeyboardMacroPage().MoveRow(MacroPage::Move::Up); }
void CMainWnd::MoveKeyboardMacroActionDown() { KeyboardMacroPage().MoveRow(MacroPage::Move::Down); }
void CMainWnd::MoveKeyboardMacroActionToTop() { KeyboardMacroPage().MoveRow(MacroPage::Move::ToTop); }
void CMainWnd::MoveKeyboardMacroActionToBottom() { KeyboardMacroPage().MoveRow(MacroPage::Move::ToBottom); }
void CMainWnd::DeleteKeyboardMacroAction() { KeyboardMacroPage().DeleteRow(); }
void CMainWnd::DeleteAllKeyboardMacroActions() { KeyboardMacroPage().DeleteAllRows(); }
void CMainWnd::ImportKeyboardMacro() { KeyboardMacroPage().Import(); }
void CMainWnd::ExportKeyboardMacro() { KeyboardMacroPage().Export(); }

void CMainWnd::ToggleKeyboardMacroRecording() {
  KeyboardMacroPage().ToggleRecording(
      [this](int mode, bool enable, bool keyboard, bool mouse) { return SetHook(mode, enable, keyboard, mouse); });
}

void CMainWnd::RecordKeyboardMacroKeyEvent(WPARAM wParam, LPARAM lParam) {
  KeyboardMacroPage().RecordKeyEvent(static_cast<UINT>(wParam), *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam));
}

void CMainWnd::RecordKeyboardMacroMouseEvent(WPARAM wParam, LPARAM) {
  KeyboardMacroPage().RecordMouseEvent(static_cast<UINT>(wParam));
}

// A click on a row starts an edit: the name list is locked before the editor opens.
void CMainWnd::EditKeyboardMacroAction() {
  MacroPage page = KeyboardMacroPage();
  if (!page.RowSelected()) return;
  EnableKeyboardMacroNameList(0);
  page.OpenRow();
}

void CMainWnd::ChooseKeyboardMacroKey() { KeyboardMacroPage().ChooseKey(); }
void CMainWnd::ChooseKeyboardMacroMouseEvent() { KeyboardMacroPage().ChooseMouseEvent(); }
void CMainWnd::ChooseKeyboardMacroPressState() { KeyboardMacroPage().ChoosePressState(); }
void CMainWnd::KeyboardMacroDelayEdited(const wchar_t* edit) { KeyboardMacroPage().DelayEdited(edit); }
void CMainWnd::KeyboardMacroAmountEdited() { KeyboardMacroPage().AmountEdited(); }
void CMainWnd::SelectKeyboardMacroInsertTab(int tab, int show) { KeyboardMacroPage().SelectInsertTab(tab, show != 0); }
void CMainWnd::InsertKeyboardMacroMouseAction(UINT message, int parameter) {
  KeyboardMacroPage().InsertMouseAction(message, parameter);
}

// The insert buttons: the fourth and fifth buttons share a message, the parameter tells them apart;
// a move's parameter is its direction (left, right, up, down).
void CMainWnd::InsertKeyboardMacroLeftDown() { InsertKeyboardMacroMouseAction(WM_LBUTTONDOWN, 0); }
void CMainWnd::InsertKeyboardMacroLeftUp() { InsertKeyboardMacroMouseAction(WM_LBUTTONUP, 0); }
void CMainWnd::InsertKeyboardMacroRightDown() { InsertKeyboardMacroMouseAction(WM_RBUTTONDOWN, 0); }
void CMainWnd::InsertKeyboardMacroRightUp() { InsertKeyboardMacroMouseAction(WM_RBUTTONUP, 0); }
void CMainWnd::InsertKeyboardMacroMiddleDown() { InsertKeyboardMacroMouseAction(WM_MBUTTONDOWN, 0); }
void CMainWnd::InsertKeyboardMacroMiddleUp() { InsertKeyboardMacroMouseAction(WM_MBUTTONUP, 0); }
void CMainWnd::InsertKeyboardMacroForwardDown() { InsertKeyboardMacroMouseAction(WM_XBUTTONDOWN, 0); }
void CMainWnd::InsertKeyboardMacroForwardUp() { InsertKeyboardMacroMouseAction(WM_XBUTTONUP, 0); }
void CMainWnd::InsertKeyboardMacroBackDown() { InsertKeyboardMacroMouseAction(WM_XBUTTONDOWN, 1); }
void CMainWnd::InsertKeyboardMacroBackUp() { InsertKeyboardMacroMouseAction(WM_XBUTTONUP, 1); }
void CMainWnd::InsertKeyboardMacroMoveX(int left) { InsertKeyboardMacroMouseAction(WM_MOUSEMOVE, left ? 0 : 1); }
void CMainWnd::InsertKeyboardMacroMoveY(int up) { InsertKeyboardMacroMouseAction(WM_MOUSEMOVE, up ? 2 : 3); }

void CMainWnd::SwitchKeyboardMacroPanel(CControlUI* sender) {
  auto* option = dynamic_cast<COptionUI*>(sender);
  KeyboardMacroPage().ShowInsertPanel(option && option->IsSelected());
}
