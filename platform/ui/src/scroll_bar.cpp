#include "scroll_bar.h"

#include <algorithm>

#include "ui/render_engine.h"

RECT VerticalScrollBar::Thumb() const {
  long length = track.bottom - track.top;
  long content = length + range;
  long thumb = std::max(kScrollBarWidth * 2, length * length / std::max(content, 1L));
  long at = std::max(0L, std::min(pos, range));
  long top = track.top + (range > 0 ? (length - thumb) * at / range : 0);
  return RECT{track.left, top, track.right, top + thumb};
}

long VerticalScrollBar::PosForThumbTop(long thumbTop) const {
  RECT thumb = Thumb();
  long travel = (track.bottom - track.top) - (thumb.bottom - thumb.top);
  if (travel <= 0) return 0;
  long offset = std::max(0L, std::min(travel, thumbTop - track.top));
  return offset * range / travel;
}

void VerticalScrollBar::Paint(HDC dc, bool dragging) const {
  CRenderEngine::DrawColor(dc, track, 0xFFE3E8ED);
  CRenderEngine::DrawColor(dc, Thumb(), dragging ? 0xFF6F7F8F : 0xFF9AA7B4);
}
