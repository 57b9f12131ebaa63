#include <gtest/gtest.h>

#include "key_vocabulary.h"

namespace {

TEST(KeyVocabulary, LabelsFollowTheCodeTable) {
  const std::vector<std::wstring> threeMacros = {L"one", L"two", L"three"};
  const std::vector<std::wstring> twoMacros = {L"one", L"two"};
  struct Case {
    KeyAssignment assignment;
    const std::vector<std::wstring>* macros;
    const wchar_t* label;  // null: no label, the key keeps its own
    bool verbatim;
  };
  const Case cases[] = {
      {{0x20, 0x00, 0x04}, &twoMacros, L"keyboard_key_A", false},
      {{0x20, 0x02, 0x00}, &twoMacros, L"keyboard_key_LShift", false},
      {{0x20, 0x02, 0x04}, &twoMacros, nullptr, false},  // a shifted key is no row
      {{0x00, 0x00, 0x28}, &twoMacros, L"keyboard_key_Enter", false},
      {{0x30, 0xCD, 0x00}, &twoMacros, L"media_play", false},
      {{0x21, 0xCD, 0x00}, &twoMacros, L"media_play", false},
      {{0x11, 0x00, 0x85}, &twoMacros, L"mouse_key_right_Swing", false},
      {{0x11, 0x37, 0x05}, &twoMacros, L"mouse_key_left_Swing", false},
      {{0x12, 0x00, 0x80}, &twoMacros, L"mouse_key_down_Swing", false},
      {{0x12, 0x00, 0x7F}, &twoMacros, L"mouse_key_up_Swing", false},
      {{0x10, 0x04, 0x09}, &twoMacros, L"mouse_key_middle", false},  // p1 alone decides
      {{0x13, 0x03, 0x00}, &twoMacros, L"mouse_key_DPI_loop", false},
      {{0x14, 0x09, 0x09}, &twoMacros, L"mouse_key_fire_key", false},
      {{0x40, 0x04, 0x00}, &twoMacros, L"system_wake_up", false},
      {{0x71, 2, 10}, &threeMacros, L"three", true},
      {{0x70, 2, 1}, &twoMacros, nullptr, false},
      {{0xA0, 2, 2}, &twoMacros, nullptr, false},
      {{0x15, 0, 0}, &twoMacros, nullptr, false},
      {{0x99, 0, 0}, &twoMacros, L"Schli\u00dfen", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << int(c.assignment.code) << " " << int(c.assignment.p1) << " "
                                    << int(c.assignment.p2));
    const auto label = KeyAssignmentLabel(c.assignment, *c.macros);
    ASSERT_EQ(c.label != nullptr, label.has_value());
    if (!label) continue;
    EXPECT_EQ(c.label, label->text);
    EXPECT_EQ(c.verbatim, label->verbatim);
  }
}

TEST(KeyVocabulary, KeysAreFoundByTheirVirtualKey) {
  struct Case {
    uint16_t virtualKey;
    bool extended;
    int row;
    const wchar_t* name;
    uint8_t p2;
  };
  const Case cases[] = {
      {0x0D, true, 91, L"keyboard_key_Num Enter", 0x58}, {0x0D, false, 44, L"keyboard_key_Enter", 0x28},
      {0x6E, false, 103, L"keyboard_key_Decimal", 0x63}, {0xE2, false, 102, L"keyboard_key_K45", 0x64},
      {0xB3, false, 107, L"keyboard_key_Media Play Pause", 0x00},
      {0xC0, false, 56, L"keyboard_key_\u0060", 0x35},   {0x105, false, 125, L"keyboard_key_Wakeup", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    ASSERT_EQ(c.row, FindKeyRowByVirtualKey(c.virtualKey, c.extended));
    EXPECT_STREQ(c.name, KEYBOARD_KEY_LIST.nameIds[c.row]);
    EXPECT_EQ(c.p2, KEYBOARD_KEY_LIST.rows[c.row].p2);
  }
  EXPECT_EQ(-1, FindKeyRowByVirtualKey(0xFF, false));
  EXPECT_EQ(KEYBOARD_KEY_ROWS, KEYBOARD_KEY_LIST.count);
  EXPECT_EQ(105, KEYBOARD_KEY_ROWS_KEYS_ONLY);
  EXPECT_EQ(0x20, KEYBOARD_KEY_LIST.rows[104].code);
  EXPECT_EQ(0x30, KEYBOARD_KEY_LIST.rows[105].code);
  // Every table lists its functions under its own code, in combo order.
  EXPECT_EQ(18, CONSUMER_FUNCTIONS.count);
  EXPECT_EQ(0x83, CONSUMER_FUNCTIONS.rows[0].p1);
  EXPECT_EQ(0x01, CONSUMER_FUNCTIONS.rows[0].p2);
  EXPECT_EQ(2, FindRowByParameters(MOUSE_BUTTON_FUNCTIONS, 0x02, 0));
  EXPECT_EQ(1, FindRowByParameters(WHEEL_V_FUNCTIONS, 0, 0x80));
  EXPECT_EQ(0x11, WHEEL_H_FUNCTIONS.rows[1].code);
}

}  // namespace
