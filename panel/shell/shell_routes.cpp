// The shell's own routes: the panel buttons of the caption, the spread buttons of the profile bars,
// the device tabs and the page tabs of each device page.
#include "shell_routes.h"

#include <cwchar>
#include <iterator>
#include <new>

#include "diagnostics.h"
#include "main_wnd.h"

namespace {
constexpr DWORD kPanelMenuAlignment = eMenuAlignment_Left | eMenuAlignment_Top;

// A spread button and the panel of profile-list buttons that it shows and hides. The second
// headset family has no panel of its own: its button works the first family's.
struct SpreadToggle {
  const wchar_t* button;
  const wchar_t* panel;
};

const SpreadToggle kSpreadToggles[] = {
    {L"kb_profile_fun_spread_btn", L"kb_profile_fun_spead_tab"},
    {L"ms_profile_fun_spread_btn", L"ms_profile_fun_spead_tab"},
    {L"mp_profile_fun_spread_btn", L"mp_profile_fun_spead_tab"},
    {L"hs_profile_fun_spread_btn", L"hs_profile_fun_spead_tab"},
    {L"hsK27_profile_fun_spread_btn", L"hs_profile_fun_spead_tab"},
};

// The options of the device tab bar, by the page of "tab_switch" that each shows.
const wchar_t* const kDeviceTabs[] = {L"kb_tab", L"ms_tab", L"mp_tab", L"hs_tab", L"hsK27_tab", L"split_tab"};

const ProfileBar kKeyboardBar{L"kb_device_profile_edit", L"kb_profile_fun_spread_btn", L"kb_profile_select_tab",
                              L"kb_profile_fun_spead_tab"};
const ProfileBar kMouseBar{L"ms_device_profile_edit", L"ms_profile_fun_spread_btn", L"ms_profile_select_tab",
                           L"ms_profile_fun_spead_tab"};

const PageTab kPageTabs[] = {
    {L"kb_deng_Op_tab", L"kb_tab_switch", 0, nullptr, &kKeyboardBar, ProfileBarChange::Open},
    {L"kb_macro_Op_tab", L"kb_tab_switch", 1, nullptr, &kKeyboardBar, ProfileBarChange::Close},
    {L"kb_key_Op_tab", L"kb_tab_switch", 2, L"kb_tab_function", &kKeyboardBar, ProfileBarChange::Open},
    {L"kb_cursor_Op_tab", L"kb_tab_switch", 3, nullptr, nullptr, ProfileBarChange::Keep},
    {L"ms_deng_Op_tab", L"ms_tab_switch", 0, nullptr, &kMouseBar, ProfileBarChange::Open},
    {L"ms_macro_Op_tab", L"ms_tab_switch", 1, nullptr, &kMouseBar, ProfileBarChange::Close},
    {L"ms_key_Op_tab", L"ms_tab_switch", 2, L"ms_tab_function", &kMouseBar, ProfileBarChange::Open},
    {L"ms_rich_Op_tab", L"ms_tab_switch", 3, nullptr, &kMouseBar, ProfileBarChange::Open},
    {L"ms_cursor_Op_tab", L"ms_tab_switch", 4, nullptr, nullptr, ProfileBarChange::Keep},
    {L"hs_deng_Op_tab", L"hs_tab_switch", 0, nullptr, nullptr, ProfileBarChange::Keep},
    {L"hs_voice_Op_tab", L"hs_tab_switch", 1, nullptr, nullptr, ProfileBarChange::Keep},
    {L"hs_magic_Op_tab", L"hs_tab_switch", 2, nullptr, nullptr, ProfileBarChange::Keep},
    {L"hs_deng_Op_tab_K27", L"hsK27_tab_switch", 0, nullptr, nullptr, ProfileBarChange::Keep},
    {L"hs_voice_Op_tab_K27", L"hsK27_tab_switch", 1, nullptr, nullptr, ProfileBarChange::Keep},
    {L"hs_magic_Op_tab_K27", L"hsK27_tab_switch", 2, nullptr, nullptr, ProfileBarChange::Keep},
};

RouteAction Toggles(const wchar_t* name) {
  return [name](CMainWnd& window, const RouteCall&) { window.ToggleVisible(name); };
}

RouteAction ShowsDevicePage(int page) {
  return [page](CMainWnd& window, const RouteCall&) { window.ShowDevicePage(page); };
}

RouteAction SelectsPageTab(const PageTab& tab) {
  return [&tab](CMainWnd& window, const RouteCall&) { window.SelectPageTab(tab); };
}
}  // namespace

