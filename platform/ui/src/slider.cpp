#include "ui/slider.h"

#include <algorithm>

#include "model_lock.h"
#include "ui/attribute_parsers.h"
#include "ui/notify.h"
#include "ui/render_engine.h"

CSliderUI::CSliderUI() {
  foreColor_ = 0xFF2E86DE;
  bkColor_ = 0xFFD5DCE3;
}

LPCTSTR CSliderUI::GetClass() const { return L"SliderUI"; }

int CSliderUI::GetChangeStep() const {
  ModelLock lock;
  return step_;
}

void CSliderUI::SetChangeStep(int step) {
  ModelLock lock;
  step_ = step > 0 ? step : 1;
}

SIZE CSliderUI::GetThumbSize() const {
  ModelLock lock;
  return thumbSize_;
}

void CSliderUI::SetThumbSize(SIZE size) {
  {
    ModelLock lock;
    thumbSize_ = size;
  }
  Invalidate();
}

void CSliderUI::SetThumbImage(LPCTSTR image) {
  {
    ModelLock lock;
    thumbImage_ = image;
  }
  Invalidate();
}

void CSliderUI::SetThumbHotImage(LPCTSTR image) {
  ModelLock lock;
  thumbHotImage_ = image;
}

void CSliderUI::SetThumbPushedImage(LPCTSTR image) {
  ModelLock lock;
  thumbPushedImage_ = image;
}

void CSliderUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  const std::wstring key = name ? name : L"";
  const std::wstring text = value ? value : L"";
  if (key == L"step") SetChangeStep(ParseIntValue(text));
  else if (key == L"thumbsize") SetThumbSize(ParseSizeValue(text));
  else if (key == L"thumbimage") SetThumbImage(value);
  else if (key == L"thumbhotimage") SetThumbHotImage(value);
  else if (key == L"thumbpushedimage") SetThumbPushedImage(value);
  else CProgressUI::SetAttribute(name, value);
}

bool CSliderUI::AcceptsFocus() const { return true; }

// The thumb's centre travels from one end of the bar to the other, less the thumb: left to right,
// or, vertical, bottom to top.
RECT CSliderUI::ThumbRect() const {
  if (vertical_) {
    long travel = (pos_.bottom - pos_.top) - thumbSize_.cy;
    long top = pos_.bottom - thumbSize_.cy - (travel > 0 ? ShareOf(travel) : 0);
    long left = (pos_.left + pos_.right - thumbSize_.cx) / 2;
    return RECT{left, top, left + thumbSize_.cx, top + thumbSize_.cy};
  }
  long travel = (pos_.right - pos_.left) - thumbSize_.cx;
  long left = pos_.left + (travel > 0 ? ShareOf(travel) : 0);
  long top = (pos_.top + pos_.bottom - thumbSize_.cy) / 2;
  return RECT{left, top, left + thumbSize_.cx, top + thumbSize_.cy};
}

int CSliderUI::ValueAt(POINT pt) const {
  long travel = vertical_ ? (pos_.bottom - pos_.top) - thumbSize_.cy : (pos_.right - pos_.left) - thumbSize_.cx;
  long range = static_cast<long>(max_) - min_;
  if (travel <= 0 || range <= 0) return min_;
  long offset = vertical_ ? pos_.bottom - pt.y - thumbSize_.cy / 2 : pt.x - pos_.left - thumbSize_.cx / 2;
  if (offset < 0) offset = 0;
  if (offset > travel) offset = travel;
  long value = (offset * range + travel / 2) / travel;
  value = (value + step_ / 2) / step_ * step_;
  return static_cast<int>(std::min(value, range) + min_);
}

bool CSliderUI::MoveTo(POINT pt) {
  ModelLock lock;
  int value = ValueAt(pt);
  if (value == value_) return false;
  value_ = value;
  return true;
}

void CSliderUI::DoEvent(TEventUI& event) {
  bool moved = false, released = false;
  switch (event.Type) {
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK: {
      bool start;
      {
        ModelLock lock;
        start = EnabledInTree() && PtInRect(&pos_, event.ptMouse);
        dragging_ = start;
      }
      if (start) moved = MoveTo(event.ptMouse);
      break;
    }
    case UIEVENT_MOUSEMOVE: {
      bool dragging;
      {
        ModelLock lock;
        dragging = dragging_;
      }
      if (dragging) moved = MoveTo(event.ptMouse);
      break;
    }
    case UIEVENT_BUTTONUP: {
      ModelLock lock;
      released = dragging_;
      dragging_ = false;
      break;
    }
    case UIEVENT_MOUSEENTER:
    case UIEVENT_MOUSELEAVE: {
      ModelLock lock;
      hot_ = event.Type == UIEVENT_MOUSEENTER;
      break;
    }
    default:
      break;
  }
  if (moved || released) Invalidate();
  CProgressUI::DoEvent(event);
  if (moved) Notify(UI_NOTIFY_MOVEVALUECHANGED);
  if (released) Notify(UI_NOTIFY_VALUECHANGED);
}

// Without a thumb image the thumb is a white knob with the bar's colour as its rim.
void CSliderUI::PaintStatusImage(HDC dc) {
  CProgressUI::PaintStatusImage(dc);
  RECT thumb = ThumbRect();
  const CDuiString* image = &thumbImage_;
  if (dragging_ && !thumbPushedImage_.IsEmpty()) image = &thumbPushedImage_;
  else if (hot_ && !thumbHotImage_.IsEmpty()) image = &thumbHotImage_;
  if (!image->IsEmpty()) {
    CRenderEngine::DrawImageString(dc, manager_, thumb, thumb, image->GetData());
    return;
  }
  CRenderEngine::DrawColor(dc, thumb, foreColor_);
  RECT inner{thumb.left + 2, thumb.top + 2, thumb.right - 2, thumb.bottom - 2};
  CRenderEngine::DrawColor(dc, inner, 0xFFFFFFFF);
}
