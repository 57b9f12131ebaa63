// The window messages the panel handles itself, beyond those of the UI library.
#include <atomic>

#include "diagnostics.h"
#include "main_wnd.h"
#include "msg_wnd.h"
#include "panel_message.h"

namespace {
// Set while the "no device" box of the registered message is open, so only one is shown.
std::atomic<bool> noDeviceBoxOpen{false};
constexpr DWORD kTopmostBlinkMs = 10;
}  // namespace

LRESULT CMainWnd::HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) {
  handled = FALSE;
  if (msg != 0 && msg == PanelRegisteredMessage) {
    DebugPrintf(L"\u8F6F\u4EF6\u6807\u793A %d\uFF0C%xd%xd", msg, static_cast<unsigned>(wParam),
                static_cast<unsigned>(lParam));
    BringToFrontIfDeviceConnected();
    return 0;
  }
  switch (msg) {
    case WM_DESTROY:
      RunExitSequence();
      handled = TRUE;
      break;
    case WM_TIMER: {
      BOOL timerHandled = FALSE;
      OnTimer(msg, wParam, lParam, timerHandled);
      break;
    }
    default:
      break;
  }
  return 0;
}

bool CMainWnd::AnyDeviceConnected() const {
  return m_mouseChannel.IsConnected() || m_mousePadChannel.IsConnected() || m_keyboardChannel.IsConnected() ||
         m_headsetChannel.IsConnected() || m_headsetK27Channel.IsConnected();
}

void CMainWnd::BringToFrontIfDeviceConnected() {
  if (AnyDeviceConnected()) {
    SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Sleep(kTopmostBlinkMs);
    SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return;
  }
  ::ShowWindow(m_hWnd, SW_HIDE);
  if (noDeviceBoxOpen.exchange(true)) return;
  ShowMessageBox(m_hWnd, nullptr, L"message_text_1", true);
  noDeviceBoxOpen = false;
}
