#include "msg_wnd.h"

#include <mutex>
#include <utility>

#include "diagnostics.h"

UI_BEGIN_MESSAGE_MAP(CMsgWnd, WindowImplBase)
UI_ON_NOTIFY(L"click", &CMsgWnd::OnClick)
UI_END_MESSAGE_MAP()

namespace {
constexpr UINT kAutoCloseTimer = 1;
constexpr UINT kAutoCloseMs = 500;
constexpr UINT kConfirmed = 1;
constexpr UINT kNotConfirmed = 0;

std::mutex watcherLock;
std::function<void(CMsgWnd&)> boxWatcher;

CMsgWnd* CreateMessageBox(HWND parent, LPCTSTR title, LPCTSTR text, bool isTextId) {
  auto* box = new CMsgWnd;
  box->Create(parent, L"msgwnd", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
              CW_USEDEFAULT, CW_USEDEFAULT);
  if (!box->GetHWND()) {
    delete box;
    return nullptr;
  }
  box->CenterWindow();
  box->SetTitle(title);
  box->SetText(text, isTextId);
  DebugLine(std::wstring(L"message box: ") + (text ? text : L""));
  return box;
}

UINT RunMessageBox(CMsgWnd* box) {
  std::function<void(CMsgWnd&)> watcher;
  {
    std::lock_guard<std::mutex> guard(watcherLock);
    watcher = boxWatcher;
  }
  if (watcher) watcher(*box);
  return box->ShowModal();  // the box deletes itself when its window is gone
}
}  // namespace

void CMsgWnd::SetTitle(LPCTSTR title) {
  if (!title || !*title) return;
  if (CControlUI* label = m_pm.FindControl(L"MessageTitle")) label->SetText(title);
}

void CMsgWnd::SetText(LPCTSTR text, bool isTextId) {
  if (!text || !*text) return;
  if (CControlUI* label = m_pm.FindControl(L"MessageText")) {
    label->SetResourceText(isTextId);
    label->SetText(text);
  }
}

void CMsgWnd::StartTimer(UINT id, UINT periodMs) { SetTimer(m_hWnd, id, periodMs, nullptr); }

void CMsgWnd::OnFinalMessage(HWND window) {
  WindowImplBase::OnFinalMessage(window);
  delete this;
}

void CMsgWnd::InitWindow() { m_closeButton = m_pm.FindControl(L"closebtn"); }

void CMsgWnd::OnClick(TNotifyUI& msg) {
  if (msg.pSender && msg.pSender == m_closeButton) {
    Close(kNotConfirmed);
    return;
  }
  const CDuiString name = msg.pSender ? msg.pSender->GetName() : CDuiString();
  if (EqualsNoCase(name.str(), L"confirm_btn")) Close(kConfirmed);
  else if (EqualsNoCase(name.str(), L"cancel_btn")) Close(kNotConfirmed);
}

// System commands (closing through the system menu among them) go to the default procedure.
LRESULT CMsgWnd::OnSysCommand(UINT, WPARAM, LPARAM, BOOL& handled) {
  handled = FALSE;
  return 0;
}

LRESULT CMsgWnd::HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) {
  if (msg == WM_TIMER) OnTimer(msg, wParam, lParam, handled);
  handled = FALSE;
  return 0;
}

LRESULT CMsgWnd::OnTimer(UINT, WPARAM wParam, LPARAM, BOOL& handled) {
  handled = TRUE;
  if (wParam != kAutoCloseTimer) return 0;
  if (++m_autoCloseTicks > 0) {
    KillTimer(m_hWnd, kAutoCloseTimer);
    Close(kNotConfirmed);
  }
  return 0;
}

UINT ShowMessageBox(HWND parent, LPCTSTR title, LPCTSTR text, bool isTextId) {
  CMsgWnd* box = CreateMessageBox(parent, title, text, isTextId);
  return box ? RunMessageBox(box) : kNotConfirmed;
}

void ShowMessageBoxAutoClose(bool autoClose, HWND parent, LPCTSTR title, LPCTSTR text, bool isTextId) {
  CMsgWnd* box = CreateMessageBox(parent, title, text, isTextId);
  if (!box) return;
  if (autoClose) box->StartTimer(kAutoCloseTimer, kAutoCloseMs);
  RunMessageBox(box);
}

void WatchMessageBoxesWith(std::function<void(CMsgWnd&)> watcher) {
  std::lock_guard<std::mutex> guard(watcherLock);
  boxWatcher = std::move(watcher);
}
