#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>

#include "custom_controls.h"

namespace {
constexpr DWORD kCentreColor = 0xFFFFFFFF;
constexpr int kRingWidth = 10;

void FillPie(HDC dc, RECT rc, DWORD argb, float start, float sweep) {
  Gdiplus::Graphics graphics(dc);
  Gdiplus::SolidBrush brush{Gdiplus::Color(argb)};
  graphics.FillPie(&brush, static_cast<INT>(rc.left), static_cast<INT>(rc.top), static_cast<INT>(rc.right - rc.left),
                   static_cast<INT>(rc.bottom - rc.top), start, sweep);
}
}  // namespace

int CircleProgressSweep(int value, int minimum, int maximum) {
  if (maximum <= minimum) return 0;
  const int bounded = std::min(std::max(value, minimum), maximum);
  return static_cast<int>((bounded - minimum) * 1.0 / (maximum - minimum) * 360);
}

void CCircleProgressUI::PaintBkColor(HDC dc) { FillPie(dc, GetPos(), GetBkColor(), 0, 360); }

void CCircleProgressUI::PaintForeColor(HDC dc) {
  const RECT rc = GetPos();
  FillPie(dc, rc, GetForeColor(), 90, static_cast<float>(CircleProgressSweep(GetValue(), GetMinValue(), GetMaxValue())));
  const RECT centre{rc.left + kRingWidth, rc.top + kRingWidth, rc.right - kRingWidth, rc.bottom - kRingWidth};
  FillPie(dc, centre, kCentreColor, 0, 360);
}
