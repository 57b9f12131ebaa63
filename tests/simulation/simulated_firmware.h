#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "device_command_report.h"
#include "device_info.h"

// What one simulated device is: its identity, its record and its factory memory contents.
struct SimulatedDeviceModel {
  std::wstring name;  // for wire logs
  uint16_t productId = 0;
  DeviceInfo info;
  std::vector<uint8_t> factorySettings;  // the settings area: five blocks of 64 bytes
  std::vector<uint8_t> factoryKeyTable;  // slot s at 3s; empty for a device without key tables
  size_t scriptMemorySize = 0;           // 0 for a device without cursor scripts
  size_t ledFrameSize = 0;
  bool hasSyncInterface = false;  // the second interface that announces the device's own changes
};

// The device's memory as the commands address it.
struct SimulatedMemory {
  std::vector<uint8_t> settings;
  std::vector<uint8_t> factoryKeyTable;
  std::vector<uint8_t> keyMemory;  // banks at bank × 126, so consecutive 512-byte banks overlap
  std::vector<uint8_t> macroMemory;
  std::vector<uint8_t> scriptMemory;
  std::vector<uint8_t> ledFrame;
  unsigned hardwareLightingCommands = 0;
  unsigned restoreDefaultsCommands = 0;
};

// The command interpreter of the simulated firmware: one request report in, one reply out.
class SimulatedFirmware {
 public:
  explicit SimulatedFirmware(SimulatedDeviceModel model);

  const SimulatedDeviceModel& Model() const { return model_; }
  SimulatedMemory& Memory() { return memory_; }
  const SimulatedMemory& Memory() const { return memory_; }

  // The reply to a 64-byte request: report id 4, the status byte and the data; no echo.
  CommandReport Answer(const uint8_t* request);
  void RestoreDefaults();

 private:
  uint8_t Execute(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data, uint8_t* replyData);

  SimulatedDeviceModel model_;
  SimulatedMemory memory_;
};
