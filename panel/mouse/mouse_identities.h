#pragma once
#include "device_identity.h"

// The command interfaces of the mouse and the mouse pad.
extern const DeviceIdentity kMouseIdentity;
extern const DeviceIdentity kMousePadIdentity;
