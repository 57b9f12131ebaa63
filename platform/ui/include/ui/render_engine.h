#pragma once
#include <windows.h>

#include <cstddef>

class CPaintManagerUI;

// Drawing primitives on the paint manager's back buffer.
class CRenderEngine {
 public:
  // Draws an image reference (a file in the resource folder, or "file='..' source='..'
  // corner='..'") stretched over `item`. `modify` adds or overrides attributes. With `tint`, every
  // pixel is tinted with the packed LED colour at `level` (see TintPixel): while drawing, into the
  // library's own surfaces (back buffers, so LED previews that change colour every frame cost no
  // memory); from a cached tinted copy into any other DC.
  static bool DrawImageString(HDC dc, CPaintManagerUI* manager, const RECT& item, const RECT& paint,
                              LPCTSTR image, LPCTSTR modify = nullptr, HINSTANCE instance = nullptr,
                              DWORD tintColor = 0, int level = 255, bool tint = false);
  // Fills with an ARGB colour; a colour with alpha below 255 is blended.
  static void DrawColor(HDC dc, const RECT& rc, DWORD argb);
  static void DrawBorder(HDC dc, const RECT& rc, int size, DWORD argb);
  // Text clipped to `rc`; in the library's own surfaces, the same text over the same pixels is
  // copied from what it drew there before.
  static void DrawText(HDC dc, CPaintManagerUI* manager, RECT rc, LPCTSTR text, DWORD argb, int font,
                       UINT style);
  // The memory the cached tinted copies hold; it never exceeds a fixed bound (4 MB).
  static size_t GetTintCacheBytes();
};
