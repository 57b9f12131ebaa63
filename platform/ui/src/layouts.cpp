#include "ui/layouts.h"

#include <algorithm>

#include "model_lock.h"
#include "ui/attribute_parsers.h"

namespace {

bool Flows(CControlUI* child) { return child->IsVisible() && !child->IsFloat(); }

// The length the children take along the axis: fixed lengths, paddings and the gaps between them.
long MeasureLine(const std::vector<CControlUI*>& children, SIZE available, int childPadding, bool vertical) {
  long used = 0;
  int flowing = 0;
  for (CControlUI* child : children) {
    if (!Flows(child)) continue;
    ++flowing;
    RECT pad = child->GetPadding();
    SIZE size = child->EstimateSize(available);
    used += vertical ? pad.top + pad.bottom + size.cy : pad.left + pad.right + size.cx;
  }
  return flowing > 0 ? used + childPadding * static_cast<long>(flowing - 1) : used;
}

// Lays children out along one axis: fixed lengths as given, the remaining length shared evenly
// by the children without one. Across the axis a child fills the line unless it has a fixed size;
// then `crossAlign` (DT_TOP, DT_VCENTER, DT_BOTTOM) places it in a horizontal line.
void LayoutLine(const std::vector<CControlUI*>& children, RECT inner, int childPadding, bool vertical,
                UINT crossAlign, const std::function<void(CControlUI*)>& placeFloating) {
  auto lengthOf = [vertical](SIZE s) { return vertical ? s.cy : s.cx; };
  auto padBefore = [vertical](const RECT& p) { return vertical ? p.top : p.left; };
  auto padAfter = [vertical](const RECT& p) { return vertical ? p.bottom : p.right; };
  SIZE available{inner.right - inner.left, inner.bottom - inner.top};

  int stretching = 0;
  for (CControlUI* child : children) {
    if (child->IsVisible() && child->IsFloat()) placeFloating(child);
    else if (Flows(child) && lengthOf(child->EstimateSize(available)) <= 0) ++stretching;
  }
  long spare = (vertical ? available.cy : available.cx) - MeasureLine(children, available, childPadding, vertical);
  if (spare < 0) spare = 0;

  long cursor = vertical ? inner.top : inner.left;
  for (CControlUI* child : children) {
    if (!Flows(child)) continue;
    RECT pad = child->GetPadding();
    SIZE size = child->EstimateSize(available);
    long length = lengthOf(size);
    if (length <= 0) {
      length = stretching > 1 ? spare / stretching : spare;
      spare -= length;
      --stretching;
    }
    cursor += padBefore(pad);
    RECT rc;
    if (vertical) {
      long width = size.cx > 0 ? size.cx : available.cx - pad.left - pad.right;
      rc = RECT{inner.left + pad.left, cursor, inner.left + pad.left + width, cursor + length};
    } else {
      long room = available.cy - pad.top - pad.bottom;
      long height = size.cy > 0 ? size.cy : room;
      long top = inner.top + pad.top;
      if (size.cy > 0 && crossAlign == DT_VCENTER) top += (room - height) / 2;
      else if (size.cy > 0 && crossAlign == DT_BOTTOM) top += room - height;
      rc = RECT{cursor, top, cursor + length, top + height};
    }
    child->SetPos(rc);
    cursor += length + padAfter(pad) + childPadding;
  }
}

}  // namespace

LPCTSTR CVerticalLayoutUI::GetClass() const { return L"VerticalLayoutUI"; }

// With scrolling, the children keep their lengths and are laid out shifted up by the position.
void CVerticalLayoutUI::SetPos(RECT rc) {
  ModelLock lock;
  CControlUI::SetPos(rc);
  RECT inner = InnerRect();
  long content = MeasureLine(items_, SIZE{inner.right - inner.left, inner.bottom - inner.top}, childPadding_, true);
  UpdateScrollRange(content, inner.bottom - inner.top);
  RECT view = ViewRect();
  if (scrollRange_ > 0) {
    view.top -= std::min(scrollPos_, scrollRange_);
    view.bottom = view.top + content;
  }
  LayoutLine(items_, view, childPadding_, true, DT_TOP, [this](CControlUI* c) { PlaceFloatingChild(c); });
}

LPCTSTR CHorizontalLayoutUI::GetClass() const { return L"HorizontalLayoutUI"; }

void CHorizontalLayoutUI::SetPos(RECT rc) {
  ModelLock lock;
  CControlUI::SetPos(rc);
  LayoutLine(items_, InnerRect(), childPadding_, false, childVAlign_,
             [this](CControlUI* c) { PlaceFloatingChild(c); });
}

LPCTSTR CTabLayoutUI::GetClass() const { return L"TabLayoutUI"; }

int CTabLayoutUI::GetCurSel() const {
  ModelLock lock;
  return selected_;
}

bool CTabLayoutUI::SelectItem(int index) {
  {
    ModelLock lock;
    if (index < 0 || index >= static_cast<int>(items_.size())) return false;
    if (index == selected_) return true;
    selected_ = index;
    PropagateVisibility();
  }
  NeedUpdate();
  return true;
}

bool CTabLayoutUI::SelectItem(CControlUI* page) { return SelectItem(GetItemIndex(page)); }

bool CTabLayoutUI::ShowsChild(int index) const { return index == selected_; }

// Removing a page before the shown one keeps the same page shown; removing the shown page shows
// the one that takes its place (or the new last one).
bool CTabLayoutUI::Remove(CControlUI* control) {
  int index = GetItemIndex(control);
  return index >= 0 && RemoveAt(index);
}

bool CTabLayoutUI::RemoveAt(int index) {
  ModelLock lock;
  int count = static_cast<int>(items_.size());
  if (index < 0 || index >= count) return false;
  if (index < selected_ || (index == selected_ && selected_ == count - 1 && selected_ > 0)) --selected_;
  if (!CContainerUI::RemoveAt(index)) return false;
  PropagateVisibility();  // the page shown may now sit before the removed one
  return true;
}

void CTabLayoutUI::RemoveAll() {
  ModelLock lock;
  selected_ = 0;
  CContainerUI::RemoveAll();
}

void CTabLayoutUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  if (name && std::wstring(name) == L"selectedid") {
    ModelLock lock;
    selected_ = ParseIntValue(value ? value : L"");
    PropagateVisibility();
    return;
  }
  CContainerUI::SetAttribute(name, value);
}
