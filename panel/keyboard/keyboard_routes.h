#pragma once
#include "notification_router.h"

// The keyboard pages' routes.
RouteTable KeyboardRoutes();
