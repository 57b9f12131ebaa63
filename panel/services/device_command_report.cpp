#include "device_command_report.h"

#include <algorithm>
#include <cstring>

uint16_t CommandReportChecksum(const uint8_t* report) {
  uint32_t sum = 0;
  for (size_t i = COMMAND_FIELD_COMMAND; i < HID_COMMAND_REPORT_SIZE; ++i) sum += report[i];
  return static_cast<uint16_t>(sum);
}

void StoreCommandChecksum(CommandReport& report) {
  uint16_t checksum = CommandReportChecksum(report.data());
  report[COMMAND_FIELD_CHECKSUM] = static_cast<uint8_t>(checksum);
  report[COMMAND_FIELD_CHECKSUM + 1] = static_cast<uint8_t>(checksum >> 8);
}

uint16_t CommandReportOffset(const uint8_t* report) {
  return static_cast<uint16_t>(report[COMMAND_FIELD_OFFSET] | report[COMMAND_FIELD_OFFSET + 1] << 8);
}

void StoreCommandOffset(CommandReport& report, uint16_t offset) {
  report[COMMAND_FIELD_OFFSET] = static_cast<uint8_t>(offset);
  report[COMMAND_FIELD_OFFSET + 1] = static_cast<uint8_t>(offset >> 8);
}

CommandReport BuildCommandRequest(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data,
                                  size_t dataLength) {
  CommandReport report{};
  report[COMMAND_FIELD_REPORT_ID] = HID_COMMAND_REPORT_ID;
  report[COMMAND_FIELD_COMMAND] = command;
  report[COMMAND_FIELD_LENGTH] = length;
  StoreCommandOffset(report, offset);
  if (data) std::memcpy(&report[COMMAND_FIELD_DATA], data, std::min(dataLength, HID_COMMAND_CHUNK_SIZE));
  StoreCommandChecksum(report);
  return report;
}
