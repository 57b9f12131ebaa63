#pragma once
#include "notification_router.h"

// The K27 headset pages' routes.
RouteTable HeadsetK27Routes();
// Those of its lighting page, on the lighting-page kit (headset_k27_light_page.cpp).
RouteTable HeadsetK27LightingRoutes();
