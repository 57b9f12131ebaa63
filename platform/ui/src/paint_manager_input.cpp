// How the paint manager turns window messages into control events: hover, press and release,
// focus and keys. Events are delivered without the model lock held, because controls raise
// notifications from them; pointers are read again after each delivery, since a handler may
// have removed the control (ReapControl clears them; the control itself lives on until no
// delivery is in flight).
#include <windowsx.h>

#include "model_lock.h"
#include "private_messages.h"
#include "removed_controls.h"
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
    case WM_KILLFOCUS:  // the keys go to another window: the focused control is left
      SetFocus(nullptr);
      HideToolTip();
      return false;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) SetFocus(nullptr);
      return false;
    case WM_TIMER:
      if (wParam != kUiReapTimer && wParam != kUiToolTipTimer) return false;  // the program's
      OnTimer(wParam);
      result = 0;
      return true;
    case kUiApplyFocusMessage:
      ApplyPendingFocus();
      result = 0;
      return true;
    case kUiStartReapingMessage:
      SetTimer(window_, kUiReapTimer, kUiReapIntervalMs, nullptr);
      result = 0;
      return true;
    default:
      return false;
  }
}

void CPaintManagerUI::OnTimer(UINT_PTR id) {
  if (id == kUiReapTimer) ReapRemovedControls();
  else if (id == kUiToolTipTimer) ShowHoveredToolTip();
}

// A control inside a disabled container is as inert as a disabled one; what ends a state it
// entered (leave, release, killfocus) still reaches it.
void CPaintManagerUI::DeliverEvent(CControlUI* control, UiEventType type, POINT pt, WPARAM wParam) {
  if (!control) return;
  bool always = type == UIEVENT_KILLFOCUS || type == UIEVENT_MOUSELEAVE || type == UIEVENT_BUTTONUP;
  if (!always && !control->IsEnabledInTree()) return;
  DeliveryScope delivering;
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

// An inert control under the mouse is not hot: it gets neither enter nor leave.
void CPaintManagerUI::OnMouseMove(POINT pt) {
  TrackMouseLeave();
  CControlUI* target;
  CControlUI* previous;
  {
    ModelLock lock;
    target = root_ ? root_->FindAtPoint(pt) : nullptr;
    if (target && !target->EnabledInTree()) target = nullptr;
    previous = hot_;
    hot_ = target;
  }
  if (target != previous) {
    HoverChanged(target);
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
  HoverChanged(nullptr);
  DeliverEvent(previous, UIEVENT_MOUSELEAVE, kNowhere);
}

// A press on an inert control does nothing at all; on any other, the focus goes to the control
// when it takes the focus, and leaves the focused control otherwise.
void CPaintManagerUI::OnButtonDown(POINT pt, bool doubleClick) {
  HideToolTip();
  CControlUI* target;
  {
    ModelLock lock;
    target = root_ ? root_->FindAtPoint(pt) : nullptr;
    if (target && !target->EnabledInTree()) target = nullptr;
    captured_ = target;
  }
  if (!target) return;
  SetCapture(window_);
  SetFocus(target->AcceptsFocus() && target->IsKeyboardEnabled() ? target : nullptr);
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

// "killfocus" and "setfocus" run page handlers that may show message boxes: never on a worker,
// which may hold a device channel's lock.
void CPaintManagerUI::SetFocus(CControlUI* control) {
  HWND window = GetPaintWindow();
  if (window && !OnWindowThread()) {
    {
      ModelLock lock;
      focusPending_ = true;
      pendingFocus_ = control;
    }
    ::PostMessageW(window, kUiApplyFocusMessage, 0, 0);
    return;
  }
  MoveFocus(control);
}

void CPaintManagerUI::ApplyPendingFocus() {
  CControlUI* control;
  {
    ModelLock lock;
    if (!focusPending_) return;  // the control went away meanwhile
    focusPending_ = false;
    control = pendingFocus_;
  }
  MoveFocus(control);
}

void CPaintManagerUI::MoveFocus(CControlUI* control) {
  CControlUI* previous;
  HWND window;
  {
    ModelLock lock;
    if (focus_ == control) return;
    previous = focus_;
    focus_ = control;
    window = window_;
  }
  // The window takes the keys for its focused control.
  if (control && window && ::GetFocus() != window) ::SetFocus(window);
  DeliverEvent(previous, UIEVENT_KILLFOCUS, kNowhere);
  {
    ModelLock lock;
    if (focus_ != control) return;  // a killfocus handler moved the focus on
  }
  DeliverEvent(control, UIEVENT_SETFOCUS, kNowhere);
}
