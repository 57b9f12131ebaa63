#pragma once
#include "notification_router.h"

// The first headset's page routes.
RouteTable HeadsetRoutes();
// Those of its lighting page, on the lighting-page kit (headset_page_light.cpp).
RouteTable HeadsetLightingRoutes();
// Those of its profile list, on the profile list kit (headset_profile_list.cpp).
RouteTable HeadsetProfileListRoutes();
