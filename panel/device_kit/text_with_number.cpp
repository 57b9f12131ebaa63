#include "text_with_number.h"

std::wstring FillNumberPlaceholder(const std::wstring& text, int number) {
  const size_t at = text.find(L"%d");
  if (at == std::wstring::npos) return text;
  return text.substr(0, at) + std::to_wstring(number) + text.substr(at + 2);
}
