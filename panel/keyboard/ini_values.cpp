#include "ini_values.h"

#include <windows.h>

#include <cwchar>

namespace {
constexpr DWORD kValueCapacity = 260;
}

std::wstring ReadIniText(const std::wstring& path, const wchar_t* section, const std::wstring& key) {
  wchar_t value[kValueCapacity] = {};
  GetPrivateProfileStringW(section, key.c_str(), L"0", value, kValueCapacity, path.c_str());
  return value;
}

int ReadIniInt(const std::wstring& path, const wchar_t* section, const std::wstring& key) {
  const std::wstring text = ReadIniText(path, section, key);
  // wcstol saturates instead of wrapping, so a huge count stays huge and is refused by its reader.
  const long value = std::wcstol(text.c_str(), nullptr, 10);
  return static_cast<int>(value);
}
