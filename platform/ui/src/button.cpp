#include "ui/button.h"

#include "model_lock.h"

CButtonUI::CButtonUI() { textStyle_ = DT_SINGLELINE | DT_VCENTER | DT_CENTER; }

LPCTSTR CButtonUI::GetClass() const { return L"ButtonUI"; }

CDuiString CButtonUI::GetNormalImage() const {
  ModelLock lock;
  return normalImage_;
}

void CButtonUI::SetNormalImage(LPCTSTR image) {
  {
    ModelLock lock;
    normalImage_ = image;
  }
  Invalidate();
}

CDuiString CButtonUI::GetHotImage() const {
  ModelLock lock;
  return hotImage_;
}

void CButtonUI::SetHotImage(LPCTSTR image) {
  {
    ModelLock lock;
    hotImage_ = image;
  }
  Invalidate();
}

CDuiString CButtonUI::GetPushedImage() const {
  ModelLock lock;
  return pushedImage_;
}

void CButtonUI::SetPushedImage(LPCTSTR image) {
  {
    ModelLock lock;
    pushedImage_ = image;
  }
  Invalidate();
}

CDuiString CButtonUI::GetDisabledImage() const {
  ModelLock lock;
  return disabledImage_;
}

void CButtonUI::SetDisabledImage(LPCTSTR image) {
  {
    ModelLock lock;
    disabledImage_ = image;
  }
  Invalidate();
}

void CButtonUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  const std::wstring key = name ? name : L"";
  if (key == L"normalimage") SetNormalImage(value);
  else if (key == L"hotimage") SetHotImage(value);
  else if (key == L"pushedimage") SetPushedImage(value);
  else if (key == L"disabledimage") SetDisabledImage(value);
  else CLabelUI::SetAttribute(name, value);
}

bool CButtonUI::AcceptsFocus() const { return true; }

// Pressing captures the button; releasing over it activates it. State changes happen under the
// lock, the activation (with its notifications) after it.
void CButtonUI::DoEvent(TEventUI& event) {
  bool activate = false;
  {
    ModelLock lock;
    switch (event.Type) {
      case UIEVENT_BUTTONDOWN:
      case UIEVENT_DBLCLICK:
        if (!EnabledInTree() || !PtInRect(&pos_, event.ptMouse)) break;
        captured_ = pushed_ = true;
        break;
      case UIEVENT_MOUSEMOVE:
        if (captured_) pushed_ = PtInRect(&pos_, event.ptMouse) != FALSE;
        break;
      case UIEVENT_BUTTONUP:
        if (!captured_) break;
        activate = PtInRect(&pos_, event.ptMouse) != FALSE;
        captured_ = pushed_ = false;
        break;
      case UIEVENT_MOUSEENTER:
        hot_ = EnabledInTree();
        break;
      case UIEVENT_MOUSELEAVE:
        hot_ = false;
        break;
      default:
        break;
    }
  }
  Invalidate();
  CLabelUI::DoEvent(event);
  if (activate) Activate();
}

void CButtonUI::PaintStatusImage(HDC dc) {
  const CDuiString* image = &normalImage_;
  if (!EnabledInTree() && !disabledImage_.IsEmpty()) image = &disabledImage_;
  else if (pushed_ && !pushedImage_.IsEmpty()) image = &pushedImage_;
  else if (hot_ && !hotImage_.IsEmpty()) image = &hotImage_;
  DrawImage(dc, *image);
}
