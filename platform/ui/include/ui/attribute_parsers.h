#pragma once
#include <windows.h>

#include <string>

// Readers of the attribute values in layout files. Plain functions, no window needed.

// "#AARRGGBB" (or "#RRGGBB", opaque); the '#' is optional. Unreadable text gives 0.
DWORD ParseColorValue(const std::wstring& text);
// "l,t,r,b"; missing numbers are 0.
RECT ParseRectValue(const std::wstring& text);
// "cx,cy"
SIZE ParseSizeValue(const std::wstring& text);
bool ParseBoolValue(const std::wstring& text);
int ParseIntValue(const std::wstring& text);
// "top", "vcenter" (or "center"), "bottom" as DT_ flags; anything else is DT_TOP.
UINT ParseVAlignValue(const std::wstring& text);

// An image reference: a bare file name, or "file='x' source='l,t,r,b' corner='l,t,r,b'".
struct ImageDescriptor {
  std::wstring file;
  RECT source{};   // empty: the whole image
  RECT corner{};   // edges kept unscaled when the image is stretched
};
ImageDescriptor ParseImageDescriptor(const std::wstring& text);
