#pragma once
#include "notification_router.h"

// The mouse pad's page routes.
RouteTable MousePadRoutes();
