#include "text_parsers.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstdio>
#include <cwchar>

namespace {
// Like wcstol: leading blanks and a sign, then digits up to the first other character; 0 for none.
long DecimalValue(const std::wstring& text) { return wcstol(text.c_str(), nullptr, 10); }

// Cuts the text after the last comma off `rest` into `field`; false when there is no comma.
bool TakeLastField(std::wstring& rest, std::wstring& field) {
  size_t comma = rest.rfind(L',');
  if (comma == std::wstring::npos) return false;
  field = rest.substr(comma + 1);
  rest.erase(comma);
  return true;
}

uint16_t ParseHexAfter(const std::wstring& path, const wchar_t* key) {
  const wchar_t* found = StrStrIW(path.c_str(), key);
  if (!found) return 0;
  unsigned int value = 0;
  if (swscanf(found + wcslen(key), L"%x", &value) != 1) return 0;
  return static_cast<uint16_t>(value);
}
}  // namespace

int SplitNameIndex(const std::wstring& name, std::wstring& stem, int32_t& number) {
  size_t underscore = name.rfind(L'_');
  if (underscore == std::wstring::npos) return 0;
  stem = name.substr(0, underscore + 1);
  number = static_cast<int32_t>(DecimalValue(name.substr(underscore + 1)));
  return 1;
}

int ParseMacroActionText(const std::wstring& row, std::wstring& label, uint8_t& n1, uint8_t& n2,
                         uint8_t& n3, uint8_t& n4, uint16_t& n5) {
  std::wstring rest = row;
  std::wstring field;
  if (!TakeLastField(rest, field)) return 0;
  label = field;
  if (!TakeLastField(rest, field)) return 0;
  n5 = static_cast<uint16_t>(DecimalValue(field));
  uint8_t* bytes[] = {&n4, &n3, &n2};
  for (uint8_t* out : bytes) {
    if (!TakeLastField(rest, field)) return 0;
    *out = static_cast<uint8_t>(DecimalValue(field));
  }
  n1 = static_cast<uint8_t>(DecimalValue(rest));
  return 1;
}

uint16_t ParseVidFromPath(const std::wstring& path) { return ParseHexAfter(path, L"vid_"); }
uint16_t ParsePidFromPath(const std::wstring& path) { return ParseHexAfter(path, L"pid_"); }
