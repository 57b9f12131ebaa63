#pragma once
#include <string>

// The panel's own settings: "main.ini" in the user's data folder (section "SKINIMAGE") and the
// language value in the machine's registry.

// "<data root>main.ini"
std::wstring MainIniPath(const std::wstring& dataRoot);

// A "SKINIMAGE" value read with the default "0" and taken as a decimal integer.
int ReadSkinImageNumber(const std::wstring& iniPath, const wchar_t* key);
std::wstring ReadSkinImageText(const std::wstring& iniPath, const wchar_t* key);
bool HasSkinImageValue(const std::wstring& iniPath, const wchar_t* key);
void WriteSkinImageValue(const std::wstring& iniPath, const wchar_t* key, const std::wstring& value);

// "main.ini" LANGUAGE: 0 English, 1 German, 2 French.
struct PanelLanguage {
  int value;
  const wchar_t* uiLanguage;     // the UI library's language name
  const wchar_t* languageFile;   // in the skin folder
  const wchar_t* registryValue;  // "LANGUAGE" under the machine's key
  const wchar_t* exitItemText;   // the tray menu's exit item
};
// Null for a value that names no language.
const PanelLanguage* PanelLanguageByValue(int value);
// The language a tray menu item ("lan_en", "lan_de", "lan_fr", any case) chooses; null for others.
const PanelLanguage* PanelLanguageByMenuItem(const std::wstring& itemName);

// HKLM "SOFTWARE\KARVO", value "LANGUAGE" (a string).
extern const wchar_t* const kLanguageRegistryKey;
// The value as a terminated string; false when the key or a string value is missing.
bool ReadRegistryLanguage(std::wstring& text);
// Writes the value as a string into the existing key; false when the key cannot be opened for
// writing (without administrator rights, say) or the write fails.
bool WriteRegistryLanguage(const wchar_t* value);
// The "main.ini" language a registry value stands for: "2020" 1, "3030" 2, anything else 0.
int MainIniLanguageFromRegistry(const std::wstring& registryText);

// Start-up hand-over of the language. The user's own choice lives in "main.ini", which every user
// can write; the machine-wide registry value can only be written with administrator rights. So
// the registry only seeds a "main.ini" that holds no language yet, and a choice that a user
// without those rights made survives a restart.
void HandOverRegistryLanguage(const std::wstring& iniPath);
