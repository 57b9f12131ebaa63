#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "device_info.h"

// The HID interfaces a simulated device can have.
enum class SimulatedInterface {
  Command,  // the 64-byte vendor command interface of keyboard, mouse and mouse pad
  Sync,     // the hardware-sync interface that announces the device's own changes
  Headset,  // the K27 headset's interface: 17-byte output reports with id 0xFF
  VendorControl,  // a vendor-defined interface (usage page 0xFF00) that takes no reports
};

// What one simulated device is: its identity, its interfaces, its record and its factory memory.
struct SimulatedDeviceModel {
  std::wstring name;  // for wire logs
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  std::vector<SimulatedInterface> interfaces;  // in interface-number order
  DeviceInfo info;
  std::vector<uint8_t> factorySettings;  // the settings area: five blocks of 64 bytes
  std::vector<uint8_t> factoryKeyTable;  // slot s at 3s; empty for a device without key tables
  size_t scriptMemorySize = 0;           // 0 for a device without cursor scripts
  size_t ledFrameSize = 0;
  // The lengths of the whole LED frames the device takes; each is counted when its last chunk arrives.
  std::vector<size_t> ledFrameLengths;

  bool Has(SimulatedInterface target) const {
    for (SimulatedInterface present : interfaces)
      if (present == target) return true;
    return false;
  }
};
