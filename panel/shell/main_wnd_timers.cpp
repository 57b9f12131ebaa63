#include "diagnostics.h"
#include "main_wnd.h"
#include "timer_ids.h"

namespace {
constexpr UINT kKeyboardFrameIntervalMs = 5;
}

LRESULT CMainWnd::OnTimer(UINT, WPARAM wParam, LPARAM, BOOL& handled) {
  handled = TRUE;
  switch (wParam) {
    case TIMER_HIDE_PROGRESS:
      KillTimer(m_hWnd, TIMER_HIDE_PROGRESS);
      if (CControlUI* progress = Find(L"setting_progress")) progress->SetVisible(false);
      break;
    case TIMER_LEAVE_SYNC:
      EndSynchronisedLightingOfChangedDevices();
      break;
    case TIMER_REPAINT:
      InvalidateRect(m_hWnd, nullptr, TRUE);
      m_pm.NeedUpdate();
      KillTimer(m_hWnd, TIMER_REPAINT);
      DebugLine(L"1234567890");
      break;
    case TIMER_KEYBOARD_STARTUP_READ:
      KillTimer(m_hWnd, TIMER_KEYBOARD_STARTUP_READ);
      ReadKeyboardMemory();
      RefreshKeyboardLightPage();
      break;
    case TIMER_MOUSEPAD_STARTUP_READ:
      KillTimer(m_hWnd, TIMER_MOUSEPAD_STARTUP_READ);
      ReadMousePadMemory();
      RefreshMousePadLightPage();
      break;
    case TIMER_KEYBOARD_LED_FRAME:
      KillTimer(m_hWnd, TIMER_KEYBOARD_LED_FRAME);
      SendKeyboardLedFrame();
      if (m_keyboardChannel.IsConnected()) SetTimer(m_hWnd, TIMER_KEYBOARD_LED_FRAME, kKeyboardFrameIntervalMs, nullptr);
      break;
    default:
      break;
  }
  return 0;
}

// A device whose lighting was changed on its own page leaves synchronised lighting.
void CMainWnd::EndSynchronisedLightingOfChangedDevices() {
  if (m_keyboardDirty) {
    DebugLine(L"\u4E00\u5207\u7684\u4E00\u5207");
    m_keyboardChannel.m_lightingSync = 0;
    m_keyboardDirty = 0;
  }
  if (m_mouseDirty) {
    m_mouseChannel.m_lightingSync = 0;
    m_mouseDirty = 0;
  }
  if (m_mousePadDirty) {
    m_mousePadChannel.m_lightingSync = 0;
    m_mousePadDirty = 0;
  }
}
