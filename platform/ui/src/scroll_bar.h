#pragma once
#include <windows.h>

// A vertical scroll bar beside scrolled content: the track, and a thumb whose length shows the
// visible share of the content and whose place shows the position. Containers and the combo
// drop-down share it.
constexpr long kScrollBarWidth = 8;

struct VerticalScrollBar {
  RECT track{};
  long range = 0;  // how far the content scrolls; 0 while it fits
  long pos = 0;    // 0..range

  RECT Thumb() const;
  // The position that puts the thumb's top at `thumbTop` (dragging the thumb), within 0..range.
  long PosForThumbTop(long thumbTop) const;
  void Paint(HDC dc, bool dragging) const;
};
