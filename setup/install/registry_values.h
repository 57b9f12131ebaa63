#pragma once
#include <windows.h>

#include <string>

// REG_SZ (or REG_EXPAND_SZ) with its terminating NUL counted in the data size.
LONG SetStringValue(HKEY key, const wchar_t* name, const std::wstring& data, DWORD type = REG_SZ);
LONG SetDwordValue(HKEY key, const wchar_t* name, DWORD data);
