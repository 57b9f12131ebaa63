#include <gtest/gtest.h>

#include "text_with_number.h"

namespace {

TEST(FillNumberPlaceholder, OnlyTheFirstPercentDTakesTheNumber) {
  const struct {
    const wchar_t* text;
    const wchar_t* filled;
  } cases[] = {
      {L"Please remove at least %d steps.", L"Please remove at least 7 steps."},
      {L"%d", L"7"},
      {L"%s %n %d %d", L"%s %n 7 %d"},  // nothing but the first %d is touched
      {L"no number", L"no number"},
      {L"", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.filled, FillNumberPlaceholder(c.text, 7)) << c.text;
}

}  // namespace
