#include "ui/container.h"

#include <algorithm>

#include "model_lock.h"
#include "removed_controls.h"
#include "scroll_bar.h"
#include "ui/attribute_parsers.h"
#include "ui/paint_manager.h"
#include "ui/render_engine.h"

namespace {

constexpr long kScrollLine = 30;
constexpr long kScrollToEnd = 0x3FFFFFFF;  // "at the end, whatever the length turns out to be"

}  // namespace

CContainerUI::~CContainerUI() {
  ModelLock lock;
  for (CControlUI* item : items_) delete item;
}

LPCTSTR CContainerUI::GetClass() const { return L"ContainerUI"; }

CControlUI* CContainerUI::GetItemAt(int index) const {
  ModelLock lock;
  return index >= 0 && index < static_cast<int>(items_.size()) ? items_[index] : nullptr;
}

int CContainerUI::GetItemIndex(CControlUI* control) const {
  ModelLock lock;
  auto found = std::find(items_.begin(), items_.end(), control);
  return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

int CContainerUI::GetCount() const {
  ModelLock lock;
  return static_cast<int>(items_.size());
}

bool CContainerUI::Add(CControlUI* control) { return AddAt(control, GetCount()); }

bool CContainerUI::AddAt(CControlUI* control, int index) {
  if (!control) return false;
  {
    ModelLock lock;
    if (index < 0 || index > static_cast<int>(items_.size())) return false;
    items_.insert(items_.begin() + index, control);
    control->SetManager(manager_, this, manager_ != nullptr);
    PropagateVisibility(static_cast<size_t>(index));
  }
  NeedUpdate();
  return true;
}

bool CContainerUI::Remove(CControlUI* control) {
  int index = GetItemIndex(control);
  return index >= 0 && RemoveAt(index);
}

bool CContainerUI::RemoveAt(int index) {
  {
    ModelLock lock;
    if (index < 0 || index >= static_cast<int>(items_.size())) return false;
    CControlUI* item = items_[index];
    items_.erase(items_.begin() + index);
    DiscardControl(item);
    PropagateVisibility(static_cast<size_t>(index));
  }
  NeedUpdate();
  return true;
}

void CContainerUI::RemoveAll() {
  {
    ModelLock lock;
    std::vector<CControlUI*> items;
    items.swap(items_);
    for (CControlUI* item : items) DiscardControl(item);
  }
  NeedUpdate();
}

RECT CContainerUI::GetInset() const {
  ModelLock lock;
  return inset_;
}

void CContainerUI::SetInset(RECT inset) {
  {
    ModelLock lock;
    inset_ = inset;
  }
  NeedUpdate();
}

int CContainerUI::GetChildPadding() const {
  ModelLock lock;
  return childPadding_;
}

void CContainerUI::SetChildPadding(int padding) {
  {
    ModelLock lock;
    childPadding_ = padding;
  }
  NeedUpdate();
}

bool CContainerUI::IsMouseChildEnabled() const {
  ModelLock lock;
  return mouseChildEnabled_;
}

void CContainerUI::SetMouseChildEnabled(bool enabled) {
  ModelLock lock;
  mouseChildEnabled_ = enabled;
}

UINT CContainerUI::GetChildVAlign() const {
  ModelLock lock;
  return childVAlign_;
}

void CContainerUI::SetChildVAlign(UINT align) {
  {
    ModelLock lock;
    childVAlign_ = align;
  }
  NeedUpdate();
}

bool CContainerUI::IsVScrollEnabled() const {
  ModelLock lock;
  return vscroll_;
}

void CContainerUI::EnableVScroll(bool enable) {
  {
    ModelLock lock;
    vscroll_ = enable;
    if (!enable) scrollPos_ = scrollRange_ = 0;
  }
  NeedUpdate();
}

int CContainerUI::GetScrollPos() const {
  ModelLock lock;
  return static_cast<int>(std::min(scrollPos_, scrollRange_));
}

int CContainerUI::GetScrollRange() const {
  ModelLock lock;
  return static_cast<int>(scrollRange_);
}

void CContainerUI::SetScrollPos(int pos) {
  {
    ModelLock lock;
    scrollPos_ = pos < 0 ? 0 : pos;
  }
  NeedUpdate();
}

void CContainerUI::LineUp() { ScrollBy(-kScrollLine); }
void CContainerUI::LineDown() { ScrollBy(kScrollLine); }

void CContainerUI::PageUp() {
  long page;
  {
    ModelLock lock;
    page = ViewRect().bottom - ViewRect().top;
  }
  ScrollBy(-std::max(page, kScrollLine));
}

void CContainerUI::PageDown() {
  long page;
  {
    ModelLock lock;
    page = ViewRect().bottom - ViewRect().top;
  }
  ScrollBy(std::max(page, kScrollLine));
}

void CContainerUI::EndDown() {
  {
    ModelLock lock;
    scrollPos_ = kScrollToEnd;
  }
  NeedUpdate();
}

// From a clamped position, so that a step after EndDown is counted from the real end; a position
// still at the end marker stays there.
void CContainerUI::ScrollBy(long delta) {
  {
    ModelLock lock;
    if (scrollPos_ >= kScrollToEnd) {
      if (delta > 0) return;
      scrollPos_ = scrollRange_;
    }
    long from = std::min(scrollPos_, scrollRange_);
    scrollPos_ = std::max(0L, from + delta);
  }
  NeedUpdate();
}

void CContainerUI::UpdateScrollRange(long contentHeight, long viewHeight) {
  scrollRange_ = vscroll_ && contentHeight > viewHeight ? contentHeight - viewHeight : 0;
  if (scrollPos_ > scrollRange_ && scrollPos_ < kScrollToEnd) scrollPos_ = scrollRange_;
}

RECT CContainerUI::ViewRect() const {
  RECT view = InnerRect();
  if (scrollRange_ > 0) view.right -= kScrollBarWidth;
  return view;
}

RECT CContainerUI::ScrollBarRect() const {
  RECT inner = InnerRect();
  return RECT{inner.right - kScrollBarWidth, inner.top, inner.right, inner.bottom};
}

RECT CContainerUI::ScrollThumbRect() const { return ScrollBar().Thumb(); }

VerticalScrollBar CContainerUI::ScrollBar() const {
  return VerticalScrollBar{ScrollBarRect(), scrollRange_, std::min(scrollPos_, scrollRange_)};
}

void CContainerUI::SetVisible(bool visible) {
  {
    ModelLock lock;
    CControlUI::SetVisible(visible);
    PropagateVisibility();
  }
}

void CContainerUI::SetInternVisible(bool visible) {
  ModelLock lock;
  CControlUI::SetInternVisible(visible);
  PropagateVisibility();
}

bool CContainerUI::ShowsChild(int) const { return true; }

void CContainerUI::PropagateVisibility(size_t first) {
  ModelLock lock;
  bool shown = visible_ && internVisible_;
  for (size_t i = first; i < items_.size(); ++i) items_[i]->SetInternVisible(shown && ShowsChild(static_cast<int>(i)));
}

RECT CContainerUI::InnerRect() const {
  return RECT{pos_.left + inset_.left, pos_.top + inset_.top, pos_.right - inset_.right,
              pos_.bottom - inset_.bottom};
}

void CContainerUI::PlaceFloatingChild(CControlUI* child) {
  RECT offset = child->GetFloatPos();
  SIZE size = child->EstimateSize(SIZE{pos_.right - pos_.left, pos_.bottom - pos_.top});
  long left = pos_.left + offset.left, top = pos_.top + offset.top;
  child->SetPos(RECT{left, top, left + size.cx, top + size.cy});
}

void CContainerUI::SetPos(RECT rc) {
  ModelLock lock;
  CControlUI::SetPos(rc);
  RECT inner = InnerRect();
  for (CControlUI* child : items_) {
    if (child->IsFloat()) {
      PlaceFloatingChild(child);
      continue;
    }
    RECT pad = child->GetPadding();
    RECT area{inner.left + pad.left, inner.top + pad.top, inner.right - pad.right, inner.bottom - pad.bottom};
    SIZE size = child->EstimateSize(SIZE{area.right - area.left, area.bottom - area.top});
    if (size.cx > 0) area.right = area.left + size.cx;
    if (size.cy > 0) area.bottom = area.top + size.cy;
    child->SetPos(area);
  }
}

void CContainerUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
  ModelLock lock;
  for (CControlUI* child : items_) child->SetManager(manager, this, init);
  CControlUI::SetManager(manager, parent, init);
}

void CContainerUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  const std::wstring key = name ? name : L"";
  if (key == L"inset") SetInset(ParseRectValue(value ? value : L""));
  else if (key == L"childpadding") SetChildPadding(ParseIntValue(value ? value : L""));
  else if (key == L"mousechild") SetMouseChildEnabled(ParseBoolValue(value ? value : L""));
  else if (key == L"vscrollbar") EnableVScroll(ParseBoolValue(value ? value : L""));
  else if (key == L"childvalign") SetChildVAlign(ParseVAlignValue(value ? value : L""));
  else CControlUI::SetAttribute(name, value);
}

CControlUI* CContainerUI::FindInTree(const std::function<bool(CControlUI*)>& accept) {
  ModelLock lock;
  if (accept(this)) return this;
  for (CControlUI* child : items_)
    if (CControlUI* found = child->FindInTree(accept)) return found;
  return nullptr;
}

CControlUI* CContainerUI::FindAtPoint(POINT pt) {
  ModelLock lock;
  if (!visible_ || !internVisible_ || !PtInRect(&pos_, pt)) return nullptr;
  if (scrollRange_ > 0) {
    RECT bar = ScrollBarRect();
    if (PtInRect(&bar, pt)) return this;
  }
  RECT view = ViewRect();
  if (mouseChildEnabled_ && (scrollRange_ == 0 || PtInRect(&view, pt))) {
    // Later children are drawn on top, so they are hit first.
    for (auto child = items_.rbegin(); child != items_.rend(); ++child)
      if (CControlUI* found = (*child)->FindAtPoint(pt)) return found;
  }
  return mouseEnabled_ ? this : nullptr;
}

