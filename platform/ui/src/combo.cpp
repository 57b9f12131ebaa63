#include "ui/combo.h"

#include <algorithm>

#include "combo_drop_down.h"
#include "model_lock.h"
#include "ui/attribute_parsers.h"
#include "ui/paint_manager.h"
#include "ui/render_engine.h"

namespace {

// A small downward triangle, right of the text.
void DrawArrow(HDC dc, const RECT& box, DWORD argb) {
  long centreX = box.right - 11, top = (box.top + box.bottom) / 2 - 2;
  for (long row = 0; row < 4; ++row)
    CRenderEngine::DrawColor(dc, RECT{centreX - 4 + row, top + row, centreX + 4 - row, top + row + 1}, argb);
}

}  // namespace

CComboUI::CComboUI() {
  bkColor_ = 0xFFFFFFFF;
  borderColor_ = 0xFFB0BAC4;
  borderSize_ = 1;
}

CComboUI::~CComboUI() {
  ModelLock lock;
  if (dropDown_) dropDown_->Detach();
}

LPCTSTR CComboUI::GetClass() const { return L"ComboUI"; }

int CComboUI::GetCurSel() const {
  ModelLock lock;
  return selection_.Current();
}

bool CComboUI::SelectItem(int index, bool takeFocus) { return SelectItem1(index, takeFocus, true); }

bool CComboUI::SelectItem1(int index, bool takeFocus, bool triggerEvent) {
  return selection_.SelectRow(this, items_, index, takeFocus, triggerEvent);
}

bool CComboUI::ShowItem(int index) { return selection_.ShowRow(this, items_, index); }

ListItemLook CComboUI::GetItemLook() const {
  ModelLock lock;
  return look_;
}

bool CComboUI::GetColumnSpan(int, long&, long&) const { return false; }

CDuiString CComboUI::GetText() const {
  ModelLock lock;
  CControlUI* row = GetItemAt(selection_.Current());
  return row ? row->GetText() : CDuiString();
}

bool CComboUI::AddAt(CControlUI* control, int index) {
  ModelLock lock;
  if (!CContainerUI::AddAt(control, index)) return false;
  selection_.Inserted(index);
  return true;
}

bool CComboUI::RemoveAt(int index) {
  {
    ModelLock lock;
    if (!CContainerUI::RemoveAt(index)) return false;
    selection_.Removed(items_, index);
  }
  Invalidate();
  return true;
}

void CComboUI::RowChanged(CControlUI*) {
  Invalidate();
  if (HWND dropDown = GetDropDownWindow()) InvalidateRect(dropDown, nullptr, FALSE);
}

void CComboUI::RemoveAll() {
  {
    ModelLock lock;
    selection_.Clear();
    CContainerUI::RemoveAll();
  }
  Invalidate();
}

int CComboUI::GetDropBoxHeight() const {
  ModelLock lock;
  return dropBoxHeight_;
}

void CComboUI::SetDropBoxHeight(int height) {
  ModelLock lock;
  dropBoxHeight_ = height > 0 ? height : 200;
}

HWND CComboUI::GetDropDownWindow() const {
  ModelLock lock;
  return dropDown_ ? dropDown_->GetHWND() : nullptr;
}

// Leaving the window (removed) closes an open drop-down.
void CComboUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
  ModelLock lock;
  if (!manager && dropDown_) {
    dropDown_->Detach();
    dropDown_ = nullptr;
  }
  CContainerUI::SetManager(manager, parent, init);
}

void CComboUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  const std::wstring key = name ? name : L"";
  const std::wstring text = value ? value : L"";
  {
    ModelLock lock;
    if (look_.SetAttribute(key, text)) return;
    bool own = true;
    if (key == L"dropboxsize") dropBoxHeight_ = ParseSizeValue(text).cy > 0 ? ParseSizeValue(text).cy : 200;
    else if (key == L"textpadding") textPadding_ = ParseRectValue(text);
    else if (key == L"textcolor") textColor_ = ParseColorValue(text);
    else if (key == L"normalimage") normalImage_ = text;
    else if (key == L"hotimage") hotImage_ = text;
    else own = false;
    if (own) return;
  }
  CContainerUI::SetAttribute(name, value);
}

// The rows are laid out by the drop-down, not here.
void CComboUI::SetPos(RECT rc) { CControlUI::SetPos(rc); }

CControlUI* CComboUI::FindAtPoint(POINT pt) { return CControlUI::FindAtPoint(pt); }

bool CComboUI::AcceptsFocus() const { return true; }

void CComboUI::DoEvent(TEventUI& event) {
  bool open = false;
  ComboDropDown* dropDown = nullptr;
  {
    ModelLock lock;
    if (event.Type == UIEVENT_KEYDOWN) dropDown = dropDown_;
    bool inside = PtInRect(&pos_, event.ptMouse) != FALSE;
    switch (event.Type) {
      case UIEVENT_MOUSEENTER: hot_ = true; break;
      case UIEVENT_MOUSELEAVE: hot_ = false; break;
      case UIEVENT_BUTTONDOWN:
      case UIEVENT_DBLCLICK: pressed_ = EnabledInTree() && inside; break;
      case UIEVENT_BUTTONUP:
        open = pressed_ && inside && !dropDown_;
        pressed_ = false;
        break;
      default: break;
    }
  }
  if (dropDown) {  // keys reach the window, which keeps the activation; the open drop-down takes them
    dropDown->OnKey(event.wParam);
    return;
  }
  Invalidate();
  CContainerUI::DoEvent(event);
  if (open) OpenDropDown();
}

// On the window thread, from the user's click.
void CComboUI::OpenDropDown() {
  HWND owner;
  RECT onScreen;
  long height = 2;
  {
    ModelLock lock;
    if (!manager_ || items_.empty()) return;
    owner = manager_->GetPaintWindow();
    onScreen = pos_;
    for (CControlUI* row : items_)
      if (row->IsVisible()) height += row->EstimateSize(SIZE{pos_.right - pos_.left, 0}).cy;
    height = std::min<long>(height, dropBoxHeight_);
  }
  MapWindowPoints(owner, nullptr, reinterpret_cast<POINT*>(&onScreen), 2);
  ComboDropDown::Open(this, owner, onScreen, height);
}

void CComboUI::DropDownClosed() {
  ModelLock lock;
  dropDown_ = nullptr;
}

void CComboUI::DoPaint(HDC dc, const RECT& paint) {
  RECT overlap;
  if (!IntersectRect(&overlap, &pos_, &paint)) return;
  PaintBkColor(dc);
  PaintBkImage(dc);
  const CDuiString& image = hot_ && !hotImage_.IsEmpty() ? hotImage_ : normalImage_;
  if (!DrawImage(dc, image)) DrawArrow(dc, pos_, textColor_);
  CControlUI* row = GetItemAt(selection_.Current());
  if (row) {
    RECT rc{pos_.left + textPadding_.left, pos_.top + textPadding_.top, pos_.right - textPadding_.right,
            pos_.bottom - textPadding_.bottom};
    CRenderEngine::DrawText(dc, manager_, rc, row->GetText().GetData(), EnabledInTree() ? textColor_ : look_.disabledTextColor,
                            look_.font, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
  }
  PaintBorder(dc);
}
