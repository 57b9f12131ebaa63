#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "surfaces.h"

// Text drawn by GDI over the same pixels comes out the same each time, and costs far more than a
// copy: what a text drew over the pixels under `rc` is kept, and where the same text, font, colour
// and style meet the same pixels again, the kept result is copied instead of calling `draw`.
// `draw` must change nothing outside `rc`, and `rc` must lie within the view's clip.
struct TextLook {
  std::wstring text;
  HFONT font;
  COLORREF colour;
  UINT style;
};
void DrawKeptText(const SurfaceView& view, const RECT& rc, const TextLook& look, const std::function<void()>& draw);
