#pragma once
#include "notification_router.h"

// The K27 headset pages' routes.
RouteTable HeadsetK27Routes();
