#include "ini_values.h"

#include <cwchar>
#include <vector>

std::wstring ReadIniText(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                         const wchar_t* fallback, DWORD bufferChars) {
  std::vector<wchar_t> buffer(bufferChars > 0 ? bufferChars : 1, L'\0');
  const DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback, buffer.data(),
                                                static_cast<DWORD>(buffer.size()), path.c_str());
  return std::wstring(buffer.data(), length);
}

int ReadIniNumber(const std::wstring& path, const std::wstring& section, const std::wstring& key) {
  return static_cast<int>(wcstol(ReadIniText(path, section, key).c_str(), nullptr, 10));
}

bool WriteIniText(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                  const std::wstring& value) {
  return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != FALSE;
}

bool WriteIniNumber(const std::wstring& path, const std::wstring& section, const std::wstring& key, int value) {
  return WriteIniText(path, section, key, std::to_wstring(value));
}