void CContainerUI::DoPaint(HDC dc, const RECT& paint) {
  RECT overlap;
  if (!IntersectRect(&overlap, &pos_, &paint)) return;
  CControlUI::DoPaint(dc, paint);
  if (scrollRange_ == 0) {
    for (CControlUI* child : items_)
      if (child->IsVisible()) child->DoPaint(dc, paint);
    return;
  }
  // Scrolled children are cut at the view.
  RECT view = ViewRect();
  int saved = SaveDC(dc);
  IntersectClipRect(dc, view.left, view.top, view.right, view.bottom);
  RECT visiblePart;
  IntersectRect(&visiblePart, &paint, &view);
  for (CControlUI* child : items_)
    if (child->IsVisible()) child->DoPaint(dc, visiblePart);
  RestoreDC(dc, saved);
  ScrollBar().Paint(dc, draggingThumb_);
}

// The wheel and the scroll bar; everything else is the control's.
void CContainerUI::DoEvent(TEventUI& event) {
  bool handled = true;
  int page = 0;  // a press on the bar beside the thumb: -1 up, 1 down
  {
    ModelLock lock;
    RECT bar = ScrollBarRect();
    RECT thumb = ScrollThumbRect();
    switch (event.Type) {
      case UIEVENT_SCROLLWHEEL:
        handled = scrollRange_ > 0;
        break;
      case UIEVENT_BUTTONDOWN:
      case UIEVENT_DBLCLICK:
        handled = scrollRange_ > 0 && PtInRect(&bar, event.ptMouse);
        if (handled && PtInRect(&thumb, event.ptMouse)) {
          draggingThumb_ = true;
          dragOffset_ = event.ptMouse.y - thumb.top;
        } else if (handled) {
          page = event.ptMouse.y < thumb.top ? -1 : 1;
        }
        break;
      case UIEVENT_MOUSEMOVE:
        handled = draggingThumb_;
        if (handled) scrollPos_ = ScrollBar().PosForThumbTop(event.ptMouse.y - dragOffset_);
        break;
      case UIEVENT_BUTTONUP:
        handled = draggingThumb_;
        draggingThumb_ = false;
        break;
      default:
        handled = false;
        break;
    }
  }
  if (!handled) {
    CControlUI::DoEvent(event);
    return;
  }
  if (event.Type == UIEVENT_SCROLLWHEEL) {
    if (static_cast<short>(HIWORD(event.wParam)) > 0) LineUp();
    else LineDown();
  } else if (page < 0) {
    PageUp();
  } else if (page > 0) {
    PageDown();
  }
  NeedUpdate();
}
