// The keyboard's key page and macro page routes, as data.
#include "keyboard_page_routes.h"

#include "main_wnd.h"

namespace {
constexpr int kLastKeyPosition = 125;
constexpr int kByteBound = 255;
constexpr int kWheelAmountBound = 127;
constexpr int kNibbleBound = 15;
constexpr int kDelayBound = 65535;

struct BoundedEdit {
  const wchar_t* name;
  int upperBound;
};

// The number typed is kept within its bound first, then the action runs.
RouteAction ClampsThen(const wchar_t* edit, int upperBound, void (CMainWnd::*then)()) {
  return [edit, upperBound, then](CMainWnd& window, const RouteCall&) {
    window.ClampEditValue(edit, upperBound);
    if (then) (window.*then)();
  };
}

struct InsertButton {
  const wchar_t* name;
  void (CMainWnd::*insert)();
};
const InsertButton kInsertButtons[] = {
    {L"kb_macro_inset_leftkeydown_btn", &CMainWnd::InsertKeyboardMacroLeftDown},
    {L"kb_macro_inset_leftkeyup_btn", &CMainWnd::InsertKeyboardMacroLeftUp},
    {L"kb_macro_inset_rightkeydown_btn", &CMainWnd::InsertKeyboardMacroRightDown},
    {L"kb_macro_inset_rightkeyup_btn", &CMainWnd::InsertKeyboardMacroRightUp},
    {L"kb_macro_inset_moudlekeydown_btn", &CMainWnd::InsertKeyboardMacroMiddleDown},
    {L"kb_macro_inset_moudlekeyup_btn", &CMainWnd::InsertKeyboardMacroMiddleUp},
    {L"kb_macro_inset_forwardkeydown_btn", &CMainWnd::InsertKeyboardMacroForwardDown},
    {L"kb_macro_inset_forwardkeyup_btn", &CMainWnd::InsertKeyboardMacroForwardUp},
    {L"kb_macro_inset_backkeydown_btn", &CMainWnd::InsertKeyboardMacroBackDown},
    {L"kb_macro_inset_backkeyup_btn", &CMainWnd::InsertKeyboardMacroBackUp},
};
// The move buttons: one operation per axis, its argument 1 for left or up.
struct MoveButton {
  const wchar_t* name;
  void (CMainWnd::*insert)(int);
  int towardsStart;
};
const MoveButton kMoveButtons[] = {
    {L"kb_macro_inset_moveleftkey_btn", &CMainWnd::InsertKeyboardMacroMoveX, 1},
    {L"kb_macro_inset_moverightkey_btn", &CMainWnd::InsertKeyboardMacroMoveX, 0},
    {L"kb_macro_inset_moveupkey_btn", &CMainWnd::InsertKeyboardMacroMoveY, 1},
    {L"kb_macro_inset_movedownkey_btn", &CMainWnd::InsertKeyboardMacroMoveY, 0},
};

const wchar_t* const kInsertTabButtons[] = {L"kb_macro_inset_leftkey_btn", L"kb_macro_inset_moudlekey_btn",
                                            L"kb_macro_inset_rightkey_btn", L"kb_macro_inset_forwardkey_btn",
                                            L"kb_macro_inset_backkey_btn"};

struct RowButton {
  const wchar_t* name;
  void (CMainWnd::*operation)();
};
const RowButton kRowButtons[] = {
    {L"kb_macro_btn_up", &CMainWnd::MoveKeyboardMacroActionUp},
    {L"kb_macro_btn_down", &CMainWnd::MoveKeyboardMacroActionDown},
    {L"kb_macro_btn_uptop", &CMainWnd::MoveKeyboardMacroActionToTop},
    {L"kb_macro_btn_downbottom", &CMainWnd::MoveKeyboardMacroActionToBottom},
    {L"kb_macro_btn_delete", &CMainWnd::DeleteKeyboardMacroAction},
    {L"kb_macro_btn_deleteall", &CMainWnd::DeleteAllKeyboardMacroActions},
};

const BoundedEdit kKeyFunctionEdits[] = {
    {L"kb_key_fct_edit_11", kByteBound},        {L"kb_key_fct_edit_12", kByteBound},
    {L"kb_key_fct_edit_15", kWheelAmountBound}, {L"kb_key_fct_edit_16", kWheelAmountBound},
    {L"kb_key_fct_edit_17", kNibbleBound},      {L"kb_key_fct_edit_18", kNibbleBound},
    {L"kb_key_fct_edit_19", kNibbleBound},      {L"kb_key_fct_edit_20", kNibbleBound},
    {L"kb_key_fct_edit_25", kByteBound},
};

const wchar_t* const kKeyFunctionCombos[] = {L"kb_key_fct_combo_11", L"kb_key_fct_combo_12", L"kb_key_fct_combo_13",
                                             L"kb_key_fct_combo_14", L"kb_key_fct_combo_21", L"kb_key_fct_combo_22",
                                             L"kb_key_fct_combo_23"};
}  // namespace

