#pragma once
#include "notification_router.h"

// The K27 headset pages' routes.
RouteTable HeadsetK27Routes();
// Those of its lighting page, on the lighting-page kit (headset_k27_light_page.cpp).
RouteTable HeadsetK27LightingRoutes();
// Those of its profile list, on the profile list kit (headset_k27_profile_list.cpp).
RouteTable HeadsetK27ProfileListRoutes();
