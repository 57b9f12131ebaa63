#pragma once
#include "device_identity.h"

// The keyboard's command interface, with the product id of the configured model.
extern const DeviceIdentity kKeyboardIdentity;
