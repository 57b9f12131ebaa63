#pragma once
#include <string>

struct ClampedNumber {
  int value;
  bool clamped;  // the bounds changed the number: the edit is to show the new one
};

// The number typed into a bounded edit: the text read as a signed decimal (leading blanks and a
// sign, then digits up to the first other character; 0 without digits), above `upperBound` the
// bound; with `lowerBoundOne`, 0 and below give 1, otherwise a negative number gives 0.
ClampedNumber ClampEditNumber(const std::wstring& text, int upperBound, bool lowerBoundOne);
