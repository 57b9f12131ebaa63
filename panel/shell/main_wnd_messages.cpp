// The window messages the panel handles itself, beyond those of the UI library.
#include "clock.h"
#include "custom_controls.h"
#include "diagnostics.h"
#include "main_wnd.h"
#include "msg_wnd.h"
#include "panel_message.h"
#include "timer_ids.h"
#include "window_messages.h"

namespace {
// Set while the "no device" box of the registered message is open, so only one is shown.
bool noDeviceBoxOpen = false;
constexpr DWORD kTopmostBlinkMs = 10;
constexpr UINT kHideProgressDelayMs = 1000;

// Messages that ask the window thread to read a device back or reload its profile, and then show
// the result on its page.
struct DeviceRefresh {
  UINT message;
  void (CMainWnd::*update)();
  void (CMainWnd::*refresh)();
};

const DeviceRefresh kDeviceRefreshes[] = {
    {WM_MOUSE_DEVICE_CHANGED, &CMainWnd::ReadMouseMemory, &CMainWnd::RefreshMousePage},
    {WM_MOUSE_SETTINGS_CHANGED, &CMainWnd::ReloadActiveMouseProfile, &CMainWnd::RefreshMousePage},
    {WM_MOUSEPAD_SETTINGS_CHANGED, &CMainWnd::ReloadActiveMousePadProfile, &CMainWnd::RefreshMousePadLightPage},
    {WM_KEYBOARD_DEVICE_CHANGED, &CMainWnd::ReadKeyboardMemory, &CMainWnd::RefreshKeyboardLightPage},
    {WM_KEYBOARD_SETTINGS_CHANGED, &CMainWnd::ReloadActiveKeyboardProfile, &CMainWnd::RefreshKeyboardLightPage},
};

// The capture hook's messages and their receivers; the key messages are named in the debugger.
struct HookReceiver {
  UINT message;
  const wchar_t* debugName;  // null for the mouse messages
  void (CMainWnd::*receive)(WPARAM, LPARAM);
};

const HookReceiver kHookReceivers[] = {
    {WM_HOOK_KEY_SINGLEKEY, L"WM_HOOK_KEY_SINGLEKEY", &CMainWnd::CaptureKeyboardKeyAssignment},
    {WM_HOOK_MOU_SINGLEKEY, L"WM_HOOK_MOU_SINGLEKEY", &CMainWnd::CaptureMouseKeyAssignment},
    {WM_HOOK_KEY_MACRO, L"WM_HOOK_KEY_MACRO", &CMainWnd::RecordKeyboardMacroKeyEvent},
    {WM_HOOK_KEY_MACRO_MOUSE, nullptr, &CMainWnd::RecordKeyboardMacroMouseEvent},
    {WM_HOOK_MOU_MACRO, L"WM_HOOK_MOU_MACRO", &CMainWnd::RecordMouseMacroKeyEvent},
    {WM_HOOK_MOU_MACRO_MOUSE, nullptr, &CMainWnd::RecordMouseMacroMouseEvent},
};

// Hands the receiver the address of its own copy of the event, valid while it runs; an event the
// hook has already overwritten reaches no receiver.
void DeliverCapturedEvent(CMainWnd& wnd, const HookReceiver& receiver, WPARAM wParam, LPARAM number) {
  if (receiver.debugName) {
    DebugLine(receiver.debugName);
    KBDLLHOOKSTRUCT event;
    if (TakeCapturedKeyEvent(number, event)) (wnd.*receiver.receive)(wParam, reinterpret_cast<LPARAM>(&event));
  } else {
    MSLLHOOKSTRUCT event;
    if (TakeCapturedMouseEvent(number, event)) (wnd.*receiver.receive)(wParam, reinterpret_cast<LPARAM>(&event));
  }
}
}  // namespace

