#include "simulated_firmware.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr uint8_t kStatusAccepted = 0x00;
constexpr uint16_t kBankStride = 126;
constexpr int kBanks = 5;
constexpr size_t kTableSize = 512;

bool Fits(const std::vector<uint8_t>& area, uint16_t offset, uint8_t length) {
  return static_cast<size_t>(offset) + length <= area.size();
}

uint8_t ReadArea(const std::vector<uint8_t>& area, uint16_t offset, uint8_t length, uint8_t* replyData) {
  if (!Fits(area, offset, length)) return DEVICE_STATUS_REFUSED;
  std::memcpy(replyData, area.data() + offset, length);
  return kStatusAccepted;
}

uint8_t WriteArea(std::vector<uint8_t>& area, uint16_t offset, uint8_t length, const uint8_t* data) {
  if (!Fits(area, offset, length)) return DEVICE_STATUS_REFUSED;
  std::memcpy(area.data() + offset, data, length);
  return kStatusAccepted;
}

bool ChecksumMatches(const uint8_t* request) {
  const uint8_t command = request[COMMAND_FIELD_COMMAND];
  // These two travel with a zero checksum by design.
  if (command == DEVICE_COMMAND_RESTORE_DEFAULTS || command == DEVICE_COMMAND_HARDWARE_LIGHTING) return true;
  const uint16_t carried =
      static_cast<uint16_t>(request[COMMAND_FIELD_CHECKSUM] | request[COMMAND_FIELD_CHECKSUM + 1] << 8);
  return carried == CommandReportChecksum(request);
}
}  // namespace

SimulatedFirmware::SimulatedFirmware(SimulatedDeviceModel model) : model_(std::move(model)) { RestoreDefaults(); }

void SimulatedFirmware::RestoreDefaults() {
  memory_.settings = model_.factorySettings;
  memory_.factoryKeyTable.clear();
  memory_.keyMemory.clear();
  if (!model_.factoryKeyTable.empty()) {
    memory_.factoryKeyTable = model_.factoryKeyTable;
    memory_.factoryKeyTable.resize(kTableSize, 0);
    // Every bank starts as the factory table. Written from the last bank down, bank 0 ends intact
    // and each later bank keeps its first 126 bytes before the next bank's start overwrites it;
    // only the table's own bytes are written, so a short table's zero tail overwrites nothing.
    memory_.keyMemory.assign((kBanks - 1) * kBankStride + kTableSize, 0);
    const size_t length = std::min(model_.factoryKeyTable.size(), kTableSize);
    for (int bank = kBanks - 1; bank >= 0; --bank)
      std::copy_n(model_.factoryKeyTable.begin(), length, memory_.keyMemory.begin() + bank * kBankStride);
  }
  memory_.macroMemory.assign(model_.info.MacroMemoryUnits() * 128u, 0);
  memory_.scriptMemory.assign(model_.scriptMemorySize, 0);
  memory_.ledFrame.assign(model_.ledFrameSize, 0);
}

CommandReport SimulatedFirmware::Answer(const uint8_t* request) {
  CommandReport reply{};
  reply[COMMAND_FIELD_REPORT_ID] = HID_COMMAND_REPORT_ID;
  const uint8_t length = request[COMMAND_FIELD_LENGTH];
  if (!ChecksumMatches(request)) {
    reply[COMMAND_FIELD_STATUS] = DEVICE_STATUS_REJECTED;
  } else if (length > HID_COMMAND_CHUNK_SIZE) {
    reply[COMMAND_FIELD_STATUS] = DEVICE_STATUS_REFUSED;
  } else {
    reply[COMMAND_FIELD_STATUS] = Execute(request[COMMAND_FIELD_COMMAND], length, CommandReportOffset(request),
                                          request + COMMAND_FIELD_DATA, &reply[COMMAND_FIELD_DATA]);
  }
  return reply;
}

uint8_t SimulatedFirmware::Execute(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data,
                                   uint8_t* replyData) {
  switch (command) {
    case DEVICE_COMMAND_BEGIN_TRANSFER:
    case DEVICE_COMMAND_END_TRANSFER:
      return kStatusAccepted;
    case DEVICE_COMMAND_READ_DEVICE_INFO:
      std::memcpy(replyData, model_.info.bytes, DeviceInfo::kSize);
      return kStatusAccepted;
    case DEVICE_COMMAND_READ_SETTINGS: return ReadArea(memory_.settings, offset, length, replyData);
    case DEVICE_COMMAND_WRITE_SETTINGS: return WriteArea(memory_.settings, offset, length, data);
    case DEVICE_COMMAND_READ_FACTORY_KEY_TABLE:
      return ReadArea(memory_.factoryKeyTable, offset, length, replyData);
    case DEVICE_COMMAND_READ_KEY_TABLE: return ReadArea(memory_.keyMemory, offset, length, replyData);
    case DEVICE_COMMAND_WRITE_KEY_TABLE: return WriteArea(memory_.keyMemory, offset, length, data);
    case DEVICE_COMMAND_RESTORE_DEFAULTS:
      // The memory only: what the device counted stays.
      RestoreDefaults();
      ++memory_.restoreDefaultsCommands;
      return kStatusAccepted;
    case DEVICE_COMMAND_LED_FRAME: {
      const uint8_t status = TakeLedFrameChunk(offset, length, data);
      if (status != kStatusAccepted) return status;
      ++memory_.ledFrames.commands;
      if (offset + length == memory_.ledFrame.size()) ++memory_.ledFrames.whole;
      return status;
    }
    case DEVICE_COMMAND_HARDWARE_LIGHTING:
      ++memory_.hardwareLightingCommands;
      return kStatusAccepted;
    case DEVICE_COMMAND_WRITE_MACRO_MEMORY: return WriteArea(memory_.macroMemory, offset, length, data);
    case DEVICE_COMMAND_WRITE_SCRIPT_MEMORY: return WriteArea(memory_.scriptMemory, offset, length, data);
    default: return DEVICE_STATUS_REFUSED;
  }
}

uint8_t SimulatedFirmware::TakeLedFrameChunk(uint16_t offset, uint8_t length, const uint8_t* data) {
  const uint8_t status = WriteArea(memory_.ledFrame, offset, length, data);
  if (status != kStatusAccepted) return status;
  std::vector<SimulatedFrames>& byLength = memory_.ledFrames.byLength;
  byLength.resize(model_.ledFrameLengths.size());
  for (size_t i = 0; i < model_.ledFrameLengths.size(); ++i) {
    const size_t frameLength = model_.ledFrameLengths[i];
    SimulatedFrames& frames = byLength[i];
    frames.length = frameLength;
    if (offset + length > frameLength) continue;
    frames.building.resize(frameLength);
    std::memcpy(frames.building.data() + offset, data, length);
    if (offset + length == frameLength && frameLength - offset <= HID_COMMAND_CHUNK_SIZE) {
      ++frames.count;
      frames.last = frames.building;
    }
  }
  return status;
}

SimulatedFrames FramesOfLength(const SimulatedMemory& memory, size_t length) {
  for (const SimulatedFrames& frames : memory.ledFrames.byLength)
    if (frames.length == length) return frames;
  return {};
}
