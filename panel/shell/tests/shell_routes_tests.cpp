// The shell's own routes in the main window built from the panel's skin, with a simulated keyboard
// and mouse on the HID seam: device and page tabs, profile bars, spread buttons and the caption's
// panel buttons.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "debug_log_capture.h"
#include "hid_backend.h"
#include "panel_message.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {

class ShellRoutesTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    bus.SetReadsWaitInRealTime(true);  // the keyboard's change-report reader blocks instead of spinning
    bus.Attach(MakeSimulatedKeyboard());
    bus.Attach(MakeSimulatedMouse());
    InstallHidBackend(&bus);
    PanelWindowTest::SetUp();
    DebugLogCapture log;
    OpenWindow();
    // The keyboard's and the mouse's detection show and select their tabs on their own threads and
    // each announces its first find, which brings the window to the front (and so closes an open
    // menu); the tests start after all of it, with the keyboard's tab selected, so that no
    // detection changes a page under them. The mouse's pass holds its channel's lock until it is done.
    ASSERT_TRUE(PumpUntil([this] { return Find(L"kb_tab")->IsVisible() && Find(L"ms_tab")->IsVisible(); }, 10000));
    const std::wstring announcement =
        L"\u8F6F\u4EF6\u6807\u793A " + std::to_wstring(PanelRegisteredMessage) + L"\uFF0C0d0d";
    ASSERT_TRUE(PumpUntil([&] { return log.Count(announcement) >= 2; }, 10000)) << "keyboard and mouse announced";
    { std::lock_guard<std::recursive_mutex> mousePassDone(window->m_mouseChannel.m_lock); }
    PumpFor(100);
    Plug(L"kb_tab");
    ASSERT_TRUE(PumpUntil([this] { return PageOf(L"tab_switch") == 0; }, 10000));
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }

  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  int PageOf(const wchar_t* layout) { return dynamic_cast<CTabLayoutUI*>(Find(layout))->GetCurSel(); }
  // As a detection thread shows and selects its device's tab.
  void Plug(const wchar_t* deviceTab) {
    Find(deviceTab)->SetVisible(true);
    Option(deviceTab)->Selected(true, true);
  }
  void Choose(const wchar_t* option) {
    ASSERT_NE(Option(option), nullptr) << option;
    Option(option)->Selected(true, true);
  }

  SimulatedHidBackend bus;
};

TEST_F(ShellRoutesTest, DeviceAndPageTabsShowTheirPages) {
  EXPECT_EQ(PageOf(L"tab_switch"), 0) << "the keyboard's page, which its detection selected";
  const struct {
    const wchar_t* option;
    const wchar_t* layout;
    int page;
  } steps[] = {
      {L"kb_tab", L"tab_switch", 0},          {L"kb_key_Op_tab", L"kb_tab_switch", 2},
      {L"kb_cursor_Op_tab", L"kb_tab_switch", 3}, {L"kb_macro_Op_tab", L"kb_tab_switch", 1},
      {L"ms_tab", L"tab_switch", 1},          {L"ms_rich_Op_tab", L"ms_tab_switch", 3},
      {L"ms_cursor_Op_tab", L"ms_tab_switch", 4}, {L"ms_key_Op_tab", L"ms_tab_switch", 2},
      {L"hs_tab", L"tab_switch", 3},          {L"hs_magic_Op_tab", L"hs_tab_switch", 2},
      {L"hsK27_tab", L"tab_switch", 4},       {L"hs_voice_Op_tab_K27", L"hsK27_tab_switch", 1},
      {L"mp_tab", L"tab_switch", 2},          {L"split_tab", L"tab_switch", 5},
  };
  for (const auto& step : steps) {
    if (EqualsNoCase(step.layout, L"tab_switch")) Plug(step.option);
    else Choose(step.option);
    EXPECT_EQ(PageOf(step.layout), step.page) << step.option;
  }
}

TEST_F(ShellRoutesTest, TheMacroPageClosesTheProfileBarAndTheLightingPageOpensIt) {
  Plug(L"kb_tab");
  const wchar_t* const bar[] = {L"kb_profile_fun_spread_btn", L"kb_profile_select_tab", L"kb_profile_fun_spead_tab",
                                L"kb_device_profile_edit"};
  Choose(L"kb_macro_Op_tab");
  for (const wchar_t* name : bar) EXPECT_FALSE(Find(name)->IsEnabled()) << name;
  Find(L"kb_profile_fun_spread_btn")->SetVisible(false);
  Choose(L"kb_deng_Op_tab");
  for (const wchar_t* name : bar) EXPECT_TRUE(Find(name)->IsEnabled()) << name;
  EXPECT_TRUE(Find(L"kb_profile_fun_spread_btn")->IsVisible());
}