LRESULT CMainWnd::HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) {
  handled = FALSE;
  if (msg != 0 && msg == PanelRegisteredMessage) {
    DebugPrintf(L"\u8F6F\u4EF6\u6807\u793A %d\uFF0C%xd%xd", msg, static_cast<unsigned>(wParam),
                static_cast<unsigned>(lParam));
    BringToFrontIfDeviceConnected();
    return 0;
  }
  for (const DeviceRefresh& refresh : kDeviceRefreshes) {
    if (msg == refresh.message) {
      (this->*refresh.update)();
      (this->*refresh.refresh)();
      return 0;
    }
  }
  for (const HookReceiver& receiver : kHookReceivers) {
    if (msg == receiver.message) {
      DeliverCapturedEvent(*this, receiver, wParam, lParam);
      return 0;
    }
  }
  switch (msg) {
    case WM_ACTIVATE:
      DebugPrintf(L"%d%xd%xd", msg, static_cast<unsigned>(wParam), static_cast<unsigned>(lParam));
      break;
    case WM_LAST_DEVICE_LOST:
      OnLastDeviceLost();
      break;
    case WM_DESTROY:
      RunExitSequence();
      handled = TRUE;
      break;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMRESUMEAUTOMATIC) m_ledFramesEnabled = 1;
      else if (wParam == PBT_APMSUSPEND) m_ledFramesEnabled = 0;
      break;
    case WM_TIMER: {
      BOOL timerHandled = FALSE;
      OnTimer(msg, wParam, lParam, timerHandled);
      break;
    }
    case WM_MENU_COMMAND:
      OnMenuCommand(wParam);
      handled = TRUE;
      break;
    case WM_TRAYICON_NOTIFY:
      OnTrayIconNotify(static_cast<UINT>(lParam));
      break;
    case WM_DPICHANGED:
      OnDpiChanged(wParam, lParam);
      break;
    case WM_HOOK_MOU_HitKEY:
      DebugLine(L"WM_HOOK_MOU_HitKEY");
      OnHitKeyMessage(wParam, lParam);
      break;
    case WM_HOOK_KEY_KBHITKEY:
      DebugLine(L"WM_HOOK_KEY_KBHITKEY");
      OnHitKeyMessage(wParam, lParam);
      break;
    case WM_SHOW_PROGRESS:
      if (CControlUI* progress = Find(L"setting_progress")) progress->SetVisible(true);
      break;
    case WM_HIDE_PROGRESS:
      SetTimer(m_hWnd, TIMER_HIDE_PROGRESS, kHideProgressDelayMs, nullptr);
      break;
    case WM_MOUSEPAD_DEVICE_CHANGED:
      ReadMousePadMemory();
      RefreshMousePadLightPage();
      break;
    case WM_KEYBOARD_STORE_FACTORY_KEYS:
      StoreKeyboardFactoryKeyProfile();
      break;
    case WM_KEYBOARD_READ_REFUSED:
      ShowKeyboardReadRefusal();
      break;
    case WM_MOUSEPAD_KEY_COLOR:
    case WM_MOUSEPAD_KEY_ALPHA:
      SetMousePadKeyChanger(msg, wParam, lParam);
      break;
    default:
      break;
  }
  return 0;
}

bool CMainWnd::SetHook(int mode, bool enable, bool keyboard, bool mouse) {
  if (GetWindowThreadProcessId(m_hWnd, nullptr) != GetCurrentThreadId()) {
    DebugLine(L"the capture hook is switched on the window thread only; request refused");
    return false;
  }
  if (!enable) {
    m_deviceHook.Uninstall();
    return true;
  }
  if (m_deviceHook.Install(mode, m_hWnd, keyboard, mouse)) return true;
  DebugPrintf(L"the capture hook could not be installed (%lu)", GetLastError());
  return false;
}

void CMainWnd::SetMousePadKeyChanger(UINT msg, WPARAM button, LPARAM value) {
  if (button >= m_mousePadKeyButtons.size() || !m_mousePadKeyButtons[button]) return;
  if (msg == WM_MOUSEPAD_KEY_COLOR) m_mousePadKeyButtons[button]->SetChangerColor(static_cast<DWORD>(value));
  else m_mousePadKeyButtons[button]->SetChangerAlpha(static_cast<int>(value));
}

void CMainWnd::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  m_pm.SetDPI(LOWORD(wParam));
  m_pm.ResetDPIAssets();
  const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
  SetWindowPos(m_hWnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (CControlUI* root = m_pm.GetRoot()) root->NeedUpdate();
}

void CMainWnd::OnLastDeviceLost() {
  if (CControlUI* mouseLightTab = Find(L"ms_deng_Op_tab")) mouseLightTab->SetFocus();
  ShowMessageBoxAutoClose(true, m_hWnd, nullptr, L"message_text_20", true);
  ShowWindow(false, true);
}

bool CMainWnd::AnyDeviceConnected() const {
  return m_mouseChannel.IsConnected() || m_mousePadChannel.IsConnected() || m_keyboardChannel.IsConnected() ||
         m_headsetChannel.IsConnected() || m_headsetK27Channel.IsConnected();
}

void CMainWnd::BlinkTopmost() {
  SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  CurrentClock().Sleep(kTopmostBlinkMs);
  SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// Hides the window and shows the "no device" box, unless this path's box is already open.
void CMainWnd::HideAndExplainNoDevice(bool& boxOpen) {
  ::ShowWindow(m_hWnd, SW_HIDE);
  if (boxOpen) return;
  boxOpen = true;
  ShowMessageBox(m_hWnd, nullptr, L"message_text_1", true);
  boxOpen = false;
}

void CMainWnd::BringToFrontIfDeviceConnected() {
  if (!AnyDeviceConnected()) {
    HideAndExplainNoDevice(noDeviceBoxOpen);
    return;
  }
  SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
  BlinkTopmost();
}
