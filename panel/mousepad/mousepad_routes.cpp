// The mouse pad's notification routes, as data; the shell's router dispatches them.
#include "mousepad_routes.h"

#include "main_wnd.h"
#include "mousepad_lighting_page.h"
#include "sync_lighting_leader.h"

RouteTable MousePadRoutes() {
  RouteTable routes = LightingKitRoutes(MousePadLightingKit());
  const RouteTable own = {
      ExactRoute(NotifyType::ItemSelect, L"mp_deng_combo_modeSelect", Calls(&CMainWnd::OnMousePadLightModeSelect)),
      ExactRoute(NotifyType::ItemSelect, L"mp_deng_combo_profile", Calls(&CMainWnd::OnMousePadOnboardProfileSelect)),
      ExactRoute(NotifyType::Click, L"mp_one_profile_default", Calls(&CMainWnd::ResetMousePadDefaults)),
      // The same-mode buttons of the lighting pages: each leads the others into one synchronised lighting.
      ExactRoute(NotifyType::Click, L"mp_deng_same_mode",
                 [](CMainWnd& window, const RouteCall&) { window.SyncLightingMode(SYNC_LEADER_MOUSEPAD); }),
      ExactRoute(NotifyType::Click, L"ms_deng_same_mode",
                 [](CMainWnd& window, const RouteCall&) { window.SyncLightingMode(SYNC_LEADER_MOUSE); }),
      ExactRoute(NotifyType::Click, L"kb_deng_same_mode",
                 [](CMainWnd& window, const RouteCall&) { window.SyncLightingMode(SYNC_LEADER_KEYBOARD); }),
      // The light profile list.
      ExactRoute(NotifyType::ItemSelect, L"mp_deng_profile_combo", Calls(&CMainWnd::SelectMousePadLightProfile)),
      ExactRoute(NotifyType::Click, L"mp_pro_deng_add_btn", Calls(&CMainWnd::AddMousePadLightProfile)),
      ExactRoute(NotifyType::Click, L"mp_pro_deng_sub_btn", Calls(&CMainWnd::DeleteMousePadLightProfile)),
      ExactRoute(NotifyType::Click, L"mp_pro_deng_copy_btn", Calls(&CMainWnd::CopyMousePadLightProfile)),
      ExactRoute(NotifyType::Click, L"mp_pro_deng_import_btn", Calls(&CMainWnd::ImportMousePadLightProfile)),
      ExactRoute(NotifyType::Click, L"mp_pro_deng_export_btn", Calls(&CMainWnd::ExportMousePadLightProfile)),
      ExactRoute(NotifyType::Click, L"mp_pro_deng_reset_btn", Calls(&CMainWnd::ResetMousePadLightProfile)),
      ExactRoute(NotifyType::Click, L"mp_deng_profile_edit_save_btn", Calls(&CMainWnd::RenameMousePadLightProfile)),
      ExactRoute(NotifyType::Click, L"mp_deng_profile_link_btn", Calls(&CMainWnd::BrowseMousePadLightProfileLink)),
      ExactRoute(NotifyType::Click, L"mp_deng_cancle_link_btn", Calls(&CMainWnd::CancelMousePadLightProfileLink)),
      ExactRoute(NotifyType::Click, L"mp_pro_deng_edit_btn",
                 [](CMainWnd& window, const RouteCall&) { window.ToggleVisible(L"mp_deng_profile_edit"); }),
      ExactRoute(NotifyType::SelectChanged, L"mp_deng_profile_link_check",
                 Calls(&CMainWnd::ToggleMousePadLightProfileLink), SelectPhase::GuardThenAct),
      // The pad's only page tab: the shell's guard and capture end, nothing of its own.
      ExactRoute(NotifyType::SelectChanged, L"mp_deng_Op_tab", [](CMainWnd&, const RouteCall&) {},
                 SelectPhase::GuardThenAct),
  };
  routes.insert(routes.end(), own.begin(), own.end());
  return routes;
}
