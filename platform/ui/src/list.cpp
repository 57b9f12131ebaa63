#include "ui/list.h"

#include <algorithm>

#include "model_lock.h"
#include "removed_controls.h"
#include "ui/attribute_parsers.h"
#include "ui/paint_manager.h"

namespace {

constexpr int kDefaultHeaderHeight = 26;

void Mark(CControlUI* row, bool selected) {
  if (auto* item = dynamic_cast<IListItemUI*>(row)) item->SetSelectedMark(selected);
}

}  // namespace

bool ListItemLook::SetAttribute(const std::wstring& name, const std::wstring& value) {
  if (name == L"itemfont") font = ParseIntValue(value);
  else if (name == L"itemtextcolor") textColor = ParseColorValue(value);
  else if (name == L"itemselectedtextcolor") selectedTextColor = ParseColorValue(value);
  else if (name == L"itemdisabledtextcolor") disabledTextColor = ParseColorValue(value);
  else if (name == L"itembkcolor") bkColor = ParseColorValue(value);
  else if (name == L"itemhotbkcolor") hotBkColor = ParseColorValue(value);
  else if (name == L"itemselectedbkcolor") selectedBkColor = ParseColorValue(value);
  else if (name == L"itemtextpadding") textPadding = ParseRectValue(value);
  else if (name == L"itemalign") {
    textStyle &= ~(DT_LEFT | DT_CENTER | DT_RIGHT);
    textStyle |= value == L"center" ? DT_CENTER : value == L"right" ? DT_RIGHT : DT_LEFT;
  } else {
    return false;
  }
  return true;
}

bool ListSelection::Move(const std::vector<CControlUI*>& rows, int index) {
  const int count = static_cast<int>(rows.size());
  if (index < -1 || index >= count || index == current_) return false;
  if (current_ >= 0 && current_ < count) Mark(rows[current_], false);
  current_ = index;
  if (index >= 0) Mark(rows[index], true);
  return true;
}

bool ListSelection::SelectRow(CControlUI* owner, const std::vector<CControlUI*>& rows, int index, bool takeFocus,
                              bool notify) {
  int previous;
  {
    ModelLock lock;
    if (index < -1 || index >= static_cast<int>(rows.size())) return false;
    previous = current_;
    const bool chosenAgain = provisional_ && index == current_ && index >= 0;
    provisional_ = false;
    if (!Move(rows, index) && !chosenAgain) return true;
  }
  owner->Invalidate();
  if (takeFocus) owner->SetFocus();
  CPaintManagerUI* manager = owner->GetManager();
  if (notify && index >= 0 && manager) manager->SendNotify(owner, UI_NOTIFY_ITEMSELECT, index, previous);
  return true;
}

bool ListSelection::ShowRow(CControlUI* owner, const std::vector<CControlUI*>& rows, int index) {
  {
    ModelLock lock;
    if (index < -1 || index >= static_cast<int>(rows.size())) return false;
    Move(rows, index);
    provisional_ = index >= 0;
  }
  owner->Invalidate();
  return true;
}

void ListSelection::Inserted(int index) {
  if (current_ >= 0 && index <= current_) ++current_;
}

void ListSelection::Removed(const std::vector<CControlUI*>& rows, int index) {
  if (index < current_) {
    --current_;
  } else if (index == current_) {
    const int count = static_cast<int>(rows.size());
    current_ = onRemoval_ == OnRemoval::kSelectNeighbour && count > 0 ? std::min(index, count - 1) : -1;
    provisional_ = current_ >= 0;
    if (current_ >= 0) Mark(rows[current_], true);
  }
}

CListHeaderItemUI::CListHeaderItemUI() {
  textStyle_ = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  textPadding_ = RECT{6, 0, 6, 0};
}

LPCTSTR CListHeaderItemUI::GetClass() const { return L"ListHeaderItemUI"; }

CListHeaderUI::CListHeaderUI() { fixedHeight_ = kDefaultHeaderHeight; }

LPCTSTR CListHeaderUI::GetClass() const { return L"ListHeaderUI"; }

CListUI::CListUI() : header_(new CListHeaderUI) {
  vscroll_ = true;
  header_->SetVisible(false);  // shown once it has columns
}

CListUI::~CListUI() {
  ModelLock lock;
  delete header_;
}

LPCTSTR CListUI::GetClass() const { return L"ListUI"; }

CListHeaderUI* CListUI::GetHeader() const {
  ModelLock lock;
  return header_;
}

int CListUI::GetCurSel() const {
  ModelLock lock;
  return selection_.Current();
}

bool CListUI::SelectItem(int index, bool takeFocus) {
  return selection_.SelectRow(this, items_, index, takeFocus, true);
}

ListItemLook CListUI::GetItemLook() const {
  ModelLock lock;
  return look_;
}