TEST_F(ShellRoutesTest, SpreadButtonsShowAndHideTheirDevicesListButtons) {
  const struct {
    const wchar_t* deviceTab;
    const wchar_t* button;
    const wchar_t* panel;
  } toggles[] = {
      {L"kb_tab", L"kb_profile_fun_spread_btn", L"kb_profile_fun_spead_tab"},
      {L"ms_tab", L"ms_profile_fun_spread_btn", L"ms_profile_fun_spead_tab"},
      {L"mp_tab", L"mp_profile_fun_spread_btn", L"mp_profile_fun_spead_tab"},
      {L"hs_tab", L"hs_profile_fun_spread_btn", L"hs_profile_fun_spead_tab"},
      // The K27 headset has no list buttons of its own: its button works the first family's.
      {L"hs_tab", L"hsK27_profile_fun_spread_btn", L"hs_profile_fun_spead_tab"},
  };
  for (const auto& toggle : toggles) {
    Plug(toggle.deviceTab);
    CControlUI* panel = Find(toggle.panel);
    ASSERT_FALSE(panel->IsVisible()) << toggle.button;
    NotifyClick(Find(toggle.button));
    EXPECT_TRUE(panel->IsVisible()) << toggle.button;
    NotifyClick(Find(toggle.button));
    EXPECT_FALSE(panel->IsVisible()) << toggle.button;
  }
}

BOOL CALLBACK CollectVisibleMenu(HWND window, LPARAM found) {
  wchar_t kind[32] = {};
  GetClassNameW(window, kind, 32);
  if (std::wstring(kind) == L"MenuWnd" && IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

std::vector<HWND> OpenMenus() {
  std::vector<HWND> menus;
  EnumThreadWindows(GetCurrentThreadId(), CollectVisibleMenu, reinterpret_cast<LPARAM>(&menus));
  return menus;
}

TEST_F(ShellRoutesTest, ASecondMenuButtonClickLeavesOneMenuOpen) {
  // A menu counts as open once it shows and has taken the activation, which a click elsewhere
  // takes from it and closes it; a loaded machine can take a while to get there.
  const auto oneMenuOpen = [] {
    const std::vector<HWND> menus = OpenMenus();
    return menus.size() == 1 && GetForegroundWindow() == menus[0];
  };
  NotifyClick(Find(L"menubtn"));
  ASSERT_TRUE(PumpUntil(oneMenuOpen, 10000));
  const HWND first = OpenMenus()[0];
  ASSERT_NE(window->m_trayMenu, nullptr);
  EXPECT_EQ(window->m_trayMenu->GetMenuUI()->GetCount(), 4) << "the items of menu.xml";
  NotifyClick(Find(L"menubtn"));
  ASSERT_TRUE(PumpUntil([&] { return oneMenuOpen() && OpenMenus()[0] != first; }, 10000));
  EXPECT_FALSE(IsWindow(first)) << "the first menu is gone with its object";
  EXPECT_EQ(window->m_trayMenu->GetHWND(), OpenMenus()[0]);
}

TEST_F(ShellRoutesTest, TheDpiButtonSetsTheDpiInItsUserData) {
  CControlUI* button = Find(L"dpi_btn");
  window->Manager().SetDPI(144);
  NotifyClick(button);
  EXPECT_EQ(window->Manager().GetDPIObj()->GetDPI(), 96);
  button->SetUserData(L"0");
  NotifyClick(button);
  EXPECT_EQ(window->Manager().GetDPIObj()->GetDPI(), 96) << "no DPI of 0";
}

TEST_F(ShellRoutesTest, TheHiddenCommandButtonTracesTheCloseButtonsNumbers) {
  DebugLogCapture log;
  Find(L"closebtn")->SetUserData(L"7,8,9x");
  NotifyClick(Find(L"cmdbtn"));
  EXPECT_EQ(log.Count(L"7,8,9x"), 1);
  EXPECT_EQ(log.Count(L"7,8,9"), 1);
}

}  // namespace
