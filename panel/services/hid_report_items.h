#pragma once
#include <cstdint>
#include <vector>

#include "hid_backend.h"

// One decoded element of a report: a button capability (the usages pressed in its range) or one
// usage of a value capability (its raw and scaled value).
struct HidReportItem {
  uint8_t isButton = 0;
  USAGE usagePage = 0;
  NTSTATUS status = HIDP_STATUS_SUCCESS;  // of the last parser call for this item
  ULONG reportId = 0;
  uint8_t isSet = 0;  // filled from a received report at least once
  // Button items.
  USAGE usageMinimum = 0;
  USAGE usageMaximum = 0;
  ULONG usageListCapacity = 0;
  std::vector<USAGE> usageList;  // pressed usages in report order, ended by 0 when not full
  // Value items.
  USAGE usage = 0;
  ULONG rawValue = 0;
  LONG scaledValue = 0;
};

// What an open interface keeps per report type (input, output, feature).
struct HidReportSet {
  std::vector<uint8_t> buffer;  // one report of the type's length
  std::vector<HidReportItem> items;
  std::vector<HIDP_BUTTON_CAPS> buttonCaps;
  std::vector<HIDP_VALUE_CAPS> valueCaps;
};

// Fills the set for one report type from the parser: the buffer, both capability arrays, then one
// item per button capability followed by one item per value usage.
void BuildHidReportSet(const HidReportParser& parser, HIDP_REPORT_TYPE type, USHORT reportLength,
                       USHORT buttonCapCount, USHORT valueCapCount, HidReportSet& set);

// Fills the items whose report id is the report's first byte. False at the first value item whose
// raw value cannot be read (the items after it keep what they held).
bool DecodeHidReport(std::vector<HidReportItem>& items, const uint8_t* report, ULONG reportLength,
                     HIDP_REPORT_TYPE type, const HidReportParser& parser);
