#include "file_name_check.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FileNameCheck, AcceptsOrdinaryNamesIncludingNonAsciiAndInnerDots) {
  for (const std::wstring name : {L"Profile 1", L"game.v2", L"name_3 copy", L"\u00DCbung", L"a", L"COM10",
                                  L"console", L"LPT0", L" leading"})
    EXPECT_TRUE(IsUsableAsFileName(name)) << name;
}

TEST(FileNameCheck, RefusesWhatCannotBeAFileNameInADataFolder) {
  const struct {
    std::wstring name;
    const char* why;
  } refused[] = {
      {L"", "empty"},
      {L".", "current folder"},
      {L"..", "parent folder"},
      {L"..\\kb\\x", "path"},
      {L"a/b", "slash"},
      {L"c:x", "drive or stream"},
      {L"a*", "wildcard"},
      {L"a?", "wildcard"},
      {L"say \"hi\"", "quote"},
      {L"<a>", "angle brackets"},
      {L"a|b", "bar"},
      {L"tab\there", "control character"},
      {std::wstring(L"nul\0x", 5), "embedded zero"},
      {L"del\x7F", "DEL"},
      {L"trailing ", "trailing space"},
      {L"trailing.", "trailing dot"},
      {L"CON", "device"},
      {L"nul", "device, any case"},
      {L"Aux.txt", "device with an extension"},
      {L"com1", "numbered device"},
      {L"LPT9", "numbered device"},
      {L"prn.backup.led", "device before the first dot"},
  };
  for (const auto& c : refused) EXPECT_FALSE(IsUsableAsFileName(c.name)) << c.why;
}

}  // namespace
