#pragma once
#include "notification_router.h"

// The routes of the keyboard's profile lists: their buttons, combos and link check boxes.
RouteTable KeyboardProfileRoutes();
