#pragma once
#include <string>

// Values of the panel's INI files, through the Windows profile-string calls: every value is read
// with the default "0" and taken as a decimal integer (no digits: 0).
std::wstring ReadIniText(const std::wstring& path, const wchar_t* section, const std::wstring& key);
int ReadIniInt(const std::wstring& path, const wchar_t* section, const std::wstring& key);
