#include "hid_report_items.h"

#include <algorithm>

namespace {

HidReportItem ButtonItem(const HIDP_BUTTON_CAPS& caps, HIDP_REPORT_TYPE type, const HidReportParser& parser) {
  HidReportItem item;
  item.isButton = 1;
  item.usagePage = caps.UsagePage;
  item.reportId = caps.ReportID;
  item.usageMinimum = caps.IsRange ? caps.Range.UsageMin : caps.NotRange.Usage;
  item.usageMaximum = caps.IsRange ? caps.Range.UsageMax : caps.NotRange.Usage;
  item.usageListCapacity = parser.MaxUsageListLength(type, caps.UsagePage);
  item.usageList.assign(item.usageListCapacity, 0);
  return item;
}

HidReportItem ValueItem(const HIDP_VALUE_CAPS& caps, USAGE usage) {
  HidReportItem item;
  item.usagePage = caps.UsagePage;
  item.reportId = caps.ReportID;
  item.usage = usage;
  return item;
}

void DecodeButtons(HidReportItem& item, const uint8_t* report, ULONG reportLength, HIDP_REPORT_TYPE type,
                   const HidReportParser& parser) {
  ULONG count = item.usageListCapacity;
  item.status = parser.GetUsages(type, item.usagePage, item.usageList.data(), count, report, reportLength);
  if (item.status != HIDP_STATUS_SUCCESS) count = 0;
  count = std::min(count, item.usageListCapacity);
  // Usages of other capabilities on the same page come back too; keep only this item's range.
  auto inRange = [&item](USAGE usage) { return usage >= item.usageMinimum && usage <= item.usageMaximum; };
  auto end = std::stable_partition(item.usageList.begin(), item.usageList.begin() + count, inRange);
  if (end != item.usageList.end()) *end = 0;
}

}  // namespace

void BuildHidReportSet(const HidReportParser& parser, HIDP_REPORT_TYPE type, USHORT reportLength,
                       USHORT buttonCapCount, USHORT valueCapCount, HidReportSet& set) {
  set = HidReportSet{};
  set.buffer.assign(reportLength, 0);
  set.buttonCaps.resize(buttonCapCount);
  set.valueCaps.resize(valueCapCount);
  if (buttonCapCount) {
    parser.GetButtonCaps(type, set.buttonCaps.data(), buttonCapCount);
    set.buttonCaps.resize(std::min<size_t>(buttonCapCount, set.buttonCaps.size()));
  }
  if (valueCapCount) {
    parser.GetValueCaps(type, set.valueCaps.data(), valueCapCount);
    set.valueCaps.resize(std::min<size_t>(valueCapCount, set.valueCaps.size()));
  }
  for (const HIDP_BUTTON_CAPS& caps : set.buttonCaps) set.items.push_back(ButtonItem(caps, type, parser));
  for (const HIDP_VALUE_CAPS& caps : set.valueCaps) {
    if (!caps.IsRange) {
      set.items.push_back(ValueItem(caps, caps.NotRange.Usage));
      continue;
    }
    for (ULONG usage = caps.Range.UsageMin; usage <= caps.Range.UsageMax; ++usage)
      set.items.push_back(ValueItem(caps, static_cast<USAGE>(usage)));
  }
}

bool DecodeHidReport(std::vector<HidReportItem>& items, const uint8_t* report, ULONG reportLength,
                     HIDP_REPORT_TYPE type, const HidReportParser& parser) {
  if (reportLength == 0) return true;
  const ULONG reportId = report[0];
  for (HidReportItem& item : items) {
    if (item.reportId != reportId) continue;
    if (item.isButton) {
      DecodeButtons(item, report, reportLength, type, parser);
    } else {
      item.status = parser.GetUsageValue(type, item.usagePage, item.usage, item.rawValue, report, reportLength);
      if (item.status != HIDP_STATUS_SUCCESS) return false;
      item.status = parser.GetScaledUsageValue(type, item.usagePage, item.usage, item.scaledValue, report, reportLength);
    }
    item.isSet = 1;
  }
  return true;
}
