// How the paint manager turns window messages into control events: hover, press and release,
// focus and keys. Events are delivered without the model lock held, because controls raise
// notifications from them; pointers are read again after each delivery, since a handler may
// have removed the control (ReapControl clears them).
#include <windowsx.h>

#include "model_lock.h"
#include "ui/paint_manager.h"
#include "ui/tray_icon.h"

namespace {

// Where a cancelled press is released: outside every control, so nothing activates.
constexpr POINT kNowhere{-32768, -32768};

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

bool CPaintManagerUI::MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  std::vector<IMessageFilterUI*> filters;
  {
    ModelLock lock;
    filters = filters_;
  }
  for (IMessageFilterUI* filter : filters) {
    bool handled = false;
    LRESULT answer = filter->MessageHandler(msg, wParam, lParam, handled);
    if (handled) {
      result = answer;
      return true;
    }
  }
  static const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
  if (msg == taskbarCreated) {
    CTrayIcon::RestoreIcons(window_);  // the program sees the message too
    return false;
  }
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      result = 0;
      return true;
    case WM_ERASEBKGND:  // every pixel is painted from the back buffer
      result = 1;
      return true;
    case WM_SIZE:
      OnSize();
      return false;
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(lParam));
      return false;
    case WM_MOUSELEAVE:
      OnMouseLeaveWindow();
      return false;
    case WM_LBUTTONDOWN:
      OnButtonDown(PointOf(lParam), false);
      return false;
    case WM_LBUTTONDBLCLK:
      OnButtonDown(PointOf(lParam), true);
      return false;
    case WM_LBUTTONUP:
      OnButtonUp(PointOf(lParam));
      return false;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != window_) OnButtonUp(kNowhere);
      return false;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return false;
    case WM_CHAR:
      DeliverEvent(GetFocus(), UIEVENT_CHAR, kNowhere, wParam);
      return false;
    case WM_MOUSEWHEEL:
      OnMouseWheel(PointOf(lParam), wParam);
      return false;
    default:
      return false;
  }
}

void CPaintManagerUI::DeliverEvent(CControlUI* control, UiEventType type, POINT pt, WPARAM wParam) {
  if (!control) return;
  bool always = type == UIEVENT_KILLFOCUS || type == UIEVENT_MOUSELEAVE || type == UIEVENT_BUTTONUP;
  if (!always && !control->IsEnabled()) return;
  TEventUI event;
  event.Type = type;
  event.pSender = control;
  event.dwTimestamp = GetTickCount();
  event.ptMouse = pt;
  event.wParam = wParam;
  control->DoEvent(event);
}

void CPaintManagerUI::TrackMouseLeave() {
  if (trackingMouse_) return;
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
  trackingMouse_ = TrackMouseEvent(&track) != FALSE;
}

void CPaintManagerUI::OnMouseMove(POINT pt) {
  TrackMouseLeave();
  CControlUI* target;
  CControlUI* previous;
  {
    ModelLock lock;
    target = root_ ? root_->FindAtPoint(pt) : nullptr;
    previous = hot_;
    hot_ = target;
  }
  if (target != previous) {
    DeliverEvent(previous, UIEVENT_MOUSELEAVE, pt);
    {
      ModelLock lock;
      target = hot_;
    }
    DeliverEvent(target, UIEVENT_MOUSEENTER, pt);
  }
  CControlUI* moveTarget;
  {
    ModelLock lock;
    moveTarget = captured_ ? captured_ : hot_;
  }
  DeliverEvent(moveTarget, UIEVENT_MOUSEMOVE, pt);
}

void CPaintManagerUI::OnMouseLeaveWindow() {
  trackingMouse_ = false;
  CControlUI* previous;
  {
    ModelLock lock;
    if (captured_) return;  // a pressed button keeps its state until the release
    previous = hot_;
    hot_ = nullptr;
  }
  DeliverEvent(previous, UIEVENT_MOUSELEAVE, kNowhere);
}

void CPaintManagerUI::OnButtonDown(POINT pt, bool doubleClick) {
  CControlUI* target;
  {
    ModelLock lock;
    target = root_ ? root_->FindAtPoint(pt) : nullptr;
    captured_ = target;
  }
  if (!target) return;
  SetCapture(window_);
  if (target->IsEnabled() && target->AcceptsFocus() && target->IsKeyboardEnabled()) SetFocus(target);
  {
    ModelLock lock;
    target = captured_;
  }
  DeliverEvent(target, doubleClick ? UIEVENT_DBLCLICK : UIEVENT_BUTTONDOWN, pt);
}

void CPaintManagerUI::OnButtonUp(POINT pt) {
  CControlUI* target;
  {
    ModelLock lock;
    target = captured_;
    captured_ = nullptr;  // before ReleaseCapture, whose WM_CAPTURECHANGED comes back here
  }
  if (GetCapture() == window_) ReleaseCapture();
  DeliverEvent(target, UIEVENT_BUTTONUP, pt);
}

// The wheel turns whatever scrolls under the mouse (its point comes in screen coordinates).
void CPaintManagerUI::OnMouseWheel(POINT screenPoint, WPARAM wParam) {
  POINT pt = screenPoint;
  ScreenToClient(window_, &pt);
  DeliverEvent(FindControl(pt), UIEVENT_SCROLLWHEEL, pt, wParam);
}

// Keys go to the focused control only; Escape and Enter close nothing.
void CPaintManagerUI::OnKeyDown(WPARAM key) {
  CControlUI* target = GetFocus();
  DeliverEvent(target, UIEVENT_KEYDOWN, kNowhere, key);
}

CControlUI* CPaintManagerUI::GetFocus() const {
  ModelLock lock;
  return focus_;
}

void CPaintManagerUI::SetFocus(CControlUI* control) {
  CControlUI* previous;
  HWND window;
  {
    ModelLock lock;
    if (focus_ == control) return;
    previous = focus_;
    focus_ = control;
    window = window_;
  }
  // Keyboard focus belongs to the window's own thread.
  if (window && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId() && ::GetFocus() != window)
    ::SetFocus(window);
  DeliverEvent(previous, UIEVENT_KILLFOCUS, kNowhere);
  {
    ModelLock lock;
    if (focus_ != control) return;  // a killfocus handler moved the focus on
  }
  DeliverEvent(control, UIEVENT_SETFOCUS, kNowhere);
}
