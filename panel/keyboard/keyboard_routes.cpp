// The keyboard pages' notification routes, as data; the shell's router dispatches them.
#include "keyboard_routes.h"

#include "main_wnd.h"

RouteTable KeyboardRoutes() {
  return {
      ExactRoute(NotifyType::Click, L"renew_device", Calls(&CMainWnd::OnRenewDevice)),
  };
}
