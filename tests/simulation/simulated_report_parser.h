#pragma once
#include "hid_backend.h"
#include "simulated_device.h"

// The capabilities of the simulated interfaces. The command interface declares only its 64-byte
// reports; the hardware-sync interface has one input report (id 3) with one consumer usage, a
// button array of usage page 0x0C; the headset interface declares only its 17-byte output report.
class SimulatedReportParser : public HidReportParser {
 public:
  explicit SimulatedReportParser(SimulatedInterface target) : target_(target) {}

  NTSTATUS GetCaps(HIDP_CAPS& caps) const override;
  NTSTATUS GetButtonCaps(HIDP_REPORT_TYPE type, HIDP_BUTTON_CAPS* caps, USHORT& count) const override;
  NTSTATUS GetValueCaps(HIDP_REPORT_TYPE type, HIDP_VALUE_CAPS* caps, USHORT& count) const override;
  ULONG MaxUsageListLength(HIDP_REPORT_TYPE type, USAGE usagePage) const override;
  NTSTATUS GetUsages(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE* usages, ULONG& count, const uint8_t* report,
                     ULONG reportLength) const override;
  NTSTATUS GetUsageValue(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE usage, ULONG& value, const uint8_t* report,
                         ULONG reportLength) const override;
  NTSTATUS GetScaledUsageValue(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE usage, LONG& value,
                               const uint8_t* report, ULONG reportLength) const override;

 private:
  bool HasConsumerButtons(HIDP_REPORT_TYPE type, USAGE usagePage) const;
  SimulatedInterface target_;
};
