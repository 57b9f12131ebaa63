#pragma once
#include <windows.h>

#include <string>

// The panel's per-user data lives under "<Documents>\KARVO\" with one sub-folder per device kind.
// Every path returned here ends with a backslash and is built anew on every call; missing folders
// are created on the way (a failure to create one shows later, when a file in it cannot be opened).

// The user's documents folder as the shell reports it (created when missing); empty on failure.
std::wstring DocumentsFolder(HWND owner);

// `parent` (ending in a backslash) + `name` + "\", creating the folder when it does not exist.
// An empty parent gives an empty result, so nothing is ever created relative to the current drive.
std::wstring EnsureSubFolder(const std::wstring& parent, const wchar_t* name);

std::wstring ProfileRootFolder(HWND owner);                       // "<Documents>\KARVO\"
std::wstring DeviceProfileFolder(HWND owner, const wchar_t* kind);  // kind: "kb", "ms", "mp", ...
