#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The 64-byte report of the vendor command protocol of keyboard, mouse and mouse pad, the same in
// both directions. Replies carry no echo of the request: only the status byte and the data.
constexpr uint8_t HID_COMMAND_REPORT_ID = 4;
constexpr size_t HID_COMMAND_REPORT_SIZE = 64;
constexpr size_t HID_COMMAND_CHUNK_SIZE = 56;

using CommandReport = std::array<uint8_t, HID_COMMAND_REPORT_SIZE>;

// Byte positions in the report.
enum CommandReportField : size_t {
  COMMAND_FIELD_REPORT_ID = 0,
  COMMAND_FIELD_CHECKSUM = 1,  // u16 little-endian: sum of bytes 3 to 63
  COMMAND_FIELD_COMMAND = 3,
  COMMAND_FIELD_LENGTH = 4,
  COMMAND_FIELD_OFFSET = 5,  // u16 little-endian device address
  COMMAND_FIELD_STATUS = 7,
  COMMAND_FIELD_DATA = 8,
};

enum DeviceCommandCode : uint8_t {
  DEVICE_COMMAND_BEGIN_TRANSFER = 0x01,
  DEVICE_COMMAND_END_TRANSFER = 0x02,
  DEVICE_COMMAND_READ_DEVICE_INFO = 0x03,
  DEVICE_COMMAND_READ_SETTINGS = 0x05,
  DEVICE_COMMAND_WRITE_SETTINGS = 0x06,
  DEVICE_COMMAND_READ_FACTORY_KEY_TABLE = 0x07,
  DEVICE_COMMAND_READ_KEY_TABLE = 0x08,
  DEVICE_COMMAND_WRITE_KEY_TABLE = 0x09,
  DEVICE_COMMAND_RESTORE_DEFAULTS = 0x0D,
  DEVICE_COMMAND_LED_FRAME = 0x12,
  DEVICE_COMMAND_HARDWARE_LIGHTING = 0x13,
  DEVICE_COMMAND_WRITE_MACRO_MEMORY = 0x15,
  DEVICE_COMMAND_WRITE_SCRIPT_MEMORY = 0x17,
};

// Reply status values that refuse a request; any other value accepts it.
constexpr uint8_t DEVICE_STATUS_REFUSED = 0xFF;
constexpr uint8_t DEVICE_STATUS_REJECTED = 0xFE;

// Results of the channel and of every command.
enum DeviceResult : int {
  DEVICE_RESULT_OK = 1,
  DEVICE_RESULT_NO_ANSWER = 0,  // also: not connected
  DEVICE_RESULT_WRITE_FAILED = -1,
  DEVICE_RESULT_STATUS_FF = -102,
  DEVICE_RESULT_STATUS_FE = -103,
  DEVICE_RESULT_BANK_OUT_OF_RANGE = -201,
};

// Sum of the unsigned bytes 3 to 63, low 16 bits.
uint16_t CommandReportChecksum(const uint8_t* report);
void StoreCommandChecksum(CommandReport& report);
uint16_t CommandReportOffset(const uint8_t* report);
void StoreCommandOffset(CommandReport& report, uint16_t offset);

// A request with the command, length, offset and up to 56 data bytes in place and its checksum set.
CommandReport BuildCommandRequest(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data = nullptr,
                                  size_t dataLength = 0);
