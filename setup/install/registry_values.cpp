#include "registry_values.h"

LONG SetStringValue(HKEY key, const wchar_t* name, const std::wstring& data, DWORD type) {
  return RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

LONG SetDwordValue(HKEY key, const wchar_t* name, DWORD data) {
  return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof(data));
}
