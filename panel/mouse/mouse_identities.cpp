#include "mouse_identities.h"

const DeviceIdentity kMouseIdentity{0x0C45, 0x5F01, 0x92, 0xFF1C};
const DeviceIdentity kMousePadIdentity{0x0C45, 0x763D, 0x92, 0xFF1C};
