#include "hid_report_items.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// A parser whose answers a test sets: pressed usages per usage page, values per usage.
class ScriptedParser : public HidReportParser {
 public:
  std::map<USAGE, std::vector<USAGE>> pressed;
  std::map<USAGE, LONG> values;
  std::vector<HIDP_BUTTON_CAPS> buttonCaps;
  std::vector<HIDP_VALUE_CAPS> valueCaps;

  NTSTATUS GetCaps(HIDP_CAPS&) const override { return HIDP_STATUS_SUCCESS; }
  NTSTATUS GetButtonCaps(HIDP_REPORT_TYPE, HIDP_BUTTON_CAPS* caps, USHORT& count) const override {
    count = static_cast<USHORT>(std::min<size_t>(count, buttonCaps.size()));
    std::copy_n(buttonCaps.begin(), count, caps);
    return HIDP_STATUS_SUCCESS;
  }
  NTSTATUS GetValueCaps(HIDP_REPORT_TYPE, HIDP_VALUE_CAPS* caps, USHORT& count) const override {
    count = static_cast<USHORT>(std::min<size_t>(count, valueCaps.size()));
    std::copy_n(valueCaps.begin(), count, caps);
    return HIDP_STATUS_SUCCESS;
  }
  ULONG MaxUsageListLength(HIDP_REPORT_TYPE, USAGE) const override { return 2; }
  NTSTATUS GetUsages(HIDP_REPORT_TYPE, USAGE page, USAGE* usages, ULONG& count, const uint8_t*, ULONG) const override {
    const std::vector<USAGE>& list = pressed.at(page);
    if (list.size() > count) return HIDP_STATUS_BUFFER_TOO_SMALL;
    std::copy(list.begin(), list.end(), usages);
    count = static_cast<ULONG>(list.size());
    return HIDP_STATUS_SUCCESS;
  }
  NTSTATUS GetUsageValue(HIDP_REPORT_TYPE, USAGE, USAGE usage, ULONG& value, const uint8_t*, ULONG) const override {
    auto found = values.find(usage);
    if (found == values.end()) return HIDP_STATUS_USAGE_NOT_FOUND;
    value = static_cast<ULONG>(found->second) & 0xFF;
    return HIDP_STATUS_SUCCESS;
  }
  NTSTATUS GetScaledUsageValue(HIDP_REPORT_TYPE, USAGE, USAGE usage, LONG& value, const uint8_t*,
                               ULONG) const override {
    value = values.at(usage);
    return HIDP_STATUS_SUCCESS;
  }
};

HIDP_BUTTON_CAPS ButtonRange(USAGE page, UCHAR reportId, USAGE minimum, USAGE maximum) {
  HIDP_BUTTON_CAPS caps{};
  caps.UsagePage = page;
  caps.ReportID = reportId;
  caps.IsRange = TRUE;
  caps.Range.UsageMin = minimum;
  caps.Range.UsageMax = maximum;
  return caps;
}

HIDP_VALUE_CAPS Value(UCHAR reportId, USAGE usage) {
  HIDP_VALUE_CAPS caps{};
  caps.UsagePage = 1;
  caps.ReportID = reportId;
  caps.NotRange.Usage = usage;
  return caps;
}

// Report 1 carries buttons 1-3 of page 9 and values 0x30 and 0x31; report 2 carries value 0x38.
struct DecodeFixture : ::testing::Test {
  ScriptedParser parser;
  HidReportSet set;
  void SetUp() override {
    parser.buttonCaps = {ButtonRange(9, 1, 1, 3)};
    parser.valueCaps = {Value(1, 0x30), Value(1, 0x31), Value(2, 0x38)};
    BuildHidReportSet(parser, HidP_Input, 8, 1, 3, set);
  }
};

TEST_F(DecodeFixture, ItemsFollowTheCapabilities) {
  ASSERT_EQ(4u, set.items.size());
  EXPECT_EQ(8u, set.buffer.size());
  const HidReportItem& button = set.items[0];
  EXPECT_EQ(1, button.isButton);
  EXPECT_EQ(9, button.usagePage);
  EXPECT_EQ(1, button.usageMinimum);
  EXPECT_EQ(3, button.usageMaximum);
  EXPECT_EQ(2u, button.usageListCapacity);
  EXPECT_EQ(HIDP_STATUS_SUCCESS, button.status);
  EXPECT_EQ(0x30, set.items[1].usage);
  EXPECT_EQ(0x38, set.items[3].usage);
  EXPECT_EQ(2u, set.items[3].reportId);
}

TEST_F(DecodeFixture, ButtonsOutsideTheRangeAreDropped) {
  parser.pressed[9] = {2, 5};
  parser.values = {{0x30, -4}, {0x31, 7}};
  const uint8_t report[8] = {1};
  EXPECT_TRUE(DecodeHidReport(set.items, report, sizeof report, HidP_Input, parser));
  EXPECT_EQ((std::vector<USAGE>{2, 0}), set.items[0].usageList);
  EXPECT_EQ(-4, set.items[1].scaledValue);
  EXPECT_EQ(0xFCu, set.items[1].rawValue);
  EXPECT_EQ(1, set.items[2].isSet);
  EXPECT_EQ(0, set.items[3].isSet) << "report 2's item is not touched by report 1";
}

TEST_F(DecodeFixture, AReportOfAnotherIdChangesNothing) {
  const uint8_t report[8] = {7};
  EXPECT_TRUE(DecodeHidReport(set.items, report, sizeof report, HidP_Input, parser));
  for (const HidReportItem& item : set.items) EXPECT_EQ(0, item.isSet);
}

TEST_F(DecodeFixture, AnUnreadableValueStopsTheDecoding) {
  parser.pressed[9] = {1};
  parser.values = {{0x31, 9}};  // 0x30 is not in the report
  const uint8_t report[8] = {1};
  EXPECT_FALSE(DecodeHidReport(set.items, report, sizeof report, HidP_Input, parser));
  EXPECT_EQ(1, set.items[0].isSet);
  EXPECT_EQ(HIDP_STATUS_USAGE_NOT_FOUND, set.items[1].status);
  EXPECT_EQ(0, set.items[2].isSet) << "items after the failing one are left as they were";
}

TEST(HidReportSet, ValueRangesGiveOneItemPerUsage) {
  ScriptedParser parser;
  HIDP_VALUE_CAPS range{};
  range.IsRange = TRUE;
  range.Range.UsageMin = 3;
  range.Range.UsageMax = 5;
  HIDP_BUTTON_CAPS single{};
  single.UsagePage = 0x0C;
  single.NotRange.Usage = 0xE9;
  parser.buttonCaps = {single};
  parser.valueCaps = {range};
  HidReportSet set;
  BuildHidReportSet(parser, HidP_Feature, 4, 1, 1, set);
  ASSERT_EQ(4u, set.items.size());
  EXPECT_EQ(0xE9, set.items[0].usageMinimum);
  EXPECT_EQ(0xE9, set.items[0].usageMaximum);
  EXPECT_EQ(3, set.items[1].usage);
  EXPECT_EQ(5, set.items[3].usage);
}

}  // namespace
