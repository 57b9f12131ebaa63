#include "file_name_check.h"

#include <cwchar>
#include <cwctype>

#include "diagnostics.h"

namespace {
const wchar_t* const kForbiddenCharacters = L"\\/:*?\"<>|";
const wchar_t* const kDeviceNames[] = {L"CON", L"PRN", L"AUX", L"NUL"};
const wchar_t* const kNumberedDeviceNames[] = {L"COM", L"LPT"};

bool IsControlCharacter(wchar_t c) { return c < 0x20 || c == 0x7F; }

std::wstring UpperCase(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
  return text;
}

// Windows takes the part before the first dot ("nul.txt" too) for the device.
bool IsDeviceName(const std::wstring& name) {
  const std::wstring stem = UpperCase(name.substr(0, name.find(L'.')));
  for (const wchar_t* device : kDeviceNames)
    if (stem == device) return true;
  for (const wchar_t* device : kNumberedDeviceNames)
    if (stem.size() == 4 && stem.compare(0, 3, device) == 0 && stem[3] >= L'1' && stem[3] <= L'9') return true;
  return false;
}

// The names live in INI files too, whose reads drop leading and trailing blanks and a pair of
// quotes around the value; a double quote is refused anywhere already.
bool ComesBackFromAnIniFile(const std::wstring& name) {
  if (name.front() == L' ' || name.back() == L' ') return false;
  return !(name.size() >= 2 && name.front() == L'\'' && name.back() == L'\'');
}
}  // namespace

bool IsUsableAsFileName(const std::wstring& name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  if (name.back() == L'.' || !ComesBackFromAnIniFile(name)) return false;
  for (wchar_t c : name)
    if (IsControlCharacter(c) || std::wcschr(kForbiddenCharacters, c)) return false;
  return !IsDeviceName(name);
}

std::wstring FileInFolder(const std::wstring& folder, const std::wstring& name, const std::wstring& extension) {
  if (IsUsableAsFileName(name)) return folder + name + extension;
  DebugLine(L"stored name refused, its file is left alone: " + name);
  return std::wstring();
}
