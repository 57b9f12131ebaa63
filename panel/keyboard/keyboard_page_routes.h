#pragma once
#include "notification_router.h"

// The routes of the keyboard's key page and macro page.
RouteTable KeyboardKeyPageRoutes();
RouteTable KeyboardMacroPageRoutes();
