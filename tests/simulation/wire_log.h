#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One report on the wire of a simulated device, in the order the device saw it.
enum class WireEvent {
  Request,       // written by the host to the command interface
  Reply,         // read by the host from the command interface
  Discarded,     // a reply the host flushed away unread
  ChangeReport,  // sent by the device on its hardware-sync interface
};

struct WireRecord {
  WireEvent event;
  std::vector<uint8_t> bytes;  // a whole 64-byte command report, or one change report
};

// "-> 0x05 read settings     len 56 off 0x0040 | 04 b2 00 ..." and the like: one line per record.
std::string FormatWireRecord(const WireRecord& record);
std::string DeviceCommandName(uint8_t command);
