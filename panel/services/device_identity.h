#pragma once
#include <cstdint>

// The HID interface that a device's command channel looks for.
struct DeviceIdentity {
  uint16_t vendorId;
  uint16_t productId;
  uint16_t usage;
  uint16_t usagePage;
};
