#include "ui/window.h"

#include "ui/paint_manager.h"

namespace {

HINSTANCE ModuleInstance() {
  HINSTANCE instance = CPaintManagerUI::GetInstance();
  return instance ? instance : GetModuleHandleW(nullptr);
}

}  // namespace

UINT CWindowWnd::GetClassStyle() const { return 0; }

bool CWindowWnd::RegisterWindowClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = GetClassStyle();
  wc.lpfnWndProc = &CWindowWnd::WindowProcedure;
  wc.hInstance = ModuleInstance();
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  wc.lpszClassName = GetWindowClassName();
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CWindowWnd::Create(HWND parent, LPCTSTR name, DWORD style, DWORD exStyle, int x, int y, int cx, int cy,
                        HMENU menu) {
  if (!RegisterWindowClass()) return nullptr;
  CreateWindowExW(exStyle, GetWindowClassName(), name, style, x, y, cx, cy, parent, menu, ModuleInstance(), this);
  return m_hWnd;
}

HWND CWindowWnd::Create(HWND parent, LPCTSTR name, DWORD style, DWORD exStyle, const RECT& rc, HMENU menu) {
  return Create(parent, name, style, exStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, menu);
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
  if (!IsWindow(m_hWnd)) return;
  int command = show ? (takeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE;
  if (GetWindowThreadProcessId(m_hWnd, nullptr) == GetCurrentThreadId())
    ::ShowWindow(m_hWnd, command);
  else
    ShowWindowAsync(m_hWnd, command);
}

UINT CWindowWnd::ShowModal() {
  HWND window = m_hWnd;
  if (!IsWindow(window)) return 0;
  UINT result = 0;
  HWND owner = GetWindow(window, GW_OWNER);
  modalResult_ = &result;
  modalOwner_ = owner;
  ::ShowWindow(window, SW_SHOWNORMAL);
  if (owner) EnableWindow(owner, FALSE);
  MSG msg;
  // The object may be gone once the window is: only the local handle and result are used here.
  while (IsWindow(window)) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (owner) EnableWindow(owner, TRUE);
  if (IsWindow(window)) {  // left by a quit message: the object still lives
    modalResult_ = nullptr;
    modalOwner_ = nullptr;
  }
  return result;
}

void CWindowWnd::Close(UINT result) {
  if (IsWindow(m_hWnd)) ::PostMessageW(m_hWnd, WM_CLOSE, result, 0);
}

void CWindowWnd::CenterWindow() {
  if (!IsWindow(m_hWnd)) return;
  RECT window;
  GetWindowRect(m_hWnd, &window);
  RECT area;
  HWND owner = GetWindow(m_hWnd, GW_OWNER);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) GetWindowRect(owner, &area);
  else area = monitor.rcWork;
  long width = window.right - window.left, height = window.bottom - window.top;
  long left = (area.left + area.right - width) / 2, top = (area.top + area.bottom - height) / 2;
  // Keep it on the monitor's work area.
  if (left < monitor.rcWork.left) left = monitor.rcWork.left;
  if (top < monitor.rcWork.top) top = monitor.rcWork.top;
  if (left + width > monitor.rcWork.right) left = monitor.rcWork.right - width;
  if (top + height > monitor.rcWork.bottom) top = monitor.rcWork.bottom - height;
  SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWindowWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageW(m_hWnd, msg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageW(m_hWnd, msg, wParam, lParam);
}

LRESULT CWindowWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND) {}

LRESULT CWindowWnd::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE && modalResult_) {
    *modalResult_ = static_cast<UINT>(wParam);
    // The owner comes back before this window goes, so that it is the one activated.
    if (modalOwner_) EnableWindow(modalOwner_, TRUE);
  }
  ++dispatchDepth_;
  LRESULT result = HandleMessage(msg, wParam, lParam);
  --dispatchDepth_;
  if (msg == WM_NCDESTROY) {
    HWND window = m_hWnd;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    m_hWnd = nullptr;
    modalResult_ = nullptr;
    modalOwner_ = nullptr;
    finalPending_ = true;
    finalWindow_ = window;
  }
  if (dispatchDepth_ == 0 && finalPending_) {
    finalPending_ = false;
    OnFinalMessage(finalWindow_);  // may delete this
  }
  return result;
}

LRESULT CALLBACK CWindowWnd::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  CWindowWnd* self;
  if (msg == WM_NCCREATE) {
    self = static_cast<CWindowWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->m_hWnd = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  return self ? self->Dispatch(msg, wParam, lParam) : DefWindowProcW(window, msg, wParam, lParam);
}
