#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One report on the wire of a simulated device, in the order the device saw it.
enum class WireEvent {
  Request,       // written by the host to the command interface
  Reply,         // read by the host from the command interface
  Discarded,     // a reply the host flushed away unread
  ChangeReport,  // sent by the device on its hardware-sync interface
  OutputReport,  // sent by the host through the class driver (HidD_SetOutputReport)
};

struct WireRecord {
  WireEvent event;
  std::vector<uint8_t> bytes;  // a whole report, its id included
};

// The newest records of one device's wire, oldest first. Its storage is taken whole when it is
// made and each new record past the capacity takes the place of the oldest, so a device that runs
// for hours keeps a log of fixed size, and appending never allocates.
class WireLogRing {
 public:
  static constexpr size_t kDefaultCapacity = 8192;
  static constexpr size_t kLongestReport = 64;  // no report on the seam is longer

  explicit WireLogRing(size_t capacity = kDefaultCapacity) : slots_(capacity ? capacity : 1) {}

  void Append(WireEvent event, const uint8_t* bytes, size_t length);
  std::vector<WireRecord> Records() const;
  void Clear();

 private:
  struct Slot {
    WireEvent event;
    uint8_t length;
    std::array<uint8_t, kLongestReport> bytes;
  };
  WireRecord RecordOf(const Slot& slot) const;

  std::vector<Slot> slots_;
  size_t count_ = 0;   // records held, up to the capacity
  size_t oldest_ = 0;  // once full, the slot the next record overwrites
};

// "-> 0x05 read settings     len 56 off 0x0040 | 04 b2 00 ..." and the like: one line per record.
std::string FormatWireRecord(const WireRecord& record);
std::string DeviceCommandName(uint8_t command);
