#include "ui/container.h"

#include <algorithm>

#include "model_lock.h"
#include "ui/attribute_parsers.h"
#include "ui/paint_manager.h"

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
    PropagateVisibility();
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
    delete item;
    PropagateVisibility();
  }
  NeedUpdate();
  return true;
}

void CContainerUI::RemoveAll() {
  {
    ModelLock lock;
    std::vector<CControlUI*> items;
    items.swap(items_);
    for (CControlUI* item : items) delete item;
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

void CContainerUI::PropagateVisibility() {
  ModelLock lock;
  bool shown = visible_ && internVisible_;
  for (size_t i = 0; i < items_.size(); ++i) items_[i]->SetInternVisible(shown && ShowsChild(static_cast<int>(i)));
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
  if (mouseChildEnabled_) {
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
  for (CControlUI* child : items_)
    if (child->IsVisible()) child->DoPaint(dc, paint);
}
