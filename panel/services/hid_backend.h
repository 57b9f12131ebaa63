#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hid_api.h"

// The narrow seam below HidDevice. One side makes the Windows calls (SetupAPI, overlapped file
// I/O, HidD_/HidP_); the other is the simulated devices that tests and the demo run use.

// The HID parser of one open interface (what Windows calls its preparsed data).
class HidReportParser {
 public:
  virtual ~HidReportParser() = default;
  virtual NTSTATUS GetCaps(HIDP_CAPS& caps) const = 0;
  // All capabilities of a report type; count is the capacity on entry, the number filled after.
  virtual NTSTATUS GetButtonCaps(HIDP_REPORT_TYPE type, HIDP_BUTTON_CAPS* caps, USHORT& count) const = 0;
  virtual NTSTATUS GetValueCaps(HIDP_REPORT_TYPE type, HIDP_VALUE_CAPS* caps, USHORT& count) const = 0;
  virtual ULONG MaxUsageListLength(HIDP_REPORT_TYPE type, USAGE usagePage) const = 0;
  virtual NTSTATUS GetUsages(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE* usages, ULONG& count,
                             const uint8_t* report, ULONG reportLength) const = 0;
  virtual NTSTATUS GetUsageValue(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE usage, ULONG& value,
                                 const uint8_t* report, ULONG reportLength) const = 0;
  virtual NTSTATUS GetScaledUsageValue(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE usage, LONG& value,
                                       const uint8_t* report, ULONG reportLength) const = 0;
};

// The events a read or write waits on: its own completion event and the device's abort event.
struct HidIoEvents {
  HANDLE completion;
  HANDLE abort;
};

// One opened interface.
class HidConnection {
 public:
  virtual ~HidConnection() = default;
  virtual bool GetAttributes(HIDD_ATTRIBUTES& attributes) = 0;
  virtual std::unique_ptr<HidReportParser> GetParser() = 0;  // null when the interface has none
  // True when the transfer completed within the time-out; false on failure, time-out or abort.
  // A transfer that did not complete is cancelled and finished before the call returns.
  virtual bool Read(void* buffer, DWORD length, DWORD timeoutMs, const HidIoEvents& events, DWORD& transferred) = 0;
  virtual bool Write(const void* buffer, DWORD length, DWORD timeoutMs, const HidIoEvents& events,
                     DWORD& transferred) = 0;
  // Sends one output report through the HID class driver (HidD_SetOutputReport), not the
  // interrupt pipe; it has no time-out. True when the device took it.
  virtual bool SetOutputReport(const void* report, DWORD length) = 0;
  // Drops input reports that arrived before now.
  virtual void FlushInput() = 0;
};

enum class InterfaceQuery {
  Found,        // path filled
  Unavailable,  // the interface exists but its path could not be read (gone during the walk)
  NoMoreItems,
};

// The present HID interfaces, walked by index.
class HidInterfaceList {
 public:
  virtual ~HidInterfaceList() = default;
  virtual InterfaceQuery Query(uint32_t index, std::wstring& path) = 0;
};

struct HidOpenMode {
  bool read;
  bool write;
  bool overlapped;
  bool exclusive;  // share for reading only
};

class HidBackend {
 public:
  virtual ~HidBackend() = default;
  virtual std::unique_ptr<HidInterfaceList> ListPresentInterfaces() = 0;  // null: no list at all
  virtual std::unique_ptr<HidConnection> Open(const std::wstring& path, const HidOpenMode& mode) = 0;
  // Opens the path with no access rights and closes it again: is the interface still there?
  virtual bool IsPresent(const std::wstring& path) = 0;
};

// The backend that HidDevice objects use when none is given: the Windows one, unless a program
// built with the simulation has installed another. Passing null restores the Windows one.
HidBackend& CurrentHidBackend();
void InstallHidBackend(HidBackend* backend);
