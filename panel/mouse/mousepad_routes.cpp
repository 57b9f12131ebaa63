// The mouse pad's notification routes, as data; the shell's router dispatches them.
#include "mousepad_routes.h"

#include "main_wnd.h"
#include "mousepad_lighting_page.h"
#include "mousepad_sync_mode.h"

RouteTable MousePadRoutes() {
  RouteTable routes = LightingKitRoutes(MousePadLightingKit());
  const RouteTable own = {
      ExactRoute(NotifyType::ItemSelect, L"mp_deng_combo_modeSelect", Calls(&CMainWnd::OnMousePadLightModeSelect)),
      ExactRoute(NotifyType::ItemSelect, L"mp_deng_combo_profile", Calls(&CMainWnd::OnMousePadOnboardProfileSelect)),
      ExactRoute(NotifyType::Click, L"mp_one_profile_default", Calls(&CMainWnd::ResetMousePadDefaults)),
      ExactRoute(NotifyType::Click, L"mp_deng_same_mode",
                 [](CMainWnd& window, const RouteCall&) { window.SyncLightingMode(SYNC_LEADER_MOUSEPAD); }),
      // The pad's only page tab: the shell's guard and capture end, nothing of its own.
      ExactRoute(NotifyType::SelectChanged, L"mp_deng_Op_tab", [](CMainWnd&, const RouteCall&) {},
                 SelectPhase::GuardThenAct),
  };
  routes.insert(routes.end(), own.begin(), own.end());
  return routes;
}