RouteTable ShellRoutes() {
  RouteTable routes = {
      ExactRoute(NotifyType::Click, L"dpi_btn", CallsWithSender(&CMainWnd::SetDpiFromUserData)),
      ExactRoute(NotifyType::Click, L"menubtn", Calls(&CMainWnd::ShowPanelMenu)),
      ExactRoute(NotifyType::Click, L"cmdbtn", Calls(&CMainWnd::TraceCloseButtonData)),
  };
  for (const SpreadToggle& toggle : kSpreadToggles)
    routes.push_back(ExactRoute(NotifyType::Click, toggle.button, Toggles(toggle.panel)));
  for (int page = 0; page < static_cast<int>(std::size(kDeviceTabs)); ++page)
    routes.push_back(ExactRoute(NotifyType::SelectChanged, kDeviceTabs[page], ShowsDevicePage(page),
                                SelectPhase::GuardThenAct));
  for (const PageTab& tab : kPageTabs)
    routes.push_back(ExactRoute(NotifyType::SelectChanged, tab.option, SelectsPageTab(tab), SelectPhase::GuardThenAct));
  return routes;
}

void CMainWnd::ShowDevicePage(int page) {
  if (auto* pages = dynamic_cast<CTabLayoutUI*>(m_pm.FindControl(L"tab_switch"))) pages->SelectItem(page);
}

// A page that is shown already is not switched to again, so that its reveal does not repeat.
void CMainWnd::SelectPageTab(const PageTab& tab) {
  auto* pages = dynamic_cast<CTabLayoutUI*>(m_pm.FindControl(tab.layout));
  if (pages && pages->GetCurSel() != tab.page) {
    if (tab.revealFirst) SetShown(tab.revealFirst, true);
    pages->SelectItem(tab.page);
  }
  if (tab.barChange == ProfileBarChange::Open) OpenProfileBar(*tab.bar);
  else if (tab.barChange == ProfileBarChange::Close) CloseProfileBar(*tab.bar);
}

void CMainWnd::OpenProfileBar(const ProfileBar& bar) {
  SetEnabledByName(bar.edit, true);
  CControlUI* edit = m_pm.FindControl(bar.edit);
  if (edit && !edit->IsVisible()) edit->SetVisible(true);
  SetShown(bar.spreadButton, true);
  SetEnabledByName(bar.spreadButton, true);
  SetEnabledByName(bar.selectTab, true);
  SetEnabledByName(bar.spreadTab, true);
}

void CMainWnd::CloseProfileBar(const ProfileBar& bar) {
  for (const wchar_t* name : {bar.spreadButton, bar.selectTab, bar.spreadTab, bar.edit}) SetEnabledByName(name, false);
}

// A DPI of 0 or below would shrink every length to nothing; such user data is ignored.
void CMainWnd::SetDpiFromUserData(CControlUI* sender) {
  const int dpi = static_cast<int>(wcstol(sender->GetUserData().GetData(), nullptr, 10));
  if (dpi > 0) m_pm.SetDPI(dpi);
}

// Kept like the tray menu, in the same member: the previous menu is closed and freed here.
void CMainWnd::ShowPanelMenu() {
  POINT point{};
  GetCursorPos(&point);
  m_trayMenu.reset(new (std::nothrow) CMenuWnd);
  if (m_trayMenu) m_trayMenu->Init(nullptr, L"menu.xml", point, &m_pm, nullptr, kPanelMenuAlignment);
}

// A diagnostic of the hidden "cmdbtn": the caption's close button's user data, and the three
// numbers read from it.
void CMainWnd::TraceCloseButtonData() {
  CControlUI* closeButton = m_pm.FindControl(L"closebtn");
  if (!closeButton) return;
  const CDuiString data = closeButton->GetUserData();
  DebugLine(data.str());
  int first = 0, second = 0, third = 0;
  swscanf(data.GetData(), L"%d,%d,%d", &first, &second, &third);
  DebugPrintf(L"%d,%d,%d", first, second, third);
}
