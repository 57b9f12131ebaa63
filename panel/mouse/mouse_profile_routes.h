#pragma once
#include "notification_router.h"

// The routes of the mouse's profile lists: their buttons, combos and link check boxes, the name
// edit toggles of the light and key lists, and the sub-page tabs' focus, which folds the panel.
RouteTable MouseProfileRoutes();
