#include "wire_log.h"

#include <algorithm>
#include <cstdio>

#include "device_command_report.h"

namespace {
std::string Hex(const std::vector<uint8_t>& bytes, size_t from, size_t count) {
  std::string text;
  char cell[4];
  for (size_t i = from; i < bytes.size() && i < from + count; ++i) {
    std::snprintf(cell, sizeof cell, "%02x ", bytes[i]);
    text += cell;
  }
  if (!text.empty()) text.pop_back();
  return text;
}

bool CarriesData(uint8_t command) {
  switch (command) {
    case DEVICE_COMMAND_WRITE_SETTINGS:
    case DEVICE_COMMAND_WRITE_KEY_TABLE:
    case DEVICE_COMMAND_LED_FRAME:
    case DEVICE_COMMAND_WRITE_MACRO_MEMORY:
    case DEVICE_COMMAND_WRITE_SCRIPT_MEMORY: return true;
    default: return false;
  }
}

// Requests show their fields and all the data they carry (a key table written can be read back
// from the log); replies their status and the start of their data.
std::string FormatRequest(const std::vector<uint8_t>& r) {
  char head[96];
  std::snprintf(head, sizeof head, "-> 0x%02x %-22s len %2u off 0x%04x sum 0x%04x", r[COMMAND_FIELD_COMMAND],
                DeviceCommandName(r[COMMAND_FIELD_COMMAND]).c_str(), r[COMMAND_FIELD_LENGTH],
                CommandReportOffset(r.data()), r[COMMAND_FIELD_CHECKSUM] | r[COMMAND_FIELD_CHECKSUM + 1] << 8);
  if (!CarriesData(r[COMMAND_FIELD_COMMAND])) return head;
  return head + (" | " + Hex(r, COMMAND_FIELD_DATA, r[COMMAND_FIELD_LENGTH]));
}

std::string FormatReply(const char* arrow, const std::vector<uint8_t>& r) {
  char head[48];
  std::snprintf(head, sizeof head, "%s status 0x%02x | ", arrow, r[COMMAND_FIELD_STATUS]);
  return head + Hex(r, COMMAND_FIELD_DATA, 16);
}
}  // namespace

std::string DeviceCommandName(uint8_t command) {
  switch (command) {
    case DEVICE_COMMAND_BEGIN_TRANSFER: return "begin transfer";
    case DEVICE_COMMAND_END_TRANSFER: return "end transfer";
    case DEVICE_COMMAND_READ_DEVICE_INFO: return "read device info";
    case DEVICE_COMMAND_READ_SETTINGS: return "read settings";
    case DEVICE_COMMAND_WRITE_SETTINGS: return "write settings";
    case DEVICE_COMMAND_READ_FACTORY_KEY_TABLE: return "read factory key table";
    case DEVICE_COMMAND_READ_KEY_TABLE: return "read key table";
    case DEVICE_COMMAND_WRITE_KEY_TABLE: return "write key table";
    case DEVICE_COMMAND_RESTORE_DEFAULTS: return "restore defaults";
    case DEVICE_COMMAND_LED_FRAME: return "LED frame";
    case DEVICE_COMMAND_HARDWARE_LIGHTING: return "hardware lighting";
    case DEVICE_COMMAND_WRITE_MACRO_MEMORY: return "write macro memory";
    case DEVICE_COMMAND_WRITE_SCRIPT_MEMORY: return "write script memory";
    default: return "unknown";
  }
}

std::string FormatWireRecord(const WireRecord& record) {
  switch (record.event) {
    case WireEvent::Request: return FormatRequest(record.bytes);
    case WireEvent::Reply: return FormatReply("<-", record.bytes);
    case WireEvent::Discarded: return FormatReply("x- discarded", record.bytes);
    case WireEvent::ChangeReport: return "<~ change report | " + Hex(record.bytes, 0, record.bytes.size());
    case WireEvent::OutputReport: return "=> output report | " + Hex(record.bytes, 0, record.bytes.size());
  }
  return {};
}

void WireLogRing::Append(WireEvent event, const uint8_t* bytes, size_t length) {
  const size_t kept = std::min(length, kLongestReport);
  Slot& slot = slots_[(oldest_ + count_) % slots_.size()];  // once full, that is the oldest
  if (count_ < slots_.size()) ++count_;
  else oldest_ = (oldest_ + 1) % slots_.size();
  slot.event = event;
  slot.length = static_cast<uint8_t>(kept);
  std::copy(bytes, bytes + kept, slot.bytes.begin());
}

WireRecord WireLogRing::RecordOf(const Slot& slot) const {
  return {slot.event, std::vector<uint8_t>(slot.bytes.begin(), slot.bytes.begin() + slot.length)};
}

std::vector<WireRecord> WireLogRing::Records() const {
  std::vector<WireRecord> records;
  records.reserve(count_);
  for (size_t i = 0; i < count_; ++i) records.push_back(RecordOf(slots_[(oldest_ + i) % slots_.size()]));
  return records;
}

void WireLogRing::Clear() {
  count_ = 0;
  oldest_ = 0;
}
