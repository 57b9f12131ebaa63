#include "ui/color_palette.h"

#include <algorithm>

#include "model_lock.h"
#include "surfaces.h"
#include "ui/attribute_parsers.h"
#include "ui/notify.h"
#include "ui/render_engine.h"

namespace {

constexpr long kGap = 6;  // between field and bar

double Fraction(long offset, long length) {
  if (length <= 1) return 0;
  return std::min(1.0, std::max(0.0, static_cast<double>(offset) / (length - 1)));
}

// A small square ring that shows on light and dark colours alike.
void DrawMarker(HDC dc, POINT centre, long half) {
  RECT outer{centre.x - half - 1, centre.y - half - 1, centre.x + half + 2, centre.y + half + 2};
  CRenderEngine::DrawBorder(dc, outer, 1, 0xFF202020);
  RECT inner{outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
  CRenderEngine::DrawBorder(dc, inner, 1, 0xFFFFFFFF);
}

}  // namespace

CColorPaletteUI::CColorPaletteUI() : color_(0xFFFF0000), hsb_(ArgbToHsb(0xFFFF0000)) {}

CColorPaletteUI::~CColorPaletteUI() {
  if (picture_) DestroySurface(picture_);
}

LPCTSTR CColorPaletteUI::GetClass() const { return L"ColorPaletteUI"; }

DWORD CColorPaletteUI::GetSelectColor() const {
  ModelLock lock;
  return color_;
}

void CColorPaletteUI::SetSelectColor(DWORD argb) {
  {
    ModelLock lock;
    color_ = argb;
    hsb_ = ArgbToHsb(argb);
  }
  Invalidate();
}

int CColorPaletteUI::GetBarHeight() const {
  ModelLock lock;
  return barHeight_;
}

void CColorPaletteUI::SetBarHeight(int height) {
  {
    ModelLock lock;
    barHeight_ = std::max(4, height);
  }
  Invalidate();
}

void CColorPaletteUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  const std::wstring key = name ? name : L"";
  if (key == L"barheight") SetBarHeight(ParseIntValue(value ? value : L""));
  else CControlUI::SetAttribute(name, value);
}

RECT CColorPaletteUI::FieldRect() const {
  return RECT{pos_.left, pos_.top, pos_.right, std::max(pos_.top, pos_.bottom - barHeight_ - kGap)};
}

RECT CColorPaletteUI::BarRect() const {
  return RECT{pos_.left, std::max(pos_.top, pos_.bottom - barHeight_), pos_.right, pos_.bottom};
}

void CColorPaletteUI::PickAt(POINT pt) {
  if (dragging_ == Dragging::kField) {
    RECT field = FieldRect();
    hsb_.hue = std::min(359.999, Fraction(pt.x - field.left, field.right - field.left) * 360);
    hsb_.saturation = 1 - Fraction(pt.y - field.top, field.bottom - field.top);
  } else {
    RECT bar = BarRect();
    hsb_.brightness = Fraction(pt.x - bar.left, bar.right - bar.left);
  }
  color_ = HsbToArgb(hsb_);
}

void CColorPaletteUI::DoEvent(TEventUI& event) {
  bool changed = false, picked = false;
  {
    ModelLock lock;
    switch (event.Type) {
      case UIEVENT_BUTTONDOWN:
      case UIEVENT_DBLCLICK: {
        RECT field = FieldRect(), bar = BarRect();
        if (!EnabledInTree()) break;
        if (PtInRect(&field, event.ptMouse)) dragging_ = Dragging::kField;
        else if (PtInRect(&bar, event.ptMouse)) dragging_ = Dragging::kBar;
        changed = dragging_ != Dragging::kNothing;
        if (changed) PickAt(event.ptMouse);
        break;
      }
      case UIEVENT_MOUSEMOVE:
        changed = dragging_ != Dragging::kNothing;
        if (changed) PickAt(event.ptMouse);
        break;
      case UIEVENT_BUTTONUP:
        picked = dragging_ != Dragging::kNothing;
        dragging_ = Dragging::kNothing;
        break;
      default:
        break;
    }
  }
  if (changed) Invalidate();
  CControlUI::DoEvent(event);
  if (picked) Notify(UI_NOTIFY_COLORCHANGED);
}

void CColorPaletteUI::RenderPicture(const RECT& field, const RECT& bar) {
  SIZE size{pos_.right - pos_.left, pos_.bottom - pos_.top};
  bool sameColour = pictureHsb_.hue == hsb_.hue && pictureHsb_.saturation == hsb_.saturation &&
                    pictureHsb_.brightness == hsb_.brightness;
  if (picture_ && size.cx == pictureSize_.cx && size.cy == pictureSize_.cy && sameColour) return;
  if (!picture_ || size.cx != pictureSize_.cx || size.cy != pictureSize_.cy) {
    if (picture_) DestroySurface(picture_);
    picture_ = CreateSurface(size.cx, size.cy, &pixels_);
    pictureSize_ = size;
    if (!picture_) return;
  }
  pictureHsb_ = hsb_;
  std::fill(pixels_, pixels_ + size.cx * size.cy, 0xFFFFFFFFu);
  long fieldWidth = field.right - field.left, fieldHeight = field.bottom - field.top;
  for (long y = 0; y < fieldHeight; ++y)
    for (long x = 0; x < fieldWidth; ++x)
      pixels_[y * size.cx + x] = HsbToArgb(HsbColor{Fraction(x, fieldWidth) * 360, 1 - Fraction(y, fieldHeight), hsb_.brightness});
  long barTop = bar.top - pos_.top, barWidth = bar.right - bar.left;
  for (long x = 0; x < barWidth; ++x) {
    uint32_t shade = HsbToArgb(HsbColor{hsb_.hue, hsb_.saturation, Fraction(x, barWidth)});
    for (long y = barTop; y < size.cy; ++y) pixels_[y * size.cx + x] = shade;
  }
}

void CColorPaletteUI::PaintStatusImage(HDC dc) {
  RECT field = FieldRect(), bar = BarRect();
  if (pos_.right <= pos_.left || pos_.bottom <= pos_.top) return;
  RenderPicture(field, bar);
  if (!picture_) return;
  HDC pictureDc = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(pictureDc, picture_);
  BitBlt(dc, pos_.left, pos_.top, pictureSize_.cx, pictureSize_.cy, pictureDc, 0, 0, SRCCOPY);
  SelectObject(pictureDc, previous);
  DeleteDC(pictureDc);
  long fieldWidth = field.right - field.left, fieldHeight = field.bottom - field.top;
  DrawMarker(dc, POINT{field.left + static_cast<long>(hsb_.hue / 360 * (fieldWidth - 1)),
                       field.top + static_cast<long>((1 - hsb_.saturation) * (fieldHeight - 1))}, 3);
  long x = bar.left + static_cast<long>(hsb_.brightness * (bar.right - bar.left - 1));
  RECT thumb{x - 2, bar.top - 2, x + 3, bar.bottom + 2};
  CRenderEngine::DrawBorder(dc, thumb, 1, 0xFF202020);
  CRenderEngine::DrawColor(dc, RECT{thumb.left + 1, thumb.top + 1, thumb.right - 1, thumb.bottom - 1}, 0xFFFFFFFF);
}
