#include "ui/layouts.h"

#include "model_lock.h"
#include "ui/attribute_parsers.h"

namespace {

// Lays children out along one axis: fixed lengths as given, the remaining length shared evenly
// by the children without one. Across the axis a child fills the line unless it has a fixed size.
void LayoutLine(const std::vector<CControlUI*>& children, RECT inner, int childPadding, bool vertical,
                const std::function<void(CControlUI*)>& placeFloating) {
  auto along = [vertical](const RECT& r) { return vertical ? r.bottom - r.top : r.right - r.left; };
  auto lengthOf = [vertical](SIZE s) { return vertical ? s.cy : s.cx; };
  auto padBefore = [vertical](const RECT& p) { return vertical ? p.top : p.left; };
  auto padAfter = [vertical](const RECT& p) { return vertical ? p.bottom : p.right; };
  SIZE available{inner.right - inner.left, inner.bottom - inner.top};

  std::vector<CControlUI*> flowing;
  long used = 0;
  int stretching = 0;
  for (CControlUI* child : children) {
    if (!child->IsVisible()) continue;
    if (child->IsFloat()) {
      placeFloating(child);
      continue;
    }
    flowing.push_back(child);
    RECT pad = child->GetPadding();
    long length = lengthOf(child->EstimateSize(available));
    used += padBefore(pad) + padAfter(pad) + length;
    if (length <= 0) ++stretching;
  }
  if (!flowing.empty()) used += childPadding * static_cast<long>(flowing.size() - 1);
  long spare = along(inner) - used;
  if (spare < 0) spare = 0;

  long cursor = vertical ? inner.top : inner.left;
  for (CControlUI* child : flowing) {
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
      long height = size.cy > 0 ? size.cy : available.cy - pad.top - pad.bottom;
      rc = RECT{cursor, inner.top + pad.top, cursor + length, inner.top + pad.top + height};
    }
    child->SetPos(rc);
    cursor += length + padAfter(pad) + childPadding;
  }
}

}  // namespace

LPCTSTR CVerticalLayoutUI::GetClass() const { return L"VerticalLayoutUI"; }

void CVerticalLayoutUI::SetPos(RECT rc) {
  ModelLock lock;
  CControlUI::SetPos(rc);
  LayoutLine(items_, InnerRect(), childPadding_, true, [this](CControlUI* c) { PlaceFloatingChild(c); });
}

LPCTSTR CHorizontalLayoutUI::GetClass() const { return L"HorizontalLayoutUI"; }

void CHorizontalLayoutUI::SetPos(RECT rc) {
  ModelLock lock;
  CControlUI::SetPos(rc);
  LayoutLine(items_, InnerRect(), childPadding_, false, [this](CControlUI* c) { PlaceFloatingChild(c); });
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
  return CContainerUI::RemoveAt(index);
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
