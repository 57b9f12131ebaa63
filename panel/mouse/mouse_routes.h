#pragma once
#include "notification_router.h"

// The mouse pages' routes.
RouteTable MouseRoutes();
RouteTable MouseDpiRoutes();
RouteTable MouseLightRoutes();
// The key page with its download button, and the cursor-script page (mouse_key_routes.cpp).
RouteTable MouseKeyRoutes();
RouteTable MouseCursorRoutes();
// The macro page (mouse_macro_routes.cpp).
RouteTable MouseMacroRoutes();
