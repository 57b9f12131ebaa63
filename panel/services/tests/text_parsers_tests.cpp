#include "text_parsers.h"

#include <gtest/gtest.h>

namespace {
TEST(SplitNameIndex, Cases) {
  struct Case {
    const wchar_t* name;
    int result;
    const wchar_t* stem;
    int number;
  } cases[] = {
      {L"HZ_Slider_3", 1, L"HZ_Slider_", 3},
      {L"btn_recover", 1, L"btn_", 0},
      {L"kb_key_104", 1, L"kb_key_", 104},
      {L"x_ -7", 1, L"x_", -7},
      {L"x_12ab", 1, L"x_", 12},
      {L"x_", 1, L"x_", 0},
      {L"noUnderscore", 0, L"unset", 99},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::wstring stem = L"unset";
    int32_t number = 99;
    EXPECT_EQ(c.result, SplitNameIndex(c.name, stem, number));
    EXPECT_EQ(c.stem, stem);
    EXPECT_EQ(c.number, number);
  }
}

struct MacroRow {
  int result;
  std::wstring label;
  int n1, n2, n3, n4, n5;
};

MacroRow Parse(const wchar_t* row) {
  MacroRow r{0, L"unset", -1, -1, -1, -1, -1};
  uint8_t n1 = 0xEE, n2 = 0xEE, n3 = 0xEE, n4 = 0xEE;
  uint16_t n5 = 0xEEEE;
  r.result = ParseMacroActionText(row, r.label, n1, n2, n3, n4, n5);
  r.n1 = n1, r.n2 = n2, r.n3 = n3, r.n4 = n4, r.n5 = n5;
  return r;
}

TEST(ParseMacroActionText, Cases) {
  struct Case {
    const wchar_t* row;
    MacroRow expected;
  } cases[] = {
      {L"5,0,137,65,1,A", {1, L"A", 5, 0, 137, 65, 1}},
      // A comma inside the label: the last part wins and the rest shifts left.
      {L"5,0,137,65,1,x,y", {1, L"y", 5, 137, 65, 1, 0}},
      {L"5,0,137,65,1,", {1, L"", 5, 0, 137, 65, 1}},
      // Low byte / low 16 bits of larger values.
      {L"300,2,3,4,70000,L", {1, L"L", 44, 2, 3, 4, 70000 & 0xFFFF}},
      // Fewer than five commas: parts found so far are set, the others untouched.
      {L"1,2,3,4", {0, L"4", 0xEE, 0xEE, 0xEE, 2, 3}},
      {L"nolabel", {0, L"unset", 0xEE, 0xEE, 0xEE, 0xEE, 0xEEEE}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    MacroRow r = Parse(c.row);
    EXPECT_EQ(c.expected.result, r.result);
    EXPECT_EQ(c.expected.label, r.label);
    EXPECT_EQ(c.expected.n1, r.n1);
    EXPECT_EQ(c.expected.n2, r.n2);
    EXPECT_EQ(c.expected.n3, r.n3);
    EXPECT_EQ(c.expected.n4, r.n4);
    EXPECT_EQ(c.expected.n5, r.n5);
  }
}

TEST(ParseIdsFromPath, Cases) {
  struct Case {
    const wchar_t* path;
    uint16_t vid, pid;
  } cases[] = {
      {L"\\\\?\\hid#VID_0C45&PID_0632&MI_01#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", 0x0C45, 0x0632},
      {L"\\\\?\\hid#vid_0d8c&pid_01da#x", 0x0D8C, 0x01DA},
      {L"\\\\?\\hid#vid_0c45#no-product", 0x0C45, 0},
      {L"\\\\?\\hid#VID_120C45&PID_zz", 0x0C45, 0},
      {L"", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(c.vid, ParseVidFromPath(c.path));
    EXPECT_EQ(c.pid, ParsePidFromPath(c.path));
  }
}
}  // namespace
