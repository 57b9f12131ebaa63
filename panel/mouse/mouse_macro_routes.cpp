// The routes of the mouse macro page, as data.
#include <iterator>

#include "main_wnd.h"
#include "mouse_routes.h"
#include "mouse_macro_state.h"

namespace {
constexpr int kAmountBound = 255;
constexpr int kDelayBound = 65535;

struct InsertButton {
  const wchar_t* name;
  void (CMainWnd::*insert)();
};
const InsertButton kInsertButtons[] = {
    {L"ms_macro_inset_leftkeydown_btn", &CMainWnd::InsertMouseMacroLeftDown},
    {L"ms_macro_inset_leftkeyup_btn", &CMainWnd::InsertMouseMacroLeftUp},
    {L"ms_macro_inset_rightkeydown_btn", &CMainWnd::InsertMouseMacroRightDown},
    {L"ms_macro_inset_rightkeyup_btn", &CMainWnd::InsertMouseMacroRightUp},
    {L"ms_macro_inset_moudlekeydown_btn", &CMainWnd::InsertMouseMacroMiddleDown},
    {L"ms_macro_inset_moudlekeyup_btn", &CMainWnd::InsertMouseMacroMiddleUp},
    {L"ms_macro_inset_forwardkeydown_btn", &CMainWnd::InsertMouseMacroForwardDown},
    {L"ms_macro_inset_forwardkeyup_btn", &CMainWnd::InsertMouseMacroForwardUp},
    {L"ms_macro_inset_backkeydown_btn", &CMainWnd::InsertMouseMacroBackDown},
    {L"ms_macro_inset_backkeyup_btn", &CMainWnd::InsertMouseMacroBackUp},
};
// The move buttons: one operation per axis, its argument 1 for left or up.
struct MoveButton {
  const wchar_t* name;
  void (CMainWnd::*insert)(int);
  int towardsStart;
};
const MoveButton kMoveButtons[] = {
    {L"ms_macro_inset_moveleftkey_btn", &CMainWnd::InsertMouseMacroMoveX, 1},
    {L"ms_macro_inset_moverightkey_btn", &CMainWnd::InsertMouseMacroMoveX, 0},
    {L"ms_macro_inset_moveupkey_btn", &CMainWnd::InsertMouseMacroMoveY, 1},
    {L"ms_macro_inset_movedownkey_btn", &CMainWnd::InsertMouseMacroMoveY, 0},
};

const wchar_t* const kInsertTabButtons[] = {L"ms_macro_inset_leftkey_btn", L"ms_macro_inset_moudlekey_btn",
                                            L"ms_macro_inset_rightkey_btn", L"ms_macro_inset_forwardkey_btn",
                                            L"ms_macro_inset_backkey_btn"};

struct RowButton {
  const wchar_t* name;
  void (CMainWnd::*operation)();
};
const RowButton kRowButtons[] = {
    {L"ms_macro_btn_up", &CMainWnd::MoveMouseMacroRowUp},
    {L"ms_macro_btn_down", &CMainWnd::MoveMouseMacroRowDown},
    {L"ms_macro_btn_uptop", &CMainWnd::MoveMouseMacroRowToTop},
    {L"ms_macro_btn_downbottom", &CMainWnd::MoveMouseMacroRowToBottom},
    {L"ms_macro_btn_delete", &CMainWnd::DeleteMouseMacroRow},
    {L"ms_macro_btn_deleteall", &CMainWnd::DeleteAllMouseMacroRows},
};

// Read when a recording starts; their own changes do nothing, and never meet the pending-edit guard.
const wchar_t* const kRecordOptions[] = {L"ms_macro_check_time", L"ms_macro_keyboard_event", L"ms_macro_mouse_click",
                                         L"ms_macro_mouse_roller", L"ms_macro_mouse_move"};

// The number typed is kept within its bound (a negative one becomes 0) before anything reads it.
RouteAction Clamps(const wchar_t* edit, int upperBound, void (CMainWnd::*then)()) {
  return [edit, upperBound, then](CMainWnd& window, const RouteCall&) {
    window.ClampEditValue(edit, upperBound);
    if (then) (window.*then)();
  };
}
}  // namespace

