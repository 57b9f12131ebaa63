// The rows of lists and combos: selection on a press, "itemclick" after it, and their look.
#include "model_lock.h"
#include "ui/list.h"
#include "ui/paint_manager.h"
#include "ui/render_engine.h"

namespace {

// A press selects the row in its owner first, then the row reports the click.
void PressRow(CControlUI* row, IListOwnerUI* owner, CContainerUI* rows) {
  if (!owner || !rows) return;
  int index = rows->GetItemIndex(row);
  if (index < 0) return;
  owner->SelectItem(index, true);
  if (CPaintManagerUI* manager = row->GetManager()) manager->SendNotify(row, UI_NOTIFY_ITEMCLICK);
}

DWORD RowBkColor(const ListItemLook& look, bool selected, bool hot) {
  if (selected) return look.selectedBkColor;
  if (hot) return look.hotBkColor;
  return look.bkColor;
}

// Tracks hover; true for a press that should select the row.
bool RowEvent(const TEventUI& event, bool enabled, bool& hot) {
  switch (event.Type) {
    case UIEVENT_MOUSEENTER: hot = true; return false;
    case UIEVENT_MOUSELEAVE: hot = false; return false;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_DBLCLICK: return enabled;
    default: return false;
  }
}

}  // namespace

LPCTSTR CListLabelElementUI::GetClass() const { return L"ListLabelElementUI"; }

void CListLabelElementUI::SetSelectedMark(bool selected) {
  {
    ModelLock lock;
    selected_ = selected;
  }
  Invalidate();
}

bool CListLabelElementUI::IsSelected() const {
  ModelLock lock;
  return selected_;
}

IListOwnerUI* CListLabelElementUI::Owner() const { return dynamic_cast<IListOwnerUI*>(GetParent()); }

void CListLabelElementUI::SetText(LPCTSTR text) {
  CControlUI::SetText(text);
  if (IListOwnerUI* owner = Owner()) owner->RowChanged(this);
}

bool CListLabelElementUI::Select(bool takeFocus) {
  IListOwnerUI* owner = Owner();
  auto* rows = dynamic_cast<CContainerUI*>(GetParent());
  return owner && rows && owner->SelectItem(rows->GetItemIndex(this), takeFocus);
}

SIZE CListLabelElementUI::EstimateSize(SIZE) {
  ModelLock lock;
  return SIZE{fixedWidth_, fixedHeight_ > 0 ? fixedHeight_ : kDefaultRowHeight};
}

void CListLabelElementUI::DoEvent(TEventUI& event) {
  bool press;
  {
    ModelLock lock;
    press = RowEvent(event, EnabledInTree(), hot_);
  }
  Invalidate();
  CControlUI::DoEvent(event);
  if (press) PressRow(this, Owner(), dynamic_cast<CContainerUI*>(GetParent()));
}

DWORD CListLabelElementUI::TextColor(const ListItemLook& look) const {
  if (!EnabledInTree()) return look.disabledTextColor;
  return selected_ ? look.selectedTextColor : look.textColor;
}

void CListLabelElementUI::DoPaint(HDC dc, const RECT& paint) {
  RECT overlap;
  if (!IntersectRect(&overlap, &pos_, &paint)) return;
  IListOwnerUI* owner = dynamic_cast<IListOwnerUI*>(parent_);
  ListItemLook look = owner ? owner->GetItemLook() : ListItemLook();
  CRenderEngine::DrawColor(dc, pos_, RowBkColor(look, selected_, hot_));
  PaintBkColor(dc);
  PaintBkImage(dc);
  PaintTexts(dc, look);
  PaintBorder(dc);
}

void CListLabelElementUI::PaintTexts(HDC dc, const ListItemLook& look) {
  RECT rc{pos_.left + look.textPadding.left, pos_.top + look.textPadding.top, pos_.right - look.textPadding.right,
          pos_.bottom - look.textPadding.bottom};
  CRenderEngine::DrawText(dc, manager_, rc, shownText_.GetData(), TextColor(look), look.font, look.textStyle);
}

LPCTSTR CListTextElementUI::GetClass() const { return L"ListTextElementUI"; }

CDuiString CListTextElementUI::GetText(int column) const {
  if (column == 0) return GetText();
  ModelLock lock;
  size_t slot = static_cast<size_t>(column - 1);
  return column > 0 && slot < moreColumns_.size() ? moreColumns_[slot] : CDuiString();
}

void CListTextElementUI::SetText(int column, LPCTSTR text) {
  if (column == 0) {
    SetText(text);
    return;
  }
  if (column < 0) return;
  {
    ModelLock lock;
    size_t slot = static_cast<size_t>(column - 1);
    if (moreColumns_.size() <= slot) moreColumns_.resize(slot + 1);
    moreColumns_[slot] = text;
  }
  Invalidate();
}

// Each text in its header column; without a header, column 0 spans the row.
void CListTextElementUI::PaintTexts(HDC dc, const ListItemLook& look) {
  IListOwnerUI* owner = dynamic_cast<IListOwnerUI*>(parent_);
  for (size_t column = 0; column <= moreColumns_.size(); ++column) {
    long left = pos_.left, right = pos_.right;
    if (!(owner && owner->GetColumnSpan(static_cast<int>(column), left, right)) && column > 0) break;
    RECT rc{left + look.textPadding.left, pos_.top + look.textPadding.top, right - look.textPadding.right,
            pos_.bottom - look.textPadding.bottom};
    const CDuiString& text = column == 0 ? shownText_ : moreColumns_[column - 1];
    CRenderEngine::DrawText(dc, manager_, rc, text.GetData(), TextColor(look), look.font, look.textStyle);
  }
}

CListContainerElementUI::CListContainerElementUI() { mouseChildEnabled_ = false; }

LPCTSTR CListContainerElementUI::GetClass() const { return L"ListContainerElementUI"; }

void CListContainerElementUI::SetSelectedMark(bool selected) {
  {
    ModelLock lock;
    selected_ = selected;
  }
  Invalidate();
}

bool CListContainerElementUI::IsSelected() const {
  ModelLock lock;
  return selected_;
}

SIZE CListContainerElementUI::EstimateSize(SIZE) {
  ModelLock lock;
  return SIZE{fixedWidth_, fixedHeight_ > 0 ? fixedHeight_ : kDefaultRowHeight};
}

void CListContainerElementUI::DoEvent(TEventUI& event) {
  bool press;
  {
    ModelLock lock;
    press = RowEvent(event, EnabledInTree(), hot_);
  }
  Invalidate();
  CHorizontalLayoutUI::DoEvent(event);
  if (press) {
    CControlUI* parent = GetParent();
    PressRow(this, dynamic_cast<IListOwnerUI*>(parent), dynamic_cast<CContainerUI*>(parent));
  }
}

void CListContainerElementUI::PaintBkColor(HDC dc) {
  IListOwnerUI* owner = dynamic_cast<IListOwnerUI*>(parent_);
  ListItemLook look = owner ? owner->GetItemLook() : ListItemLook();
  CRenderEngine::DrawColor(dc, pos_, RowBkColor(look, selected_, hot_));
  CHorizontalLayoutUI::PaintBkColor(dc);
}
