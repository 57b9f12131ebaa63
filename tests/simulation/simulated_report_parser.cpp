#include "simulated_report_parser.h"

namespace {
constexpr USAGE kVendorUsagePage = 0xFF1C;
constexpr USAGE kVendorUsage = 0x92;
constexpr USAGE kConsumerUsagePage = 0x0C;
constexpr USAGE kHeadsetVendorUsagePage = 0xFF00;
constexpr USAGE kConsumerControl = 0x01;
constexpr USAGE kHighestConsumerUsage = 0x0FFF;
}  // namespace

NTSTATUS SimulatedReportParser::GetCaps(HIDP_CAPS& caps) const {
  caps = HIDP_CAPS{};
  caps.NumberLinkCollectionNodes = 1;
  switch (target_) {
    case SimulatedInterface::Command:
      caps.UsagePage = kVendorUsagePage;
      caps.Usage = kVendorUsage;
      caps.InputReportByteLength = HID_COMMAND_REPORT_SIZE;
      caps.OutputReportByteLength = HID_COMMAND_REPORT_SIZE;
      break;
    case SimulatedInterface::Sync:
      caps.UsagePage = kConsumerUsagePage;
      caps.Usage = kConsumerControl;
      caps.InputReportByteLength = 3;
      caps.NumberInputButtonCaps = 1;
      break;
    case SimulatedInterface::Headset:
      caps.UsagePage = kConsumerUsagePage;
      caps.Usage = kConsumerControl;
      caps.OutputReportByteLength = SimulatedDevice::kHeadsetReportSize;
      break;
    case SimulatedInterface::VendorControl:
      caps.UsagePage = kHeadsetVendorUsagePage;
      caps.Usage = kConsumerControl;
      break;
  }
  return HIDP_STATUS_SUCCESS;
}

bool SimulatedReportParser::HasConsumerButtons(HIDP_REPORT_TYPE type, USAGE usagePage) const {
  return target_ == SimulatedInterface::Sync && type == HidP_Input &&
         (usagePage == 0 || usagePage == kConsumerUsagePage);
}

NTSTATUS SimulatedReportParser::GetButtonCaps(HIDP_REPORT_TYPE type, HIDP_BUTTON_CAPS* caps, USHORT& count) const {
  if (!HasConsumerButtons(type, 0)) {
    count = 0;
    return HIDP_STATUS_USAGE_NOT_FOUND;
  }
  if (count < 1) return HIDP_STATUS_BUFFER_TOO_SMALL;
  caps[0] = HIDP_BUTTON_CAPS{};
  caps[0].UsagePage = kConsumerUsagePage;
  caps[0].ReportID = SimulatedDevice::kChangeReportId;
  caps[0].IsRange = TRUE;
  caps[0].Range.UsageMin = 1;
  caps[0].Range.UsageMax = kHighestConsumerUsage;
  count = 1;
  return HIDP_STATUS_SUCCESS;
}

NTSTATUS SimulatedReportParser::GetValueCaps(HIDP_REPORT_TYPE, HIDP_VALUE_CAPS*, USHORT& count) const {
  count = 0;
  return HIDP_STATUS_USAGE_NOT_FOUND;
}

ULONG SimulatedReportParser::MaxUsageListLength(HIDP_REPORT_TYPE type, USAGE usagePage) const {
  return HasConsumerButtons(type, usagePage) ? 1 : 0;
}

NTSTATUS SimulatedReportParser::GetUsages(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE* usages, ULONG& count,
                                          const uint8_t* report, ULONG reportLength) const {
  if (!HasConsumerButtons(type, usagePage)) return HIDP_STATUS_USAGE_NOT_FOUND;
  if (reportLength < 3) return HIDP_STATUS_INVALID_REPORT_LENGTH;
  if (report[0] != SimulatedDevice::kChangeReportId) return HIDP_STATUS_INCOMPATIBLE_REPORT_ID;
  const USAGE usage = static_cast<USAGE>(report[1] | report[2] << 8);
  if (usage == 0) {
    count = 0;
    return HIDP_STATUS_SUCCESS;
  }
  if (count < 1) return HIDP_STATUS_BUFFER_TOO_SMALL;
  usages[0] = usage;
  count = 1;
  return HIDP_STATUS_SUCCESS;
}

NTSTATUS SimulatedReportParser::GetUsageValue(HIDP_REPORT_TYPE, USAGE, USAGE, ULONG&, const uint8_t*, ULONG) const {
  return HIDP_STATUS_USAGE_NOT_FOUND;
}

NTSTATUS SimulatedReportParser::GetScaledUsageValue(HIDP_REPORT_TYPE, USAGE, USAGE, LONG&, const uint8_t*,
                                                    ULONG) const {
  return HIDP_STATUS_USAGE_NOT_FOUND;
}
