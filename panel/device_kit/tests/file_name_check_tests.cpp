#include "file_name_check.h"

#include <gtest/gtest.h>

#include <string>

#include "ini_values.h"
#include "test_files.h"

namespace {

const std::wstring kAccepted[] = {L"Profile 1", L"game.v2",    L"name_3 copy", L"\u00DCbung", L"a",   L"COM10",
                                  L"console",   L"LPT0",       L"it's",        L"'a",          L"a'",
                                  L"x 'y' z",   L"\u00A0nbsp", L"in  two"};

TEST(FileNameCheck, AcceptsOrdinaryNamesIncludingNonAsciiAndInnerDots) {
  for (const std::wstring& name : kAccepted) EXPECT_TRUE(IsUsableAsFileName(name)) << name;
}

// Names are stored in INI index files, whose reads drop leading blanks and a pair of enclosing
// quotes: a name that would not come back as written names another file after a restart.
TEST(FileNameCheck, EveryAcceptedNameComesBackFromAnIndexFile) {
  TempFolder folder;
  const std::wstring index = folder / L"names.ini";
  int key = 0;
  for (const std::wstring& name : kAccepted) {
    const std::wstring k = std::to_wstring(key++);
    ASSERT_TRUE(WriteIniText(index, L"NAME", k, name)) << name;
    EXPECT_EQ(ReadIniText(index, L"NAME", k), name);
  }
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
      {L" leading", "leading space"},
      {L"'quoted'", "wrapped in quotes"},
      {L"''", "empty between quotes"},
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
