#pragma once
#include <windows.h>

#include <map>
#include <string>

// Values of the panel's INI files ("main.ini", the profile index files, the macro files), read and
// written with the Windows profile-string calls in the one way every part of the panel uses them.
// An empty path (a refused name's file) reads the fallback and is never written: Windows would
// take it for a file in its own folder.

// The buffer every value is read into, in characters; longer values come back cut to one less.
constexpr DWORD kIniValueChars = 260;

// The value as text, `fallback` when the key is missing. Windows drops the blanks around a value
// and the quotes around a quoted one.
std::wstring ReadIniText(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                         const wchar_t* fallback = L"0", DWORD bufferChars = kIniValueChars);

// The value read with the default "0" as a decimal integer, leading digits only: a missing or
// non-numeric value is 0, "12abc" is 12.
int ReadIniNumber(const std::wstring& path, const std::wstring& section, const std::wstring& key);

// False, with a diagnostics line, when the file cannot be written (read-only, say). A file that does not exist yet is made UTF-16, so that
// names outside the ANSI code page survive.
bool WriteIniText(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                  const std::wstring& value);
bool WriteIniNumber(const std::wstring& path, const std::wstring& section, const std::wstring& key, int value);

// Every "key=value" line of a section at once, the first of equal keys kept; for readers that take
// many values of one file, where a call per value costs a file look-up each.
std::map<std::wstring, std::wstring> ReadIniSection(const std::wstring& path, const std::wstring& section);
