// The mouse pages' notification routes, as data; the shell's router dispatches them.
#include "mouse_routes.h"

#include "main_wnd.h"
#include "mouse_state.h"

RouteTable MouseRoutes() {
  return {
      NumberedRoute(NotifyType::Click, L"ms_profile_", 0, MOUSE_PROFILES - 1,
                    CallsWithNumber(&CMainWnd::SwitchMouseOnboardProfile)),
  };
}