bool CListUI::GetColumnSpan(int column, long& left, long& right) const {
  ModelLock lock;
  if (!header_->IsVisible()) return false;
  CControlUI* item = header_->GetItemAt(column);
  if (!item) return false;
  RECT rc = item->GetPos();
  left = rc.left;
  right = rc.right;
  return true;
}

bool CListUI::AddAt(CControlUI* control, int index) {
  if (auto* header = dynamic_cast<CListHeaderUI*>(control)) {
    {
      ModelLock lock;
      DiscardControl(header_);
      header_ = header;
      header_->SetManager(manager_, this, manager_ != nullptr);
      header_->SetVisible(header_->GetCount() > 0);
    }
    NeedUpdate();
    return true;
  }
  if (dynamic_cast<CListHeaderItemUI*>(control)) {
    ModelLock lock;
    header_->SetVisible(true);
    return header_->Add(control);
  }
  ModelLock lock;
  if (!CVerticalLayoutUI::AddAt(control, index)) return false;
  selection_.Inserted(index);
  return true;
}

bool CListUI::RemoveAt(int index) {
  ModelLock lock;
  if (!CVerticalLayoutUI::RemoveAt(index)) return false;
  selection_.Removed(items_, index);
  return true;
}

void CListUI::RemoveAll() {
  ModelLock lock;
  selection_.Clear();
  CVerticalLayoutUI::RemoveAll();
}

long CListUI::HeaderHeight() const {
  return header_->IsVisible() ? header_->EstimateSize(SIZE{}).cy : 0;
}

RECT CListUI::InnerRect() const {
  RECT inner = CVerticalLayoutUI::InnerRect();
  inner.top += HeaderHeight();
  return inner;
}

void CListUI::SetPos(RECT rc) {
  ModelLock lock;
  CVerticalLayoutUI::SetPos(rc);
  RECT inner = CVerticalLayoutUI::InnerRect();
  header_->SetPos(RECT{inner.left, inner.top, inner.right, inner.top + HeaderHeight()});
}

void CListUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
  ModelLock lock;
  header_->SetManager(manager, this, init);
  CVerticalLayoutUI::SetManager(manager, parent, init);
}

void CListUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  const std::wstring key = name ? name : L"";
  const std::wstring text = value ? value : L"";
  {
    ModelLock lock;
    if (look_.SetAttribute(key, text)) return;
  }
  CVerticalLayoutUI::SetAttribute(name, value);
}

CControlUI* CListUI::FindInTree(const std::function<bool(CControlUI*)>& accept) {
  ModelLock lock;
  if (CControlUI* found = CVerticalLayoutUI::FindInTree(accept)) return found;
  return header_->FindInTree(accept);
}

CControlUI* CListUI::FindAtPoint(POINT pt) {
  ModelLock lock;
  if (!visible_ || !internVisible_ || !PtInRect(&pos_, pt)) return nullptr;
  if (mouseChildEnabled_) {
    if (CControlUI* found = header_->FindAtPoint(pt)) return found;
  }
  return CVerticalLayoutUI::FindAtPoint(pt);
}

void CListUI::DoPaint(HDC dc, const RECT& paint) {
  CVerticalLayoutUI::DoPaint(dc, paint);
  if (header_->IsVisible()) header_->DoPaint(dc, paint);
}

// Measured as the next layout will place the rows, so that rows inserted since the last one
// (and an EndDown still pending) are taken into account.
void CListUI::EnsureVisible(int index) {
  {
    ModelLock lock;
    const int count = static_cast<int>(items_.size());
    if (index < 0 || index >= count) return;
    RECT inner = InnerRect();
    long top = 0, content = 0;
    for (int i = 0; i < count; ++i) {
      if (i == index) top = content;
      content += RowExtent(items_[i], inner);
    }
    long bottom = top + RowExtent(items_[index], inner) - childPadding_;
    long view = inner.bottom - inner.top;
    long from = std::min(scrollPos_, std::max(0L, content - childPadding_ - view));
    if (top < from || view <= 0) scrollPos_ = top;
    else if (bottom > from + view) scrollPos_ = bottom - view;
    else scrollPos_ = from;
  }
  NeedUpdate();
}

// The length a row takes in the list, with its padding and the gap after it; 0 when it is hidden.
long CListUI::RowExtent(CControlUI* row, const RECT& inner) const {
  if (!row->IsVisible() || row->IsFloat()) return 0;
  RECT pad = row->GetPadding();
  SIZE size = row->EstimateSize(SIZE{inner.right - inner.left, inner.bottom - inner.top});
  return pad.top + size.cy + pad.bottom + childPadding_;
}

LPCTSTR CListExUI::GetClass() const { return L"ListExUI"; }

void CListExUI::InitListCtrl() { NeedUpdate(); }
