#include "ui/window_impl_base.h"

#include <windowsx.h>

#include "diagnostics.h"

UI_BEGIN_MESSAGE_MAP(WindowImplBase, CNotifyPump)
UI_ON_NOTIFY(UI_NOTIFY_CLICK, &WindowImplBase::OnClick)
UI_END_MESSAGE_MAP()

void WindowImplBase::Notify(TNotifyUI& msg) { NotifyPump(msg); }

CControlUI* WindowImplBase::CreateControl(LPCTSTR) { return nullptr; }

LPCTSTR WindowImplBase::QueryControlText(LPCTSTR, LPCTSTR) { return nullptr; }

// Escape and Enter are not turned into closing the window.
LRESULT WindowImplBase::MessageHandler(UINT, WPARAM, LPARAM, bool& handled) {
  handled = false;
  return 0;
}

void WindowImplBase::InitWindow() {}

void WindowImplBase::OnClick(TNotifyUI&) {}

UINT WindowImplBase::GetClassStyle() const { return CS_DBLCLKS; }

LRESULT WindowImplBase::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  BOOL handled = TRUE;
  LRESULT result = 0;
  switch (msg) {
    case WM_CREATE: result = OnCreate(msg, wParam, lParam, handled); break;
    case WM_CLOSE: result = OnClose(msg, wParam, lParam, handled); break;
    case WM_DESTROY: result = OnDestroy(msg, wParam, lParam, handled); break;
    case WM_NCACTIVATE: result = OnNcActivate(msg, wParam, lParam, handled); break;
    case WM_NCCALCSIZE: result = OnNcCalcSize(msg, wParam, lParam, handled); break;
    case WM_NCPAINT: result = OnNcPaint(msg, wParam, lParam, handled); break;
    case WM_NCHITTEST: result = OnNcHitTest(msg, wParam, lParam, handled); break;
    case WM_GETMINMAXINFO: result = OnGetMinMaxInfo(msg, wParam, lParam, handled); break;
    case WM_SIZE: result = OnSize(msg, wParam, lParam, handled); break;
    case WM_SYSCOMMAND: result = OnSysCommand(msg, wParam, lParam, handled); break;
    default: handled = FALSE; break;
  }
  if (handled) return result;
  handled = TRUE;
  result = HandleCustomMessage(msg, wParam, lParam, handled);
  if (handled) return result;
  if (m_pm.MessageHandler(msg, wParam, lParam, result)) return result;
  return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

void WindowImplBase::OnFinalMessage(HWND) {
  m_pm.RemoveNotifier(this);
  m_pm.RemoveMessageFilter(this);
}

LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, BOOL& handled) {
  handled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnCreate(UINT, WPARAM, LPARAM, BOOL&) {
  LONG style = GetWindowLongW(m_hWnd, GWL_STYLE);
  SetWindowLongW(m_hWnd, GWL_STYLE, (style & ~WS_CAPTION) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  m_pm.Init(m_hWnd);
  m_pm.AddMessageFilter(this);
  CControlUI* root = CDialogBuilder().Create(GetSkinFile().GetData(), this, &m_pm);
  if (root) m_pm.AttachDialog(root);
  else DebugLine(L"ui: window without layout: " + GetSkinFile().str());
  m_pm.AddNotifier(this);
  InitWindow();
  return 0;
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, BOOL& handled) {
  handled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, BOOL& handled) {
  handled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM wParam, LPARAM, BOOL& handled) {
  if (IsIconic(m_hWnd)) handled = FALSE;
  return wParam == 0 ? TRUE : FALSE;
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM, BOOL&) { return 0; }

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, BOOL&) { return 0; }

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, BOOL&) {
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ScreenToClient(m_hWnd, &pt);
  RECT client;
  GetClientRect(m_hWnd, &client);
  RECT caption = m_pm.GetCaptionRect();
  bool inCaption = pt.x >= client.left + caption.left && pt.x < client.right - caption.right &&
                   pt.y >= caption.top && pt.y < caption.bottom;
  if (!inCaption) return HTCLIENT;
  CControlUI* control = m_pm.FindControl(pt);
  if (!control) return HTCLIENT;
  const std::wstring kind = control->GetClass();
  bool clickable = kind == L"ButtonUI" || kind == L"OptionUI" || kind == L"TextUI";
  return clickable ? HTCLIENT : HTCAPTION;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, BOOL& handled) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT work = monitor.rcWork;
  OffsetRect(&work, -monitor.rcMonitor.left, -monitor.rcMonitor.top);
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  info->ptMaxPosition = POINT{work.left, work.top};
  info->ptMaxSize = POINT{work.right, work.bottom};
  handled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM wParam, LPARAM lParam, BOOL& handled) {
  SIZE corner = m_pm.GetRoundCorner();
  if (wParam != SIZE_MINIMIZED && (corner.cx != 0 || corner.cy != 0)) {
    HRGN region = CreateRoundRectRgn(0, 0, LOWORD(lParam) + 1, HIWORD(lParam) + 1, corner.cx, corner.cy);
    SetWindowRgn(m_hWnd, region, TRUE);  // the window owns the region from here
  }
  handled = FALSE;
  return 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, BOOL&) {
  if ((wParam & 0xFFF0) == SC_CLOSE) {
    SendMessage(WM_CLOSE);
    return 0;
  }
  return CWindowWnd::HandleMessage(msg, wParam, lParam);
}
