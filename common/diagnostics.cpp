#include "diagnostics.h"

#include <windows.h>

#include <cstdarg>
#include <cwchar>

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(size > 0 ? size : 0, '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
  return out;
}

std::wstring FromUtf8(const std::string& text) {
  if (text.empty()) return {};
  int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(size > 0 ? size : 0, L'\0');
  if (size > 0)
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

static void AppendToLogFile(const std::wstring& text) {
  wchar_t path[1024];
  DWORD length = GetEnvironmentVariableW(L"KARVO_DEBUG_LOG", path, ARRAYSIZE(path));
  if (length == 0 || length >= ARRAYSIZE(path)) return;
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::string line = ToUtf8(text);
  if (line.empty() || line.back() != '\n') line += '\n';
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

void DebugLine(const std::wstring& text) {
  OutputDebugStringW(text.c_str());
  AppendToLogFile(text);
}

void DebugPrintf(const wchar_t* format, ...) {
  wchar_t buffer[1024];
  va_list args;
  va_start(args, format);
  int n = _vsnwprintf(buffer, ARRAYSIZE(buffer) - 1, format, args);
  va_end(args);
  buffer[ARRAYSIZE(buffer) - 1] = L'\0';
  if (n < 0) buffer[ARRAYSIZE(buffer) - 2] = L'\0';
  DebugLine(buffer);
}
