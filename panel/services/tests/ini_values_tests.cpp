#include "ini_values.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace {

TEST(IniValues, NumbersReadAsLeadingDecimalDigitsWithTheDefaultZero) {
  TempFolder folder;
  const std::wstring ini = folder / L"index.ini";
  WriteText(ini,
            "[COUNT]\r\ncount=12\r\nspaced=  7  \r\nsuffix=12abc\r\nletters=abc\r\nnegative=-3\r\n"
            "hex=0x10\r\nempty=\r\nquoted=\"5\"\r\n");
  const struct {
    const wchar_t* key;
    int value;
  } cases[] = {{L"count", 12}, {L"spaced", 7}, {L"suffix", 12}, {L"letters", 0}, {L"negative", -3},
               {L"hex", 0},    {L"empty", 0},  {L"quoted", 5},  {L"missing", 0}};
  for (const auto& c : cases) EXPECT_EQ(ReadIniNumber(ini, L"COUNT", c.key), c.value) << c.key;
  EXPECT_EQ(ReadIniNumber(folder / L"no such file.ini", L"COUNT", L"count"), 0);
}

TEST(IniValues, TextComesTrimmedWithItsDefaultAndCutToTheBuffer) {
  TempFolder folder;
  const std::wstring ini = folder / L"index.ini";
  WriteText(ini, "[NAME]\r\n0=  Profile 1  \r\n1=" + std::string(300, 'x') + "\r\n");
  EXPECT_EQ(ReadIniText(ini, L"NAME", L"0"), L"Profile 1");
  EXPECT_EQ(ReadIniText(ini, L"NAME", L"9"), L"0") << "the default is \"0\"";
  EXPECT_EQ(ReadIniText(ini, L"NAME", L"9", L""), L"");
  EXPECT_EQ(ReadIniText(ini, L"NAME", L"1"), std::wstring(kIniValueChars - 1, L'x'));
  EXPECT_EQ(ReadIniText(ini, L"NAME", L"1", L"0", 100), std::wstring(99, L'x'));
}

TEST(IniValues, WrittenValuesReadBackAndNonAsciiNamesSurvive) {
  TempFolder folder;
  const std::wstring ini = folder / L"kbProfile.ini";
  EXPECT_TRUE(WriteIniNumber(ini, L"PROFILEDEVICECOUNT", L"count", 3));
  EXPECT_TRUE(WriteIniText(ini, L"PROFILEDEVICENAME", L"2", L"\u00DCbung \u6D4B\u8BD5"));
  EXPECT_EQ(ReadIniNumber(ini, L"PROFILEDEVICECOUNT", L"count"), 3);
  EXPECT_EQ(ReadIniText(ini, L"PROFILEDEVICENAME", L"2"), L"\u00DCbung \u6D4B\u8BD5");
  EXPECT_FALSE(WriteIniText(folder / L"missing folder\\x.ini", L"S", L"k", L"v"));
}

}  // namespace
