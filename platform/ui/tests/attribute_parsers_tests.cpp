#include <gtest/gtest.h>

#include "ui/attribute_parsers.h"
#include "ui/label.h"
#include "ui/ui_string.h"

TEST(AttributeParsers, ColoursAreArgbWithOpaqueShortForm) {
  struct Case {
    const wchar_t* text;
    DWORD expected;
  } cases[] = {
      {L"#FF112233", 0xFF112233}, {L"#80ABCDEF", 0x80ABCDEF}, {L"FF000000", 0xFF000000},
      {L"#00000000", 0},          {L"#112233", 0xFF112233},   {L"", 0},
      {L"#zz", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseColorValue(c.text), c.expected) << c.text;
}

TEST(AttributeParsers, RectsSizesAndFlags) {
  RECT rc = ParseRectValue(L"1, 2,-3,4");
  EXPECT_EQ(rc.left, 1);
  EXPECT_EQ(rc.top, 2);
  EXPECT_EQ(rc.right, -3);
  EXPECT_EQ(rc.bottom, 4);
  RECT partial = ParseRectValue(L"7");
  EXPECT_EQ(partial.left, 7);
  EXPECT_EQ(partial.bottom, 0);
  SIZE size = ParseSizeValue(L"800,572");
  EXPECT_EQ(size.cx, 800);
  EXPECT_EQ(size.cy, 572);
  EXPECT_TRUE(ParseBoolValue(L"TRUE"));
  EXPECT_FALSE(ParseBoolValue(L"1"));
}

TEST(AttributeParsers, ImageDescriptors) {
  ImageDescriptor bare = ParseImageDescriptor(L"images/led.png");
  EXPECT_EQ(bare.file, L"images/led.png");
  EXPECT_EQ(bare.source.right, 0);

  ImageDescriptor full = ParseImageDescriptor(L"file='ms/key.png' source='0,0,20,10' corner='2,3,4,5'");
  EXPECT_EQ(full.file, L"ms/key.png");
  EXPECT_EQ(full.source.right, 20);
  EXPECT_EQ(full.source.bottom, 10);
  EXPECT_EQ(full.corner.left, 2);
  EXPECT_EQ(full.corner.bottom, 5);

  EXPECT_EQ(ParseImageDescriptor(L"file='unclosed").file, L"");
}

TEST(TextMarkup, LinksShowAsPlainText) {
  EXPECT_EQ(StripLinkMarkup(L"{a}Home Page{/a}"), L"Home Page");
  EXPECT_EQ(StripLinkMarkup(L"see {a http://x}here{/a}."), L"see here.");
  EXPECT_EQ(StripLinkMarkup(L"{b}kept{/b} {abc}"), L"{b}kept{/b} {abc}");
}

TEST(DuiString, ComparesAndFormats) {
  CDuiString name(L"CloseBtn");
  EXPECT_EQ(name.CompareNoCase(L"closebtn"), 0);
  EXPECT_NE(name.Compare(L"closebtn"), 0);
  EXPECT_EQ(CDuiString(nullptr).GetLength(), 0);
  CDuiString text;
  text.Format(L"%s_%d", L"kb_dkey", 125);
  EXPECT_EQ(text.str(), L"kb_dkey_125");
  std::wstring longText(5000, L'x');
  text.Format(L"%s", longText.c_str());
  EXPECT_EQ(text.GetLength(), 5000);
  EXPECT_EQ(CDuiString(L"MiXeD").MakeLower().str(), L"mixed");
}
