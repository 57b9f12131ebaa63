#include "edit_clamp.h"

#include <cwchar>

ClampedNumber ClampEditNumber(const std::wstring& text, int upperBound, bool lowerBoundOne) {
  // Out of a long's range the reading stops at its limits, which the bounds then take in.
  const long typed = wcstol(text.c_str(), nullptr, 10);
  long value = typed;
  if (value > upperBound) value = upperBound;
  else if (lowerBoundOne && value <= 0) value = 1;
  // Every bounded field is unsigned: a minus sign would reach it as the low bits of a huge number.
  else if (value < 0) value = 0;
  return {static_cast<int>(value), value != typed};
}
