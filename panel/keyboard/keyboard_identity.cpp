#include "keyboard_identity.h"

const DeviceIdentity kKeyboardIdentity{0x0C45, 0x0632, 0x92, 0xFF1C};
