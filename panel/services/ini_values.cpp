#include "ini_values.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "diagnostics.h"
#include "file_replace.h"

namespace {
// A new INI file starts as UTF-16 with its byte-order mark, which the profile-string calls keep:
// in a file in the ANSI code page they would turn every character outside it into '?', and a
// profile named so would lose the link to its payload file. A file that exists keeps its encoding.
void CreateAsUnicodeIfMissing(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  static const BYTE kByteOrderMark[] = {0xFF, 0xFE};
  DWORD written = 0;
  WriteFile(file, kByteOrderMark, sizeof(kByteOrderMark), &written, nullptr);
  CloseHandle(file);
}
}  // namespace

std::wstring ReadIniText(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                         const wchar_t* fallback, DWORD bufferChars) {
  if (path.empty()) return fallback ? fallback : L"";
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
  if (path.empty()) return false;
  CreateAsUnicodeIfMissing(path);
  if (!IsReadOnlyFile(path) && WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()))
    return true;
  DebugLine(L"INI file cannot be written, left as it was: " + path + L" [" + section + L"] " + key);
  return false;
}

bool WriteIniNumber(const std::wstring& path, const std::wstring& section, const std::wstring& key, int value) {
  return WriteIniText(path, section, key, std::to_wstring(value));
}

namespace {
// A section never holds more characters than its file has bytes, so a buffer of that size is read
// once: each call of the profile-string API reads the whole section again.
size_t SectionBufferChars(const std::wstring& path) {
  constexpr size_t kSmallest = 4096;
  constexpr size_t kLargestHint = 1 << 22;  // beyond it the buffer grows as the section needs
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) || data.nFileSizeHigh) return kSmallest;
  return std::clamp<size_t>(static_cast<size_t>(data.nFileSizeLow) + 16, kSmallest, kLargestHint);
}
}  // namespace

std::map<std::wstring, std::wstring> ReadIniSection(const std::wstring& path, const std::wstring& section) {
  if (path.empty()) return {};
  std::vector<wchar_t> buffer(SectionBufferChars(path));
  DWORD length = 0;
  for (;;) {
    length = GetPrivateProfileSectionW(section.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    if (length + 2 < buffer.size()) break;
    buffer.resize(buffer.size() * 2);
  }
  std::map<std::wstring, std::wstring> values;
  for (const wchar_t* line = buffer.data(); *line && line < buffer.data() + length; line += wcslen(line) + 1) {
    const wchar_t* equals = wcschr(line, L'=');
    if (equals) values.emplace(std::wstring(line, equals), std::wstring(equals + 1));
  }
  return values;
}
