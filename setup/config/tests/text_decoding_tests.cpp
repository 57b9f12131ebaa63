#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ini_mgr.h"
#include "text_decoding.h"

using namespace REGINI_MGR;

namespace {

using Bytes = std::vector<unsigned char>;

Bytes B(const std::string& text) { return Bytes(text.begin(), text.end()); }

// Records how each line without a mark was judged and widens its bytes one to one.
std::vector<bool> g_judgedUtf8;
std::wstring WidenAndRecord(const char* bytes, int count, bool utf8) {
  g_judgedUtf8.push_back(utf8);
  std::wstring text;
  for (int i = 0; i < count; ++i) text.push_back(static_cast<unsigned char>(bytes[i]));
  return text;
}

struct Decoded {
  IniTextEncoding encoding;
  int result;
  std::vector<std::wstring> lines;
};

Decoded Decode(Bytes bytes, PieceConverter converter = WidenAndRecord) {
  CIniMgr reader(converter);
  int length = static_cast<int>(bytes.size());
  unsigned char* text = reader.DetectBom(bytes.data(), length);
  const int result = reader.DecodeText(text, length);
  return {reader.Encoding(), result, reader.Lines()};
}

TEST(Utf8Decoder, SequenceLengthsByLeadByte) {
  const struct {
    unsigned char lead;
    int result;
    int length;
  } cases[] = {{0x00, 0, 1}, {0x7F, 0, 1}, {0x80, 1, 0}, {0xBF, 1, 0}, {0xC0, 0, 2}, {0xDF, 0, 2},
               {0xE0, 0, 3}, {0xEF, 0, 3}, {0xF0, 0, 4}, {0xF7, 0, 4}, {0xF8, 0, 5}, {0xFB, 0, 5},
               {0xFC, 0, 6}, {0xFD, 0, 6}, {0xFE, 1, 0}, {0xFF, 1, 0}};
  for (const auto& c : cases) {
    int length = 0;
    EXPECT_EQ(c.result, Utf8SequenceLength(c.lead, &length)) << int(c.lead);
    EXPECT_EQ(c.length, length) << int(c.lead);
  }
}

TEST(Utf8Decoder, SequencesDecodeToCodePointsOrFailWithTheirLength) {
  const struct {
    Bytes bytes;
    int result;
    uint32_t codePoint;
  } cases[] = {
      {{0x41}, 0, 0x41},
      {{0xC3, 0xA9}, 0, 0xE9},
      {{0xC0, 0x80}, 0, 0},  // overlong forms are not refused
      {{0xF0, 0x9F, 0x98, 0x80}, 0, 0x1F600},
      {{0xFC, 0x84, 0x80, 0x80, 0x80, 0x80}, 0, 0x4000000},
      {{0xE9, 0x41, 0x41}, 3, 0},
      {{0xE9}, 3, 0},  // continuation bytes past the end of the text
      {{0x80}, 1, 0},
  };
  for (const auto& c : cases) {
    uint32_t value = 0;
    int length = 0;
    EXPECT_EQ(c.result, DecodeUtf8Sequence(c.bytes.data(), static_cast<int>(c.bytes.size()), &value,
                                           &length));
    if (c.result == 0) {
      EXPECT_EQ(c.codePoint, value);
    }
  }
}

TEST(Utf8Decoder, ToUtf16ChecksInFullButLimitsOnlyWithAnOutput) {
  const struct {
    Bytes bytes;
    int withoutOutput;
    int withOutput;
  } cases[] = {
      {{0x61, 0xC3, 0xA9}, 0, 0},
      {{0xF0, 0x9F, 0x98, 0x80}, 0, 4},
      {{0x80}, 1, 1},
      {{0xE9, 0x41, 0x41}, 3, 3},
  };
  for (const auto& c : cases) {
    const int n = static_cast<int>(c.bytes.size());
    int count = -1;
    EXPECT_EQ(c.withoutOutput, Utf8ToUtf16(c.bytes.data(), n, nullptr, &count));
    wchar_t units[8] = {};
    EXPECT_EQ(c.withOutput, Utf8ToUtf16(c.bytes.data(), n, units, &count));
  }
  int count = 0;
  wchar_t units[4] = {};
  const Bytes text = {0x61, 0xC3, 0xA9};
  ASSERT_EQ(0, Utf8ToUtf16(text.data(), 3, units, &count));
  EXPECT_EQ(std::wstring(L"a\u00E9"), std::wstring(units, count));
}

TEST(TrimChar, RemovesOnlyTheOuterRunsOfTheCharacter) {
  const struct {
    std::wstring in, out;
  } cases[] = {{L"  ", L""}, {L"", L""}, {L" a b ", L"a b"}, {L"\ta ", L"\ta"}, {L"x", L"x"}};
  for (const auto& c : cases) {
    std::wstring text = c.in, result = L"old";
    EXPECT_EQ(c.out, TrimCharInPlace(result, text, L' '));
    EXPECT_EQ(c.out, text);
  }
}

TEST(TextDecoding, ByteOrderMarksChooseTheDecoder) {
  const struct {
    Bytes bytes;
    IniTextEncoding encoding;
    std::vector<std::wstring> lines;
  } cases[] = {
      {{0xFF, 0xFE, 0x00, 0x00, 0x41, 0, 0, 0}, IniTextUtf32Le, {L"A"}},
      {{0x00, 0x00, 0xFE, 0xFF, 0, 0, 0, 0x41}, IniTextUtf32Be, {L"A"}},
      {{0xFF, 0xFE, 0x41}, IniTextUtf16Le, {L"A"}},
      {{0xFE, 0xFF, 0x00, 0x41, 0x00, 0x0A, 0x00, 0x42}, IniTextUtf16Be, {L"A", L"B"}},
      {{0xFE, 0xFF, 0x00, 0x41, 0x00, 0x0A, 0x42}, IniTextUtf16Be, {L"A", L"B"}},  // odd byte
      {{0xEF, 0xBB, 0xBF, 0xC3, 0xA9, 0x0A, 0xC2, 0xBF}, IniTextUtf8, {L"\u00E9", L"\u00BF"}},
      {{0xEF, 0xBB}, IniTextNoMark, {L"\u00EF\u00BB"}},
      {{0x41}, IniTextNoMark, {L"A"}},
  };
  for (const auto& c : cases) {
    const Decoded d = Decode(c.bytes);
    EXPECT_EQ(c.encoding, d.encoding);
    EXPECT_EQ(0, d.result);
    EXPECT_EQ(c.lines, d.lines);
  }
}

TEST(TextDecoding, LinesAreSplitAtLineFeedsAndTrimmedOfBlanksThenCarriageReturns) {
  const struct {
    std::string text;
    std::vector<std::wstring> lines;
  } cases[] = {
      {"a\n\n\nb", {L"a", L"b"}},
      {"\na\n", {L"a"}},
      {"a\r\n \r\nb", {L"a", L"", L"b"}},
      {" \r ", {L""}},
      {"\r x", {L" x"}},
      {"x \r", {L"x "}},
      {"\tk = v \t", {L"\tk = v \t"}},
      {std::string("a\nb\0c\nd", 7), {L"a", L"b"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.lines, Decode(B(c.text)).lines) << c.text;
    Bytes utf16 = {0xFF, 0xFE};
    for (char ch : c.text) utf16.insert(utf16.end(), {static_cast<unsigned char>(ch), 0});
    EXPECT_EQ(c.lines, Decode(utf16).lines) << c.text;
  }
}

TEST(TextDecoding, FailingDecodersReportTheirCodeAndAppendNothing) {
  const struct {
    Bytes bytes;
    int result;
  } cases[] = {
      {{0xEF, 0xBB, 0xBF, 0x61, 0x0A, 0xF0, 0x9F, 0x98, 0x80}, 3},
      {{0xEF, 0xBB, 0xBF, 0x61, 0x0A, 0x80}, 1},
      {{0xEF, 0xBB, 0xBF, 0xE9, 0x41, 0x41}, 1},
      {{0xEF, 0xBB, 0xBF, 0x61, 0xE9}, 1},
      {{0xFF, 0xFE, 0x00, 0x00, 0x41, 0, 0x0A, 0, 0, 0}, 1},
      {{0xFF, 0xFE, 0x00, 0x00, 0x41, 0, 0, 0, 0x00, 0x00, 0x01, 0x00}, 2},
      {{0x00, 0x00, 0xFE, 0xFF, 0, 0, 0, 0x41, 0, 1, 0}, 1},
  };
  for (const auto& c : cases) {
    const Decoded d = Decode(c.bytes);
    EXPECT_EQ(c.result, d.result);
    EXPECT_TRUE(d.lines.empty());
  }
}

TEST(TextDecoding, ZeroCodePointEndsTheText) {
  EXPECT_EQ(std::vector<std::wstring>{L"a"},
            Decode({0xEF, 0xBB, 0xBF, 0x61, 0xC0, 0x80, 0x0A, 0x62}).lines);
}

TEST(TextDecoding, LinesWithoutMarkAreJudgedAtTheVisitedBytesOnly) {
  const struct {
    Bytes bytes;
    bool utf8;
  } cases[] = {{{0x61, 0x62}, true},
               {{0x63, 0x61, 0x66, 0xE9}, true},  // E9 starts a sequence running past the end
               {{0x61, 0xB0}, false},
               {{0xE9, 0x80, 0x41}, true},  // the 80 is stepped over
               {{0xFE, 0x41}, false}};
  for (const auto& c : cases) {
    g_judgedUtf8.clear();
    Decode(c.bytes);
    EXPECT_EQ(std::vector<bool>{c.utf8}, g_judgedUtf8);
  }
}

TEST(TextDecoding, LinesWithoutMarkGoThroughTheCodePages) {
  EXPECT_EQ(std::vector<std::wstring>{L"caf\u00E9"},
            Decode(B("caf\xC3\xA9"), ConvertWithCodePage).lines);
  wchar_t ansi[4] = {};
  ASSERT_EQ(2, MultiByteToWideChar(CP_ACP, 0, "a\xB0", 2, ansi, 4));
  EXPECT_EQ(std::vector<std::wstring>{std::wstring(ansi, 2)},
            Decode(B("a\xB0"), ConvertWithCodePage).lines);
  // A lone lead byte at the end: the line holds what the converter produced, nothing behind it.
  const std::vector<std::wstring> lines = Decode(B("ab\xE9\nc"), ConvertWithCodePage).lines;
  ASSERT_EQ(2u, lines.size());
  EXPECT_EQ(L"ab", lines[0].substr(0, 2));
  EXPECT_LE(lines[0].size(), 3u);
  EXPECT_EQ(std::wstring::npos, lines[0].find(L'\0'));
  EXPECT_EQ(L"c", lines[1]);
}

}  // namespace
