// The main window's notification entry points: each looks the sender's name up once in the route
// tables. A "selectchanged" of the user's also runs the pending-edit guard of the macro pages and
// ends key capture; a code-made one only runs its route (notification_router.h).
#include <string>

#include "edit_clamp.h"
#include "main_wnd.h"
#include "mouse_macro_state.h"
#include "msg_wnd.h"
#include "shell_routes.h"

namespace {
// A macro edit is pending while its page's save-or-cancel tab is visible; then every other option
// takes the user back to the macro page. The mouse page is guarded first.
struct PendingEditGuard {
  const wchar_t* saveOrCancel;
  const wchar_t* pageTab;
  const wchar_t* deviceTab;
  bool showDeviceTab;
};

const PendingEditGuard kPendingEditGuards[] = {
    {L"ms_macro_tab_saveorcancel", L"ms_macro_Op_tab", L"ms_tab", false},
    {L"kb_macro_tab_saveorcancel", L"kb_macro_Op_tab", L"kb_tab", true},
};

RouteMatch FindRoute(NotifyType type, CControlUI* sender, std::wstring& name) {
  name = sender->GetName().str();
  return PanelRoutes().Find(type, name);
}

void Run(CMainWnd& window, const RouteMatch& match, CControlUI* sender) {
  if (match.route->action) match.route->action(window, RouteCall{sender, match.number});
}

void RouteNotification(CMainWnd& window, NotifyType type, CControlUI* sender) {
  if (!sender) return;
  std::wstring name;
  const RouteMatch match = FindRoute(type, sender, name);
  if (match.route) Run(window, match, sender);
}

void SelectWithNotification(CControlUI* control) {
  if (auto* option = dynamic_cast<COptionUI*>(control)) option->Selected(true, true);
}
}  // namespace

RouteAction Calls(void (CMainWnd::*member)()) {
  return [member](CMainWnd& window, const RouteCall&) { (window.*member)(); };
}

RouteAction CallsWithNumber(void (CMainWnd::*member)(int)) {
  return [member](CMainWnd& window, const RouteCall& call) { (window.*member)(call.number); };
}

RouteAction CallsWithSender(void (CMainWnd::*member)(CControlUI*)) {
  return [member](CMainWnd& window, const RouteCall& call) { (window.*member)(call.sender); };
}

void CMainWnd::HandleClick(CControlUI* sender) { RouteNotification(*this, NotifyType::Click, sender); }
void CMainWnd::HandleMouseEnter(CControlUI* sender) { RouteNotification(*this, NotifyType::MouseEnter, sender); }
void CMainWnd::HandleMouseLeave(CControlUI* sender) { RouteNotification(*this, NotifyType::MouseLeave, sender); }
void CMainWnd::HandleKillFocus(CControlUI* sender) { RouteNotification(*this, NotifyType::KillFocus, sender); }
void CMainWnd::HandleSetFocus(CControlUI* sender) { RouteNotification(*this, NotifyType::SetFocus, sender); }
void CMainWnd::HandleItemSelect(CControlUI* sender) { RouteNotification(*this, NotifyType::ItemSelect, sender); }
void CMainWnd::HandleValueChanged(CControlUI* sender) {
  RouteNotification(*this, NotifyType::ValueChanged, sender);
}
void CMainWnd::HandleMoveValueChanged(CControlUI* sender) {
  RouteNotification(*this, NotifyType::MoveValueChanged, sender);
}
void CMainWnd::HandleTextChanged(CControlUI* sender) { RouteNotification(*this, NotifyType::TextChanged, sender); }
void CMainWnd::HandleColorChanged(CControlUI* sender) {
  RouteNotification(*this, NotifyType::ColorChanged, sender);
}
void CMainWnd::HandleItemClick(CControlUI* sender) { RouteNotification(*this, NotifyType::ItemClick, sender); }

// A name without a route still meets the guard and ends key capture, when the user chose it.
void CMainWnd::HandleSelectChanged(CControlUI* sender) {
  if (!sender) return;
  std::wstring name;
  const RouteMatch match = FindRoute(NotifyType::SelectChanged, sender, name);
  const SelectPhase phase = match.route ? match.route->phase : SelectPhase::GuardThenAct;
  if (!NotificationFromUser()) {
    if (match.route) Run(*this, match, sender);
    return;
  }
  if (phase != SelectPhase::GuardThenAct) {
    Run(*this, match, sender);
    if (phase == SelectPhase::ActAndEnd) return;
  }
  if (RefusedByPendingMacroEdit(name)) return;
  EndKeyCapture();
  if (match.route && phase == SelectPhase::GuardThenAct) Run(*this, match, sender);
}

bool CMainWnd::NotificationFromUser() const { return OnWindowThread() && !CodeMadeNotifications::Open(); }

bool CMainWnd::RefusedByPendingMacroEdit(const std::wstring& name) {
  for (const PendingEditGuard& guard : kPendingEditGuards) {
    CControlUI* saveOrCancel = m_pm.FindControl(guard.saveOrCancel);
    if (!saveOrCancel || !saveOrCancel->IsVisible()) continue;
    if (EqualsNoCase(name, guard.pageTab) || EqualsNoCase(name, guard.deviceTab)) continue;
    RestorePendingMacroPage(guard.pageTab, guard.deviceTab, guard.showDeviceTab);
    ShowMessageBox(m_hWnd, nullptr, L"message_text_3", true);
    return true;
  }
  return false;
}

// The option that was chosen keeps its new state; only the tabs are brought back. Their own
// notifications are code-made, so two pending edits cannot send each other back and forth.
void CMainWnd::RestorePendingMacroPage(const wchar_t* pageTab, const wchar_t* deviceTab, bool showDeviceTab) {
  CodeMadeNotifications restoring;
  SelectWithNotification(m_pm.FindControl(pageTab));
  SelectWithNotification(m_pm.FindControl(deviceTab));
  if (showDeviceTab) SetShown(deviceTab, true);
}

// Whatever capture or recording installed the hooks, they go; the keyboard recorder keeps its own
// state.
void CMainWnd::EndKeyCapture() {
  SetHook(HOOK_MODE_MOU_SINGLEKEY, false, true, false);
  MouseMacroRecorder.recording = 0;
}

bool CMainWnd::OnWindowThread() const {
  const DWORD owner = GetWindowThreadProcessId(m_hWnd, nullptr);
  return owner == 0 || owner == GetCurrentThreadId();
}

void CMainWnd::ToggleVisible(const wchar_t* name) {
  if (CControlUI* control = m_pm.FindControl(name)) control->SetVisible(!control->IsVisible());
}

int CMainWnd::ClampEditValue(const wchar_t* editName, int upperBound, bool lowerBoundOne) {
  CControlUI* edit = m_pm.FindControl(editName);
  if (!edit) return 0;
  const ClampedNumber number = ClampEditNumber(edit->GetText().str(), upperBound, lowerBoundOne);
  if (number.clamped) edit->SetText(std::to_wstring(number.value).c_str());
  return number.value;
}

void CMainWnd::SetShown(const wchar_t* name, bool shown) {
  if (CControlUI* control = m_pm.FindControl(name)) control->SetVisible(shown);
}

void CMainWnd::SetEnabledByName(const wchar_t* name, bool enabled) {
  if (CControlUI* control = m_pm.FindControl(name)) control->SetEnabled(enabled);
}
