#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ini_mgr.h"

using namespace REGINI_MGR;

namespace {

using Keys = std::vector<std::wstring>;

std::wstring WidenBytes(const char* bytes, int count, bool) {
  return std::wstring(bytes, bytes + count);
}

std::unique_ptr<CIniMgr> Parse(std::string text) {
  auto reader = std::make_unique<CIniMgr>(WidenBytes);
  int length = static_cast<int>(text.size());
  unsigned char* start = reader->DetectBom(reinterpret_cast<unsigned char*>(&text[0]), length);
  EXPECT_EQ(0, reader->DecodeText(start, length));
  EXPECT_EQ(0, reader->BuildSections());
  return reader;
}

Keys KeysOf(const CIniMgr& reader, const std::wstring& section) {
  Keys keys = {L"untouched"};
  reader.GetSectionKeys(section, keys);
  return keys;
}

TEST(IniSections, PairsAreTakenAsTheyStand) {
  const struct {
    std::string text;
    std::wstring key;
    std::wstring value;
    Keys keys;
  } cases[] = {
      {"[S]\nk=v", L"k", L"v", {L"k"}},
      {"[S]\nk = v", L"k ", L" v", {L"k "}},
      {"[S]\nk = v", L"k", L"", {L"k "}},
      {"[S]\nk=a=b", L"k", L"a=b", {L"k"}},
      {"[S]\nk=v ;note", L"k", L"v ;note", {L"k"}},
      {"[S]\n#k=v", L"#k", L"v", {L"#k"}},
      {"[S]\n;k=v\nplain line", L"k", L"", {}},
      {"[S]\n=v", L"", L"", {L""}},  // an empty key is listed but never readable
      {"[S]\nk=1\nk=2", L"k", L"1", {L"k", L"k"}},
      {"k=0\n[S]\nm=1", L"k", L"", {L"m"}},  // lines before the first header are dropped
      {"[S]\n[\nk=v", L"k", L"v", {L"k"}},   // a lone '[' is no header
      {"[S]\r\nk=v \r\n", L"k", L"v", {L"k"}},
  };
  for (const auto& c : cases) {
    auto reader = Parse(c.text);
    ASSERT_TRUE(reader->HasSection(L"S")) << c.text;
    EXPECT_EQ(c.value, reader->GetValue(L"S", c.key)) << c.text;
    EXPECT_EQ(c.keys, KeysOf(*reader, L"S")) << c.text;
  }
}

TEST(IniSections, LookupsTakeTheFirstSectionOfAnExactName) {
  auto reader = Parse("[S]\nk=1\n[S]\nk=2\n[usb_vid_pid]\nu=1\n[]\ne=3");
  EXPECT_EQ(4u, reader->SectionCount());
  EXPECT_EQ(L"1", reader->GetValue(L"S", L"k"));
  EXPECT_FALSE(reader->HasSection(L"USB_VID_PID"));
  EXPECT_FALSE(reader->HasSection(L"s"));
  EXPECT_EQ(Keys{L"untouched"}, KeysOf(*reader, L"missing"));
  EXPECT_EQ(L"", reader->GetValue(L"missing", L"k"));
  EXPECT_TRUE(reader->HasSection(L""));
  EXPECT_EQ(L"3", reader->GetValue(L"", L"e"));
}

TEST(IniSections, HeaderWithBlanksBeforeItsCrLfStillOpensItsOwnSection) {
  auto reader = Parse("[A]\r\nk=1\r\n[B] \r\nm=2\r\n");
  EXPECT_EQ(Keys{L"k"}, KeysOf(*reader, L"A"));
  ASSERT_TRUE(reader->HasSection(L"B"));
  EXPECT_EQ(L"2", reader->GetValue(L"B", L"m"));
}

}  // namespace