RouteTable MouseMacroRoutes() {
  RouteTable routes = {
      ExactRoute(NotifyType::Click, L"ms_macro_btn_name_add", Calls(&CMainWnd::AddMouseMacroName)),
      ExactRoute(NotifyType::Click, L"ms_macro_btn_name_sub", Calls(&CMainWnd::DeleteMouseMacro)),
      ExactRoute(NotifyType::Click, L"ms_macro_btn_savemacroname", Calls(&CMainWnd::RenameMouseMacro)),
      ExactRoute(NotifyType::KillFocus, L"ms_macro_edit_macroname", Calls(&CMainWnd::RenameMouseMacro)),
      ExactRoute(NotifyType::Click, L"ms_macro_btn_cancel", Calls(&CMainWnd::CancelMouseMacroEdit)),
      ExactRoute(NotifyType::Click, L"ms_macro_btn_save", Calls(&CMainWnd::SaveMouseMacro)),
      ExactRoute(NotifyType::Click, L"ms_macro_btn_import", Calls(&CMainWnd::ImportMouseMacro)),
      ExactRoute(NotifyType::Click, L"ms_macro_btn_export", Calls(&CMainWnd::ExportMouseMacro)),
      ExactRoute(NotifyType::ItemSelect, L"ms_MacroName_list", Calls(&CMainWnd::ShowSelectedMouseMacro)),
      ExactRoute(NotifyType::ItemSelect, L"ms_macro_combo_keyselect", Calls(&CMainWnd::ChooseMouseMacroKey)),
      ExactRoute(NotifyType::ItemSelect, L"ms_macro_combo_mouselect", Calls(&CMainWnd::ChooseMouseMacroMouseEvent)),
      ExactRoute(NotifyType::ItemSelect, L"ms_macro_combo_upordown", Calls(&CMainWnd::ChooseMouseMacroPressState)),
      ExactRoute(NotifyType::ItemClick, L"ms_macro_action", Calls(&CMainWnd::EditMouseMacroAction)),
      ExactRoute(NotifyType::SelectChanged, L"ms_macro_btn_shubiao", CallsWithSender(&CMainWnd::SwitchMouseMacroPanel)),
      ExactRoute(NotifyType::SelectChanged, L"ms_macro_btn_redio", Calls(&CMainWnd::ToggleMouseMacroRecording)),
      ExactRoute(NotifyType::TextChanged, L"ms_macro_edit_mou_pointer_skewing",
                 Clamps(L"ms_macro_edit_mou_pointer_skewing", kAmountBound, &CMainWnd::MouseMacroAmountEdited)),
  };
  for (const wchar_t* option : kRecordOptions) routes.push_back(ExactRoute(NotifyType::SelectChanged, option, nullptr));
  for (const RowButton& button : kRowButtons)
    routes.push_back(ExactRoute(NotifyType::Click, button.name, [button](CMainWnd& window, const RouteCall&) {
      (window.*button.operation)();
      window.EnableMouseMacroNameList(0);
    }));
  for (int tab = 0; tab < static_cast<int>(std::size(kInsertTabButtons)); ++tab)
    routes.push_back(ExactRoute(NotifyType::Click, kInsertTabButtons[tab], [tab](CMainWnd& window, const RouteCall&) {
      window.SelectMouseMacroInsertTab(tab, MouseMacroInsertTabClosed[tab]);
    }));
  for (const InsertButton& button : kInsertButtons)
    routes.push_back(ExactRoute(NotifyType::Click, button.name, Calls(button.insert)));
  for (const MoveButton& button : kMoveButtons)
    routes.push_back(ExactRoute(NotifyType::Click, button.name, [button](CMainWnd& window, const RouteCall&) {
      (window.*button.insert)(button.towardsStart);
    }));
  for (const wchar_t* edit : {L"ms__macro_edit_ActionDelay", L"ms__macro_edit_mou_action_delay"})
    routes.push_back(ExactRoute(NotifyType::TextChanged, edit, [edit](CMainWnd& window, const RouteCall&) {
      window.ClampEditValue(edit, kDelayBound);
      window.MouseMacroDelayEdited(edit);
    }));
  for (const wchar_t* edit : {L"ms_mouse_x_left_edit", L"ms_mouse_x_right_edit", L"ms_mouse_y_up_edit",
                              L"ms_mouse_y_down_edit"})
    routes.push_back(ExactRoute(NotifyType::TextChanged, edit, Clamps(edit, kAmountBound, nullptr)));
  return routes;
}
