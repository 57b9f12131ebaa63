#include "ui/attribute_parsers.h"

#include <cwchar>
#include <cwctype>

DWORD ParseColorValue(const std::wstring& text) {
  const wchar_t* digits = text.c_str();
  while (*digits == L' ' || *digits == L'#') ++digits;
  wchar_t* end = nullptr;
  unsigned long value = wcstoul(digits, &end, 16);
  size_t count = static_cast<size_t>(end - digits);
  if (count == 6) value |= 0xFF000000ul;
  return count == 0 ? 0 : static_cast<DWORD>(value);
}

namespace {

// Reads up to `count` comma-separated integers; returns how many were found.
int ReadIntegers(const std::wstring& text, long* values, int count) {
  const wchar_t* cursor = text.c_str();
  int found = 0;
  while (found < count && *cursor) {
    wchar_t* end = nullptr;
    long value = wcstol(cursor, &end, 10);
    if (end == cursor) break;
    values[found++] = value;
    cursor = end;
    while (*cursor == L' ' || *cursor == L',') ++cursor;
  }
  return found;
}

}  // namespace

RECT ParseRectValue(const std::wstring& text) {
  long v[4] = {0, 0, 0, 0};
  ReadIntegers(text, v, 4);
  return RECT{v[0], v[1], v[2], v[3]};
}

SIZE ParseSizeValue(const std::wstring& text) {
  long v[2] = {0, 0};
  ReadIntegers(text, v, 2);
  return SIZE{v[0], v[1]};
}

bool ParseBoolValue(const std::wstring& text) { return _wcsicmp(text.c_str(), L"true") == 0; }

int ParseIntValue(const std::wstring& text) { return static_cast<int>(wcstol(text.c_str(), nullptr, 10)); }

ImageDescriptor ParseImageDescriptor(const std::wstring& text) {
  ImageDescriptor image;
  if (text.find(L'=') == std::wstring::npos) {
    image.file = text;
    return image;
  }
  size_t pos = 0;
  while (pos < text.size()) {
    size_t equals = text.find(L'=', pos);
    size_t open = text.find(L'\'', equals);
    size_t close = open == std::wstring::npos ? open : text.find(L'\'', open + 1);
    if (equals == std::wstring::npos || close == std::wstring::npos) break;
    std::wstring key = text.substr(pos, equals - pos);
    key.erase(0, key.find_first_not_of(L' '));
    key.erase(key.find_last_not_of(L' ') + 1);
    std::wstring value = text.substr(open + 1, close - open - 1);
    if (key == L"file") image.file = value;
    else if (key == L"source") image.source = ParseRectValue(value);
    else if (key == L"corner") image.corner = ParseRectValue(value);
    pos = close + 1;
  }
  return image;
}

UINT ParseVAlignValue(const std::wstring& text) {
  if (text == L"vcenter" || text == L"center") return DT_VCENTER;
  if (text == L"bottom") return DT_BOTTOM;
  return DT_TOP;
}
