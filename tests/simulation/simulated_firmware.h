#pragma once
#include <cstdint>
#include <vector>

#include "device_command_report.h"
#include "device_info.h"
#include "simulated_device_model.h"

// Whole LED frames of one length: how many arrived, and the last one.
struct SimulatedFrames {
  size_t length = 0;
  unsigned count = 0;
  std::vector<uint8_t> last;
  std::vector<uint8_t> building;  // the chunks of the next one
};

// What arrived as LED frames: the accepted 0x12 reports, the whole frames of the model's frame size
// (counted when the chunk that ends one arrives), and the frames of each of the model's lengths.
// Chunks of two frame kinds may interleave, so each length assembles its own copy.
struct SimulatedLedFrames {
  unsigned commands = 0;
  unsigned whole = 0;
  std::vector<SimulatedFrames> byLength;
};

// The device's memory as the commands address it.
struct SimulatedMemory {
  std::vector<uint8_t> settings;
  std::vector<uint8_t> factoryKeyTable;
  std::vector<uint8_t> keyMemory;  // banks at bank × 126, so consecutive 512-byte banks overlap
  std::vector<uint8_t> macroMemory;
  std::vector<uint8_t> scriptMemory;
  std::vector<uint8_t> ledFrame;
  SimulatedLedFrames ledFrames;
  unsigned hardwareLightingCommands = 0;
  unsigned restoreDefaultsCommands = 0;
};

// The frames of one length a device received; an empty record when it takes no such frame.
SimulatedFrames FramesOfLength(const SimulatedMemory& memory, size_t length);

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
  uint8_t TakeLedFrameChunk(uint16_t offset, uint8_t length, const uint8_t* data);
  uint8_t Execute(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data, uint8_t* replyData);

  SimulatedDeviceModel model_;
  SimulatedMemory memory_;
};
