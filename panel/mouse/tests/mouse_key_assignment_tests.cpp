#include <gtest/gtest.h>

#include "mouse_key_assignment.h"

namespace {

const KeyAssignment kFactory = {KEY_FUNC_MOUSE_BUTTON, 2, 0};
const KeyAssignment kNothingEdited = {};

MouseKeyPageView Wheel(int direction, int amount, int high, int low) {
  MouseKeyPageView view;
  view.direction = direction;
  view.amount = amount;
  view.highNibble = high;
  view.lowNibble = low;
  return view;
}

MouseKeyPageView Macro(int item, int playMode, int repeat) {
  MouseKeyPageView view;
  view.macroItem = item;
  view.playMode = playMode;
  view.repeat = repeat;
  return view;
}

MouseKeyPageView Row(int item) {
  MouseKeyPageView view;
  view.rowItem = item;
  view.scriptSlot = item;
  return view;
}

TEST(MouseKeyAssignment, EachPageBuildsItsTripleAndStoresNothingWithoutAChoice) {
  struct Case {
    const char* what;
    uint8_t code;
    MouseKeyPageView view;
    std::optional<KeyAssignment> built;
  };
  const Case cases[] = {
      {"default gives the factory entry", KEY_FUNC_DEFAULT, {}, kFactory},
      {"wheel right, amount 3, nibbles 2 and 5", KEY_FUNC_WHEEL_H, Wheel(1, 3, 2, 5), KeyAssignment{0x11, 0x25, 0x83}},
      {"wheel up", KEY_FUNC_WHEEL_V, Wheel(0, 127, 15, 15), KeyAssignment{0x12, 0xFF, 0x7F}},
      {"negative wheel numbers clamp at 0", KEY_FUNC_WHEEL_V, Wheel(1, -3, -1, -20), KeyAssignment{0x12, 0, 0x80}},
      {"wheel amounts above the range clamp", KEY_FUNC_WHEEL_H, Wheel(0, 500, 99, 16), KeyAssignment{0x11, 0xFF, 0x7F}},
      {"wheel without a direction", KEY_FUNC_WHEEL_H, Wheel(-1, 3, 2, 5), std::nullopt},
      {"DPI row 2 cycles", KEY_FUNC_DPI, Row(2), KeyAssignment{0x13, 3, 0}},
      {"a row page with no row", KEY_FUNC_MOUSE_BUTTON, Row(-1), std::nullopt},
      {"a row past the table", KEY_FUNC_SYSTEM, Row(3), std::nullopt},
      {"play mode 2", KEY_FUNC_MACRO, Macro(7, 2, 1), KeyAssignment{0x70, 7, 2}},
      {"repeat 0 becomes 1", KEY_FUNC_MACRO, Macro(3, 4, 0), KeyAssignment{0x71, 3, 1}},
      {"repeat 300 becomes 255", KEY_FUNC_MACRO, Macro(3, 4, 300), KeyAssignment{0x71, 3, 255}},
      {"no macro selected", KEY_FUNC_MACRO, Macro(-1, 0, 1), std::nullopt},
      {"cursor script slot 2", KEY_FUNC_CURSOR_SCRIPT, Row(2), KeyAssignment{0x72, 2, 0}},
      {"no cursor script selected", KEY_FUNC_CURSOR_SCRIPT, Row(-1), std::nullopt},
      {"a code no page offers", 0x90, {}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto built = BuildMouseKeyAssignment(c.code, c.view, kNothingEdited, kFactory, true);
    ASSERT_EQ(c.built.has_value(), built.has_value());
    if (built) {
      EXPECT_EQ(*c.built, *built);
    }
  }
}

TEST(MouseKeyAssignment, TheKeyboardKeyPageStoresTheCaptureOnlyWithAKeyName) {
  const KeyAssignment captured = {KEY_FUNC_KEY, 0x02, 0x04};
  MouseKeyPageView view;
  view.modifierItem = 2;
  EXPECT_EQ(captured, BuildMouseKeyAssignment(KEY_FUNC_KEY, view, captured, kFactory, true).value());
  EXPECT_FALSE(BuildMouseKeyAssignment(KEY_FUNC_KEY, view, captured, kFactory, false));
  view.modifierItem = 0;
  EXPECT_EQ((KeyAssignment{KEY_FUNC_KEY, 0, 0x04}), BuildMouseKeyAssignment(KEY_FUNC_KEY, view, captured, kFactory, true));
}

TEST(MouseKeyAssignment, OpeningShowsWhatTheBuildWouldStoreAgain) {
  const KeyAssignment stored[] = {{0x11, 0x25, 0x83}, {0x12, 0x0F, 0x05}, {0x13, 2, 0}, {0x14, 9, 200},
                                  {0x71, 3, 9},       {0x70, 1, 3},       {0x72, 3, 0}, {0x20, 0x02, 0x04},
                                  {0x20, 0, 0x05},
                                  {0x30, CONSUMER_FUNCTIONS.rows[1].p1, CONSUMER_FUNCTIONS.rows[1].p2}};
  for (const KeyAssignment& a : stored) {
    SCOPED_TRACE(testing::Message() << int(a.code) << "," << int(a.p1) << "," << int(a.p2));
    const MouseKeyPageView view = OpenMouseKeyAssignment(a, kFactory, 4);
    ASSERT_GE(view.page, 0);
    const bool hasKey = view.keyRow >= 0;
    const auto rebuilt = BuildMouseKeyAssignment(MOUSE_KEY_FUNCTION_PAGES[view.page].code, view, a, kFactory, hasKey);
    EXPECT_EQ(a, rebuilt.value_or(KeyAssignment{0xEE, 0, 0}));
  }
}

TEST(MouseKeyAssignment, OpeningNamesTheFactoryEntryDefaultAndAnUnknownMacroNone) {
  EXPECT_EQ(MOUSE_PAGE_DEFAULT, OpenMouseKeyAssignment(kFactory, kFactory, 0).page);
  const MouseKeyPageView wheel = OpenMouseKeyAssignment({0x11, 0x25, 0x83}, kFactory, 0);
  EXPECT_EQ(MOUSE_PAGE_WHEEL_H, wheel.page);
  EXPECT_EQ(1, wheel.direction);
  EXPECT_EQ(3, wheel.amount);
  EXPECT_EQ(2, wheel.highNibble);
  EXPECT_EQ(5, wheel.lowNibble);
  const MouseKeyPageView macro = OpenMouseKeyAssignment({0x70, 4, 0}, kFactory, 4);
  EXPECT_EQ(MOUSE_PAGE_MACRO, macro.page);
  EXPECT_EQ(-1, macro.macroItem);
  EXPECT_EQ(-1, OpenMouseKeyAssignment({0x90, 0, 0}, kFactory, 0).page);
}

TEST(MouseKeyAssignment, CaptureFindsTheKeyAndTakesTheChosenModifier) {
  struct Case {
    const char* what;
    DWORD virtualKey;
    DWORD flags;
    int modifierItem;
    std::optional<KeyAssignment> captured;
  };
  const Case cases[] = {
      {"left Shift item and A", 0x41, 0, 2, KeyAssignment{0x20, 0x02, 0x04}},
      {"A without modifier", 0x41, 0x80, 0, KeyAssignment{0x20, 0, 0x04}},
      {"no modifier selected", 0x41, 0, -1, KeyAssignment{0x20, 0, 0x04}},
      {"main Enter", 0x0D, 0, 0, KeyAssignment{0x20, 0, 0x28}},
      {"keypad Enter pressed", 0x0D, 0x01, 0, KeyAssignment{0x20, 0, 0x58}},
      {"keypad Enter released", 0x0D, 0x81, 0, KeyAssignment{0x20, 0, 0x58}},
      {"a modifier key gives its own mask", 0xA0, 0, 0, KeyAssignment{0x20, 0x02, 0}},
      {"a key outside the list", 0xFF, 0, 0, std::nullopt},
      {"a system row", 0x103, 0, 0, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto capture = CaptureMouseKey(c.virtualKey, c.flags, c.modifierItem);
    ASSERT_EQ(c.captured.has_value(), capture.has_value());
    if (capture) {
      EXPECT_EQ(*c.captured, capture->assignment);
    }
  }
  EXPECT_EQ(VK_KEYPAD_ENTER, KEYBOARD_KEY_LIST.rows[CaptureMouseKey(0x0D, 0x01, 0)->row].key);
}

TEST(MouseKeyAssignment, TheLeftButtonGuardLooksAtKeysZeroToEight) {
  MouseKeyTable table{};
  StoreMouseKeyAssignment(table, 0, {0x10, 1, 0});
  EXPECT_TRUE(IsLastLeftButton(table, 0));
  EXPECT_FALSE(IsLastLeftButton(table, 2));  // not a left button at all
  StoreMouseKeyAssignment(table, 7, {0x10, 1, 0});
  EXPECT_FALSE(IsLastLeftButton(table, 0));
  StoreMouseKeyAssignment(table, 7, {});
  StoreMouseKeyAssignment(table, 9, {0x10, 1, 0});  // beyond the keys that count
  EXPECT_TRUE(IsLastLeftButton(table, 0));
}

TEST(MouseKeyAssignment, CaptionsFollowTheCodeAndSayWhetherTheyAreTextIds) {
  const std::vector<std::wstring> macros = {L"Burst", L"Reload"};
  struct Case {
    KeyAssignment assignment;
    const wchar_t* caption;  // null: unchanged
    bool verbatim;
  };
  const Case cases[] = {
      {{0x11, 0x25, 0x83}, L"mouse_key_right_Swing", false},
      {{0x12, 0x00, 0x03}, L"mouse_key_up_Swing", false},
      {{0x72, 2, 0}, L"GUN_3", false},
      {{0x72, 4, 0}, nullptr, false},
      {{0x90, 0, 0}, L"close_text", false},
      {{0x71, 1, 5}, L"Reload", true},
      {{0x70, 2, 0}, nullptr, false},
      {{0x15, 0, 0}, nullptr, false},
      {{0x14, 1, 1}, L"mouse_key_fire_key", false},
      {{0x13, 3, 0}, L"mouse_key_DPI_loop", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.assignment.code));
    const auto caption = MouseKeyCaption(c.assignment, macros);
    ASSERT_EQ(c.caption != nullptr, caption.has_value());
    if (!caption) continue;
    EXPECT_EQ(c.caption, caption->text);
    EXPECT_EQ(c.verbatim, caption->verbatim);
  }
}

}  // namespace