RouteTable KeyboardKeyPageRoutes() {
  RouteTable routes = {
      NumberedRoute(NotifyType::Click, L"kb_key_", 0, kLastKeyPosition, CallsWithNumber(&CMainWnd::ClickKeyboardKey)),
      ExactRoute(NotifyType::Click, L"kb_key_butt_keydefalut", Calls(&CMainWnd::RestoreKeyboardKeyDefault)),
      ExactRoute(NotifyType::Click, L"kb_key_butt_keycanlc", Calls(&CMainWnd::CancelKeyboardKeyEdit)),
      ExactRoute(NotifyType::Click, L"kb_key_butt_prosave",
                 [](CMainWnd& window, const RouteCall&) { window.DownloadToDevice(1); }),
      ExactRoute(NotifyType::ItemSelect, L"kb_key_fct_combo", Calls(&CMainWnd::SelectKeyboardKeyFunctionTab)),
      ExactRoute(NotifyType::ItemSelect, L"kb_key_fct_combo_24", Calls(&CMainWnd::ShowKeyboardMacroRepeatPanel)),
  };
  for (const wchar_t* combo : kKeyFunctionCombos)
    routes.push_back(ExactRoute(NotifyType::ItemSelect, combo, Calls(&CMainWnd::ApplyKeyboardKeyFunction)));
  for (const BoundedEdit& edit : kKeyFunctionEdits)
    routes.push_back(ExactRoute(NotifyType::TextChanged, edit.name,
                                ClampsThen(edit.name, edit.upperBound, &CMainWnd::ApplyKeyboardKeyFunction)));
  return routes;
}

RouteTable KeyboardMacroPageRoutes() {
  RouteTable routes = {
      ExactRoute(NotifyType::Click, L"kb_macro_btn_name_add", Calls(&CMainWnd::AddKeyboardMacro)),
      ExactRoute(NotifyType::Click, L"kb_macro_btn_name_sub", Calls(&CMainWnd::DeleteKeyboardMacro)),
      ExactRoute(NotifyType::Click, L"kb_macro_btn_savemacroname", Calls(&CMainWnd::RenameKeyboardMacro)),
      ExactRoute(NotifyType::Click, L"kb_macro_btn_cancel", Calls(&CMainWnd::CancelKeyboardMacroEdit)),
      ExactRoute(NotifyType::Click, L"kb_macro_btn_save", Calls(&CMainWnd::SaveKeyboardMacro)),
      ExactRoute(NotifyType::Click, L"kb_macro_btn_import", Calls(&CMainWnd::ImportKeyboardMacro)),
      ExactRoute(NotifyType::Click, L"kb_macro_btn_export", Calls(&CMainWnd::ExportKeyboardMacro)),
      ExactRoute(NotifyType::ItemSelect, L"kb_MacroName_list", Calls(&CMainWnd::ShowSelectedKeyboardMacro)),
      ExactRoute(NotifyType::ItemSelect, L"kb_macro_combo_keyselect", Calls(&CMainWnd::ChooseKeyboardMacroKey)),
      ExactRoute(NotifyType::ItemSelect, L"kb_macro_combo_mouselect", Calls(&CMainWnd::ChooseKeyboardMacroMouseEvent)),
      ExactRoute(NotifyType::ItemSelect, L"kb_macro_combo_upordown", Calls(&CMainWnd::ChooseKeyboardMacroPressState)),
      ExactRoute(NotifyType::ItemClick, L"kb_macro_action", Calls(&CMainWnd::EditKeyboardMacroAction)),
      ExactRoute(NotifyType::SelectChanged, L"kb_macro_btn_shubiao",
                 CallsWithSender(&CMainWnd::SwitchKeyboardMacroPanel)),
      ExactRoute(NotifyType::SelectChanged, L"kb_macro_btn_redio", Calls(&CMainWnd::ToggleKeyboardMacroRecording)),
      ExactRoute(NotifyType::TextChanged, L"kb_macro_edit_mou_pointer_skewing",
                 ClampsThen(L"kb_macro_edit_mou_pointer_skewing", kByteBound, &CMainWnd::KeyboardMacroAmountEdited)),
  };
  for (const RowButton& button : kRowButtons)
    routes.push_back(ExactRoute(NotifyType::Click, button.name, [button](CMainWnd& window, const RouteCall&) {
      (window.*button.operation)();
      window.EnableKeyboardMacroNameList(0);
    }));
  for (int tab = 0; tab < static_cast<int>(std::size(kInsertTabButtons)); ++tab)
    routes.push_back(ExactRoute(NotifyType::Click, kInsertTabButtons[tab],
                                [tab](CMainWnd& window, const RouteCall&) { window.SelectKeyboardMacroInsertTab(tab, 1); }));
  for (const InsertButton& button : kInsertButtons)
    routes.push_back(ExactRoute(NotifyType::Click, button.name, Calls(button.insert)));
  for (const MoveButton& button : kMoveButtons)
    routes.push_back(ExactRoute(NotifyType::Click, button.name, [button](CMainWnd& window, const RouteCall&) {
      (window.*button.insert)(button.towardsStart);
    }));
  for (const wchar_t* edit : {L"kb__macro_edit_ActionDelay", L"kb__macro_edit_mou_action_delay"})
    routes.push_back(ExactRoute(NotifyType::TextChanged, edit, [edit](CMainWnd& window, const RouteCall&) {
      window.ClampEditValue(edit, kDelayBound);
      window.KeyboardMacroDelayEdited(edit);
    }));
  for (const wchar_t* edit : {L"kb_mouse_x_left_edit", L"kb_mouse_x_right_edit", L"kb_mouse_y_up_edit",
                              L"kb_mouse_y_down_edit"})
    routes.push_back(ExactRoute(NotifyType::TextChanged, edit, ClampsThen(edit, kByteBound, nullptr)));
  return routes;
}
