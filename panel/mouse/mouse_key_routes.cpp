// The routes of the mouse key page, its download button and the cursor-script page, as data.
#include "main_wnd.h"
#include "mouse_cursor_script.h"
#include "mouse_key_assignment.h"
#include "mouse_routes.h"

namespace {
RouteAction ShowsPicture(bool hover) {
  return [hover](CMainWnd& window, const RouteCall& call) { window.ShowMouseKeyPicture(call.number, hover); };
}
}  // namespace

RouteTable MouseKeyRoutes() {
  return {
      NumberedRoute(NotifyType::Click, L"ms_key_", 0, MOUSE_BOUND_KEYS - 1, CallsWithNumber(&CMainWnd::ShowMouseKeyAssignment)),
      NumberedRoute(NotifyType::MouseEnter, L"ms_key_", 0, MOUSE_PAGE_KEYS - 1, ShowsPicture(true)),
      NumberedRoute(NotifyType::MouseLeave, L"ms_key_", 0, MOUSE_PAGE_KEYS - 1, ShowsPicture(false)),
      ExactRoute(NotifyType::ItemSelect, L"ms_key_fct_combo", Calls(&CMainWnd::SelectMouseKeyFunctionPage)),
      // 11 to 25: the row, direction, macro, play-mode and script combos; 31, the modifier, is read
      // at capture time and routed nowhere.
      NumberedRoute(NotifyType::ItemSelect, L"ms_key_fct_combo_", 11, 25, CallsWithNumber(&CMainWnd::OnMouseKeyComboSelect)),
      NumberedRoute(NotifyType::TextChanged, L"ms_key_fct_edit_", 11, 25, CallsWithSender(&CMainWnd::OnMouseKeyEditChanged)),
      ExactRoute(NotifyType::Click, L"ms_key_butt_keysave", Calls(&CMainWnd::ApplyMouseKeyFunction)),
      ExactRoute(NotifyType::Click, L"ms_key_butt_keydefalut", Calls(&CMainWnd::RestoreMouseKeyDefault)),
      ExactRoute(NotifyType::Click, L"ms_key_butt_keycanlc", Calls(&CMainWnd::CancelMouseKeyAssignment)),
      ExactRoute(NotifyType::Click, L"ms_key_butt_prosave",
                 [](CMainWnd& window, const RouteCall&) { window.DownloadToDevice(2); }),
  };
}

RouteTable MouseCursorRoutes() {
  return {
      NumberedRoute(NotifyType::SelectChanged, L"ms_gun_op_", 0, MOUSE_CURSOR_SLOTS - 1,
                    CallsWithNumber(&CMainWnd::SelectMouseCursorSlot), SelectPhase::ActThenGuard),
      NumberedRoute(NotifyType::SelectChanged, L"ms_bullet_op_", 0, CURSOR_SCRIPT_STEPS - 1,
                    CallsWithNumber(&CMainWnd::SelectMouseCursorStep), SelectPhase::ActThenGuard),
      NumberedRoute(NotifyType::Click, L"ms_bullet_op_", 0, CURSOR_SCRIPT_STEPS - 1,
                    CallsWithSender(&CMainWnd::ClickMouseCursorStep)),
      ExactRoute(NotifyType::Click, L"bullet_selected_prev", Calls(&CMainWnd::SelectPreviousMouseCursorStep)),
      ExactRoute(NotifyType::Click, L"bullet_selected_next", Calls(&CMainWnd::SelectNextMouseCursorStep)),
      ExactRoute(NotifyType::TextChanged, L"ms_cursor_delay_eidt", CallsWithSender(&CMainWnd::OnMouseCursorEditChanged)),
      ExactRoute(NotifyType::TextChanged, L"ms_cursor_x_eidt", CallsWithSender(&CMainWnd::OnMouseCursorEditChanged)),
      ExactRoute(NotifyType::TextChanged, L"ms_cursor_y_eidt", CallsWithSender(&CMainWnd::OnMouseCursorEditChanged)),
      ExactRoute(NotifyType::SelectChanged, L"ms_cursor_x_check", CallsWithSender(&CMainWnd::OnMouseCursorCheckChanged),
                 SelectPhase::ActThenGuard),
      ExactRoute(NotifyType::SelectChanged, L"ms_cursor_y_check", CallsWithSender(&CMainWnd::OnMouseCursorCheckChanged),
                 SelectPhase::ActThenGuard),
      ExactRoute(NotifyType::Click, L"ms_bulletdate_save_btn",
                 [](CMainWnd& window, const RouteCall&) { window.DownloadMouseCursorScripts(); }),
      ExactRoute(NotifyType::Click, L"ms_bulletdate_reset_btn", Calls(&CMainWnd::ResetMouseCursorScript)),
      ExactRoute(NotifyType::Click, L"ms_bulletdate_export_btn", Calls(&CMainWnd::ExportMouseCursorScript)),
      ExactRoute(NotifyType::Click, L"ms_bulletdate_import_btn", Calls(&CMainWnd::ImportMouseCursorScript)),
  };
}
