#include "model_lock.h"
#include "ui/attribute_parsers.h"
#include "ui/button.h"
#include "ui/paint_manager.h"

LPCTSTR COptionUI::GetClass() const { return L"OptionUI"; }

CDuiString COptionUI::GetGroup() const {
  ModelLock lock;
  return group_;
}

void COptionUI::SetGroup(LPCTSTR group) {
  ModelLock lock;
  if (manager_ && !group_.IsEmpty()) manager_->RemoveOptionGroup(group_.GetData(), this);
  group_ = group;
  if (manager_ && !group_.IsEmpty()) manager_->AddOptionGroup(group_.GetData(), this);
}

bool COptionUI::IsSelected() const {
  ModelLock lock;
  return selected_;
}

void COptionUI::Selected(bool selected, bool notify) {
  {
    ModelLock lock;
    if (selected_ == selected) return;
    selected_ = selected;
    if (selected_) ClearGroupSiblings();
  }
  Invalidate();
  if (notify) Notify(UI_NOTIFY_SELECTCHANGED);
}

// Siblings change silently: only the option that became selected reports.
void COptionUI::ClearGroupSiblings() {
  if (!manager_ || group_.IsEmpty()) return;
  for (CControlUI* member : manager_->GetOptionGroup(group_.GetData())) {
    auto* sibling = static_cast<COptionUI*>(member);
    if (sibling == this || !sibling->selected_) continue;
    sibling->selected_ = false;
    sibling->Invalidate();
  }
}

CDuiString COptionUI::GetSelectedImage() const {
  ModelLock lock;
  return selectedImage_;
}

void COptionUI::SetSelectedImage(LPCTSTR image) {
  {
    ModelLock lock;
    selectedImage_ = image;
  }
  Invalidate();
}

DWORD COptionUI::GetSelectedTextColor() const {
  ModelLock lock;
  return selectedTextColor_;
}

void COptionUI::SetSelectedTextColor(DWORD argb) {
  {
    ModelLock lock;
    selectedTextColor_ = argb;
  }
  Invalidate();
}

void COptionUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
  ModelLock lock;
  if (manager_ != manager && manager_ && !group_.IsEmpty()) manager_->RemoveOptionGroup(group_.GetData(), this);
  CButtonUI::SetManager(manager, parent, init);
  if (manager_ && !group_.IsEmpty()) {
    manager_->AddOptionGroup(group_.GetData(), this);
    if (selected_) ClearGroupSiblings();
  }
}

void COptionUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  const std::wstring key = name ? name : L"";
  if (key == L"group") SetGroup(value);
  else if (key == L"selected") Selected(ParseBoolValue(value ? value : L""), false);
  else if (key == L"selectedimage") SetSelectedImage(value);
  else if (key == L"selectedtextcolor") SetSelectedTextColor(ParseColorValue(value ? value : L""));
  else CButtonUI::SetAttribute(name, value);
}

// "click" first; then others toggle, and a grouped option selects itself only if it was not
// selected when the click began: a handler that unselects the clicked option ("clicked again
// turns it off") has the last word.
bool COptionUI::Activate() {
  const bool wasSelected = IsSelected();
  if (!CButtonUI::Activate()) return false;
  if (GetGroup().IsEmpty()) Selected(!IsSelected());
  else if (!wasSelected) Selected(true);
  return true;
}

void COptionUI::PaintStatusImage(HDC dc) {
  if (selected_ && !selectedImage_.IsEmpty()) DrawImage(dc, selectedImage_);
  else CButtonUI::PaintStatusImage(dc);
}

DWORD COptionUI::CurrentTextColor() const {
  if (selected_ && selectedTextColor_ != 0 && EnabledInTree()) return selectedTextColor_;
  return CButtonUI::CurrentTextColor();
}

LPCTSTR CCheckBoxUI::GetClass() const { return L"CheckBoxUI"; }

void CCheckBoxUI::SetCheck(bool check) { Selected(check, false); }

bool CCheckBoxUI::GetCheck() const { return IsSelected(); }
