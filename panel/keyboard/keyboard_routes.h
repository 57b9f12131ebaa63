#pragma once
#include "notification_router.h"

// The keyboard pages' routes.
RouteTable KeyboardRoutes();
// The keyboard lighting page's routes (keyboard_light_routes.cpp).
RouteTable KeyboardLightRoutes();
