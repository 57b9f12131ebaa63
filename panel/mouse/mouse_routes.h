#pragma once
#include "notification_router.h"

// The mouse pages' routes.
RouteTable MouseRoutes();
RouteTable MouseDpiRoutes();
RouteTable MouseLightRoutes();
