#include "ui/ui_string.h"

#include <windows.h>

#include <cstdarg>
#include <cwchar>
#include <vector>

int CDuiString::Compare(const wchar_t* other) const { return text_.compare(other ? other : L""); }

int CDuiString::CompareNoCase(const wchar_t* other) const {
  return _wcsicmp(text_.c_str(), other ? other : L"");
}

CDuiString& CDuiString::MakeLower() {
  text_ = ToLowerText(std::move(text_));
  return *this;
}

int CDuiString::Format(const wchar_t* format, ...) {
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list args;
    va_start(args, format);
    // The Microsoft form: %s takes a wide string, as everywhere in the programs.
    int written = _vsnwprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
      text_.assign(buffer.data(), written);
      return written;
    }
    if (buffer.size() >= (1u << 20)) {  // a format that never fits: keep what fits
      text_.assign(buffer.data(), buffer.size() - 1);
      return GetLength();
    }
    buffer.resize(buffer.size() * 4);
  }
}

bool EqualsNoCase(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() && _wcsicmp(a.c_str(), b.c_str()) == 0;
}

std::wstring ToLowerText(std::wstring text) {
  if (!text.empty()) CharLowerBuffW(&text[0], static_cast<DWORD>(text.size()));
  return text;
}
