// The route index on fixture tables, the bounds of numbered edits, and the pointer appliers.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "edit_clamp.h"
#include "mouse_state.h"
#include "notification_router.h"
#include "pointer_settings_applier.h"
#include "worker_threads.h"

namespace {

constexpr NotifyType kClick = NotifyType::Click;
constexpr NotifyType kSelect = NotifyType::SelectChanged;

TEST(RouteIndex, FindsExactNamesAndNumberedNamesInTheirRangeWithoutRegardToCase) {
  std::vector<std::wstring> refused;
  const RouteIndex index = RouteIndex::Build({{
                                                 NumberedRoute(kClick, L"kb_key_", 0, 125, nullptr),
                                                 NumberedRoute(kClick, L"ms_key_", 0, 8, nullptr),
                                                 ExactRoute(kClick, L"ms_key_butt_keysave", nullptr),
                                             },
                                             {ExactRoute(kSelect, L"kb_tab", nullptr)}},
                                             refused);
  ASSERT_TRUE(refused.empty());
  const struct {
    NotifyType type;
    const wchar_t* name;
    const wchar_t* route;  // null: nothing acts
    int number;
  } cases[] = {
      {kClick, L"KB_KEY_5", L"kb_key_", 5},
      {kClick, L"kb_key_", L"kb_key_", 0},
      {kClick, L"kb_key_x", L"kb_key_", 0},
      {kClick, L"kb_key_125", L"kb_key_", 125},
      {kClick, L"kb_key_126", nullptr, 0},
      {kClick, L"kb_key_-1", nullptr, 0},
      {kClick, L"ms_key_8", L"ms_key_", 8},
      {kClick, L"ms_key_9", nullptr, 0},
      {kClick, L"ms_key_butt_keysave", L"ms_key_butt_keysave", 0},
      {kClick, L"ms_key_butt_keysav", nullptr, 0},
      {kClick, L"kb_tab", nullptr, 0},
      {kSelect, L"KB_Tab", L"kb_tab", 0},
      {kSelect, L"kb_key_5", nullptr, 0},
      {kClick, L"keyboard", nullptr, 0},
      {kClick, L"", nullptr, 0},
  };
  for (const auto& c : cases) {
    const RouteMatch match = index.Find(c.type, c.name);
    if (!c.route) {
      EXPECT_EQ(match.route, nullptr) << c.name;
      continue;
    }
    ASSERT_NE(match.route, nullptr) << c.name;
    EXPECT_EQ(match.route->name, c.route) << c.name;
    EXPECT_EQ(match.number, c.number) << c.name;
  }
}

TEST(RouteIndex, RefusesRowsThatWouldMakeANameAmbiguousAndKeepsTheFirst) {
  std::vector<std::wstring> refused;
  const RouteIndex index = RouteIndex::Build({{
                                                 ExactRoute(kClick, L"dpi_btn", nullptr),
                                                 NumberedRoute(kClick, L"kb_key_", 0, 125, nullptr),
                                                 ExactRoute(kSelect, L"dpi_btn", nullptr),
                                             },
                                             {
                                                 ExactRoute(kClick, L"DPI_BTN", nullptr),
                                                 NumberedRoute(kClick, L"KB_KEY_", 0, 3, nullptr),
                                                 ExactRoute(kClick, L"kb_key_7", nullptr),
                                                 NumberedRoute(kClick, L"kb_dkey", 0, 3, nullptr),
                                                 NumberedRoute(kClick, L"ms_key_", 5, 4, nullptr),
                                             }},
                                             refused);
  EXPECT_EQ(refused.size(), 5u);
  EXPECT_EQ(index.Find(kClick, L"dpi_btn").route->name, L"dpi_btn");
  EXPECT_NE(index.Find(kSelect, L"dpi_btn").route, nullptr) << "the same name under another type is no duplicate";
  const RouteMatch key = index.Find(kClick, L"kb_key_100");
  ASSERT_NE(key.route, nullptr);
  EXPECT_EQ(key.route->name, L"kb_key_") << "the first prefix keeps its range";
  EXPECT_EQ(index.Find(kClick, L"kb_key_7").number, 7) << "the exact name with a numbered prefix was refused";
  EXPECT_EQ(index.Find(kClick, L"ms_key_4").route, nullptr);
}

TEST(EditBounds, ClampToTheRowsBoundsAndSayWhetherTheEditMustChange) {
  const struct {
    const wchar_t* text;
    int upper;
    bool lowerOne;
    int value;
    bool clamped;
  } cases[] = {
      {L"300", 255, false, 255, true},  {L"0", 255, false, 0, false},    {L"20", 15, false, 15, true},
      {L"15", 15, false, 15, false},    {L"0", 255, true, 1, true},      {L"-5", 255, true, 1, true},
      {L"-5", 255, false, 0, true},     {L"abc", 255, false, 0, false},  {L"abc", 255, true, 1, true},
      {L" 42xyz", 255, false, 42, false}, {L"+7", 100, true, 7, false},  {L"99999999999", 65535, false, 65535, true},
      {L"-99999999999", 65535, false, 0, true},
  };
  for (const auto& c : cases) {
    const ClampedNumber number = ClampEditNumber(c.text, c.upper, c.lowerOne);
    EXPECT_EQ(number.value, c.value) << c.text << " " << c.upper;
    EXPECT_EQ(number.clamped, c.clamped) << c.text << " " << c.upper;
  }
}

bool Eventually(const std::function<bool()>& done) {
  for (int i = 0; i < 500 && !done(); ++i) Sleep(10);
  return done();
}

UINT WindowsWheelLines() {
  UINT lines = 0;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return lines;
}

// Each request re-reads the value, so however the appliers interleave, the last value wins.
TEST(PointerSettingApplier, ABurstOfRequestsLeavesTheLastValueApplied) {
  for (uint8_t lines = 1; lines <= 30; ++lines) {
    MouseWheelLines = lines;
    ASSERT_TRUE(StartPointerSettingApplier(PointerSetting::WheelLines));
  }
  EXPECT_TRUE(Eventually([] { return WindowsWheelLines() == 30; }));
  Sleep(100);
  EXPECT_EQ(WindowsWheelLines(), 30u) << "no later applier brought back an older value";

  MousePointerSpeed = 25;
  ASSERT_TRUE(StartPointerSettingApplier(PointerSetting::Speed));
  EXPECT_TRUE(Eventually([] { return MousePointerSpeed.load() == 20; })) << "applied within what Windows takes";

  MouseWheelLines = 3;
  StartPointerSettingApplier(PointerSetting::WheelLines);
  EXPECT_TRUE(Eventually([] { return WindowsWheelLines() == 3; }));
}

}  // namespace
