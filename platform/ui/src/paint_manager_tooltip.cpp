// Tooltips: the hovered control's tooltip text shows in a native tooltip window after the
// system's hover time, at the mouse, until the mouse leaves the control or presses.
#include <windows.h>

#include <commctrl.h>

#include "model_lock.h"
#include "private_messages.h"
#include "ui/paint_manager.h"

namespace {

constexpr int kToolTipMaxWidth = 400;
constexpr LONG kBelowCursor = 20;

UINT HoverTimeMs() {
  UINT milliseconds = 0;
  if (!SystemParametersInfoW(SPI_GETMOUSEHOVERTIME, 0, &milliseconds, 0) || milliseconds == 0) milliseconds = 400;
  return milliseconds;
}

// One tracking tool per window; its text changes with the hovered control.
TTTOOLINFOW ToolOf(HWND owner, const wchar_t* text) {
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;  // understood by every version of the common controls
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = owner;
  tool.uId = 1;
  tool.lpszText = const_cast<wchar_t*>(text);
  return tool;
}

HWND CreateToolTipWindow(HWND owner) {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&classes) != FALSE;
  }();
  (void)registered;
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!tip) return nullptr;
  TTTOOLINFOW tool = ToolOf(owner, L"");
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, kToolTipMaxWidth);
  return tip;
}

}  // namespace

// On the window thread, when the mouse moves onto another control (or none).
void CPaintManagerUI::HoverChanged(CControlUI* hot) {
  HideToolTip();
  bool wantsTip = hot && !hot->GetToolTip().IsEmpty();
  {
    ModelLock lock;
    toolTipFor_ = wantsTip ? hot : nullptr;
  }
  if (wantsTip) SetTimer(window_, kUiToolTipTimer, HoverTimeMs(), nullptr);
}

void CPaintManagerUI::ShowHoveredToolTip() {
  KillTimer(window_, kUiToolTipTimer);
  CDuiString text;
  {
    ModelLock lock;
    if (!toolTipFor_ || toolTipFor_ != hot_) return;
    text = toolTipFor_->toolTip_;
  }
  if (text.IsEmpty()) return;
  if (!toolTipWindow_ || !IsWindow(toolTipWindow_)) toolTipWindow_ = CreateToolTipWindow(window_);
  if (!toolTipWindow_) return;
  POINT at;
  GetCursorPos(&at);
  TTTOOLINFOW tool = ToolOf(window_, text.GetData());
  SendMessageW(toolTipWindow_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(toolTipWindow_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y + kBelowCursor));
  SendMessageW(toolTipWindow_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
}

void CPaintManagerUI::HideToolTip() {
  KillTimer(window_, kUiToolTipTimer);
  if (!toolTipWindow_ || !IsWindow(toolTipWindow_)) return;
  TTTOOLINFOW tool = ToolOf(window_, L"");
  SendMessageW(toolTipWindow_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}
