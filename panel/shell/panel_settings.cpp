#include "panel_settings.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "ini_values.h"
#include "ui/ui_string.h"

namespace {
const wchar_t* const kSection = L"SKINIMAGE";
const wchar_t* const kLanguageKey = L"LANGUAGE";
constexpr DWORD kRegistryBufferBytes = 520;

const PanelLanguage kLanguages[] = {
    {0, L"en", L"lan_en.xml", L"1010", L"Close"},
    {1, L"de", L"lan_de.xml", L"2020", L"Schli\u00DFen"},
    {2, L"fr", L"lan_fr.xml", L"3030", L"Fermer"},
};
}  // namespace

const wchar_t* const kLanguageRegistryKey = L"SOFTWARE\\KARVO";

std::wstring MainIniPath(const std::wstring& dataRoot) { return dataRoot + L"main.ini"; }

std::wstring ReadSkinImageText(const std::wstring& iniPath, const wchar_t* key) {
  return ReadIniText(iniPath, kSection, key);
}

int ReadSkinImageNumber(const std::wstring& iniPath, const wchar_t* key) { return ReadIniNumber(iniPath, kSection, key); }

bool HasSkinImageValue(const std::wstring& iniPath, const wchar_t* key) {
  return !ReadIniText(iniPath, kSection, key, L"").empty();
}

void WriteSkinImageValue(const std::wstring& iniPath, const wchar_t* key, const std::wstring& value) {
  WriteIniText(iniPath, kSection, key, value);
}

const PanelLanguage* PanelLanguageByValue(int value) {
  for (const PanelLanguage& language : kLanguages)
    if (language.value == value) return &language;
  return nullptr;
}

const PanelLanguage* PanelLanguageByMenuItem(const std::wstring& itemName) {
  for (const PanelLanguage& language : kLanguages)
    if (EqualsNoCase(itemName, std::wstring(L"lan_") + language.uiLanguage)) return &language;
  return nullptr;
}

bool WriteRegistryLanguage(const wchar_t* value) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLanguageRegistryKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return false;
  const DWORD bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
  const LONG result = RegSetValueExW(key, kLanguageKey, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool ReadRegistryLanguage(std::wstring& text) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kLanguageRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  // One spare character, so that a value stored without its terminating zero still ends.
  std::vector<wchar_t> buffer(kRegistryBufferBytes / sizeof(wchar_t) + 1, L'\0');
  DWORD type = 0;
  DWORD size = kRegistryBufferBytes;
  const LONG result = RegQueryValueExW(key, kLanguageKey, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS || type != REG_SZ) return false;
  buffer[size / sizeof(wchar_t)] = L'\0';
  text = buffer.data();
  return true;
}

int MainIniLanguageFromRegistry(const std::wstring& registryText) {
  const long value = wcstol(registryText.c_str(), nullptr, 10);
  for (const PanelLanguage& language : kLanguages)
    if (value == wcstol(language.registryValue, nullptr, 10)) return language.value;
  return 0;
}

void HandOverRegistryLanguage(const std::wstring& iniPath) {
  if (HasSkinImageValue(iniPath, kLanguageKey)) return;
  std::wstring registryText;
  ReadRegistryLanguage(registryText);
  WriteSkinImageValue(iniPath, kLanguageKey, std::to_wstring(MainIniLanguageFromRegistry(registryText)));
}
