#include <atomic>

#include "diagnostics.h"
#include "headset_k27_routes.h"
#include "headset_routes.h"
#include "keyboard_page_routes.h"
#include "keyboard_profile_routes.h"
#include "keyboard_routes.h"
#include "mouse_profile_routes.h"
#include "mouse_routes.h"
#include "mousepad_routes.h"
#include "shell_routes.h"

namespace {
std::atomic<const RouteIndex*> routesInstead{nullptr};

RouteIndex BuildPanelRoutes() {
  std::vector<std::wstring> refused;
  RouteIndex index = RouteIndex::Build(AllRouteTables(), refused);
  for (const std::wstring& row : refused) DebugLine(L"route refused: " + row);
  return index;
}
}  // namespace

std::vector<RouteTable> AllRouteTables() {
  return {ShellRoutes(),           KeyboardRoutes(),          KeyboardProfileRoutes(), KeyboardLightRoutes(),
          KeyboardKeyPageRoutes(), KeyboardMacroPageRoutes(), MouseRoutes(),           HeadsetRoutes(),
          HeadsetK27Routes(),      MousePadRoutes(),          MouseDpiRoutes(),
          MouseLightRoutes(),      MouseKeyRoutes(),          MouseCursorRoutes(),
          MouseMacroRoutes(),      MouseProfileRoutes()};
}

const RouteIndex& PanelRoutes() {
  if (const RouteIndex* instead = routesInstead.load()) return *instead;
  static const RouteIndex routes = BuildPanelRoutes();
  return routes;
}

void UseRoutesInstead(const RouteIndex* routes) { routesInstead = routes; }
