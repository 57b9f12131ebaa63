// The select-changed order on a small test layout with the real capture hook: routes that end,
// act before the guard or after it; the pending-edit guard of the macro pages; the end of key
// capture; and what code selects, on a worker or in a scope, which only acts.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "mouse_macro_state.h"
#include "notification_router.h"
#include "panel_window_fixture.h"
#include "shell_routes.h"
#include "test_files.h"

namespace {

constexpr wchar_t kLayoutFile[] = L"router_test_layout.xml";

// The pending-edit markers lie outside the tab pages, so that both can be visible at once.
constexpr char kLayout[] = R"(<?xml version="1.0" encoding="utf-8"?>
<Window size="500,300">
  <VerticalLayout name="root">
    <HorizontalLayout height="30">
      <Option name="kb_tab" group="device_tabs" width="40"/>
      <Option name="ms_tab" group="device_tabs" width="40" selected="true"/>
      <Option name="unrouted_option" width="40"/>
      <Option name="ending_option" width="40"/>
      <Option name="acting_option" width="40"/>
      <Edit name="bounded_edit" width="60"/>
      <Control name="ms_macro_tab_saveorcancel" width="10" visible="false"/>
      <Control name="kb_macro_tab_saveorcancel" width="10" visible="false"/>
    </HorizontalLayout>
    <TabLayout name="tab_switch" selectedid="1">
      <VerticalLayout>
        <HorizontalLayout height="30">
          <Option name="kb_deng_Op_tab" group="kb_pages" width="40" selected="true"/>
          <Option name="kb_macro_Op_tab" group="kb_pages" width="40"/>
          <EnableLog name="kb_profile_select_tab" width="20"/>
          <EnableLog name="kb_device_profile_edit" width="20"/>
          <EnableLog name="kb_profile_fun_spread_btn" width="20"/>
          <EnableLog name="kb_profile_fun_spead_tab" width="20"/>
        </HorizontalLayout>
        <TabLayout name="kb_tab_switch"><Control/><Control/><Control/><Control/></TabLayout>
      </VerticalLayout>
      <VerticalLayout>
        <HorizontalLayout height="30">
          <Option name="ms_deng_Op_tab" group="ms_pages" width="40" selected="true"/>
          <Option name="ms_macro_Op_tab" group="ms_pages" width="40"/>
        </HorizontalLayout>
        <TabLayout name="ms_tab_switch"><Control/><Control/><Control/><Control/><Control/></TabLayout>
      </VerticalLayout>
    </TabLayout>
  </VerticalLayout>
</Window>
)";

std::vector<std::wstring> enableLog;

// Records every change of its enabled state, so that a test sees the order of them.
class EnableLogControl : public CButtonUI {
 public:
  void SetEnabled(bool enabled) override {
    enableLog.push_back(GetName().str() + (enabled ? L"+" : L"-"));
    CButtonUI::SetEnabled(enabled);
  }
};

class RouterTestWnd : public TestMainWnd {
 public:
  CControlUI* CreateControl(LPCTSTR tag) override {
    if (EqualsNoCase(tag, L"EnableLog")) return new EnableLogControl;
    return TestMainWnd::CreateControl(tag);
  }

 protected:
  CDuiString GetSkinFile() override { return kLayoutFile; }
};

std::vector<HHOOK> hooksSet;
HHOOK WINAPI RecordingHookSetter(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread) {
  HHOOK hook = SetWindowsHookExW(kind, procedure, module, thread);
  hooksSet.push_back(hook);
  return hook;
}

struct ShownBox {
  std::wstring text;
  DWORD thread;
};

class RouterWindowTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    PanelWindowTest::SetUp();
    layoutPath = CPaintManagerUI::GetResourcePath().str() + kLayoutFile;
    WriteText(layoutPath, kLayout);
    std::vector<std::wstring> refused;
    routes = RouteIndex::Build({ShellRoutes(), TestRoutes()}, refused);
    ASSERT_TRUE(refused.empty());
    UseRoutesInstead(&routes);
    delete window;
    window = new RouterTestWnd;
    OpenWindow();
    WatchMessageBoxesWith([this](CMsgWnd& box) {
      boxes.push_back({box.FindControl(L"MessageText")->GetText().str(), GetCurrentThreadId()});
      box.Close(0);
    });
    SetHooksWith(RecordingHookSetter);
    enableLog.clear();
    hooksSet.clear();
    MouseMacroRecorder.recording = 1;
  }
  void TearDown() override {
    SetHooksWith(nullptr);
    MouseMacroRecorder.recording = 0;
    PanelWindowTest::TearDown();
    UseRoutesInstead(nullptr);
    DeleteFileW(layoutPath.c_str());
  }

  RouteTable TestRoutes() {
    return {ExactRoute(NotifyType::SelectChanged, L"ending_option",
                       [this](CMainWnd&, const RouteCall&) { acted.push_back(L"ending_option"); }),
            ExactRoute(
                NotifyType::SelectChanged, L"acting_option",
                [this](CMainWnd&, const RouteCall&) { acted.push_back(L"acting_option"); }, SelectPhase::ActThenGuard)};
  }

  COptionUI* Option(const wchar_t* name) { return dynamic_cast<COptionUI*>(Find(name)); }
  int PageOf(const wchar_t* layout) { return dynamic_cast<CTabLayoutUI*>(Find(layout))->GetCurSel(); }
  void SetPending(const wchar_t* saveOrCancel) { Find(saveOrCancel)->SetVisible(true); }
  struct PendingPage {
    const wchar_t* saveOrCancel;
    const wchar_t* deviceTab;
    const wchar_t* pageTab;
  };
  // A pending edit on the page that shows it.
  void ShowPendingPage(const PendingPage& page) {
    Option(page.deviceTab)->Selected(true, false);
    Option(page.pageTab)->Selected(true, false);
    SetPending(page.saveOrCancel);
  }
  // Selects the option as a user or a worker does, from unselected.
  void Choose(const wchar_t* name) {
    Option(name)->Selected(false, false);
    Option(name)->Selected(true, true);
  }
  // Installs the capture hook through the window's one entry for it.
  HHOOK CaptureKeys() {
    EXPECT_TRUE(window->SetHook(HOOK_MODE_MOU_SINGLEKEY, true, true, false));
    return hooksSet.empty() ? nullptr : hooksSet.back();
  }
  // Removing a hook that is gone already fails.
  static bool StillInstalled(HHOOK hook) { return UnhookWindowsHookEx(hook) != FALSE; }

  std::wstring layoutPath;
  RouteIndex routes;
  std::vector<std::wstring> acted;
  std::vector<ShownBox> boxes;
};

const wchar_t kRefusal[] = L"Please save or cancel the macro you are editing first.";

// With the pending page shown already the guard changes no tab, so no nested notification of
// its own ends the capture.
TEST_F(RouterWindowTest, CaptureEndsUnlessARouteEndsTheNotificationOrTheGuardRefusesIt) {
  const PendingPage mouse{L"ms_macro_tab_saveorcancel", L"ms_tab", L"ms_macro_Op_tab"};
  const PendingPage keyboard{L"kb_macro_tab_saveorcancel", L"kb_tab", L"kb_macro_Op_tab"};
  const struct {
    const wchar_t* option;
    const PendingPage* pending;
    bool acts;
    bool endsCapture;
    size_t boxes;
  } cases[] = {
      {L"unrouted_option", nullptr, false, true, 0},    {L"ending_option", nullptr, true, false, 0},
      {L"ending_option", &mouse, true, false, 0},       {L"acting_option", nullptr, true, true, 0},
      {L"acting_option", &mouse, true, false, 1},       {L"unrouted_option", &keyboard, false, false, 1},
  };
  for (const auto& c : cases) {
    Find(mouse.saveOrCancel)->SetVisible(false);
    Find(keyboard.saveOrCancel)->SetVisible(false);
    if (c.pending) ShowPendingPage(*c.pending);
    acted.clear();
    boxes.clear();
    MouseMacroRecorder.recording = 1;
    const HHOOK hook = CaptureKeys();
    ASSERT_NE(hook, nullptr);

    Choose(c.option);

    EXPECT_EQ(acted.size(), c.acts ? 1u : 0u) << c.option;
    EXPECT_EQ(StillInstalled(hook), !c.endsCapture) << c.option;
    EXPECT_EQ(MouseMacroRecorder.recording.load(), c.endsCapture ? 0 : 1) << c.option;
    EXPECT_EQ(boxes.size(), c.boxes) << c.option;
  }
}

TEST_F(RouterWindowTest, APendingMouseEditBringsTheMouseMacroPageBackWithOneMessage) {
  SetPending(L"ms_macro_tab_saveorcancel");
  Choose(L"kb_tab");
  EXPECT_TRUE(Option(L"ms_macro_Op_tab")->IsSelected());
  EXPECT_TRUE(Option(L"ms_tab")->IsSelected());
  EXPECT_FALSE(Option(L"kb_tab")->IsSelected());
  EXPECT_EQ(PageOf(L"tab_switch"), 1);
  EXPECT_EQ(PageOf(L"ms_tab_switch"), 1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, kRefusal);
}

TEST_F(RouterWindowTest, APendingKeyboardEditBringsBackAndShowsTheKeyboardTab) {
  SetPending(L"kb_macro_tab_saveorcancel");
  Find(L"kb_tab")->SetVisible(false);
  Choose(L"unrouted_option");
  EXPECT_TRUE(Option(L"kb_macro_Op_tab")->IsSelected());
  EXPECT_TRUE(Option(L"kb_tab")->IsSelected());
  EXPECT_TRUE(Find(L"kb_tab")->IsVisible());
  EXPECT_EQ(PageOf(L"tab_switch"), 0);
  EXPECT_EQ(PageOf(L"kb_tab_switch"), 1);
  EXPECT_EQ(boxes.size(), 1u);
}

// Each page's guard would send the user to its own page again and again.
TEST_F(RouterWindowTest, TwoPendingEditsGiveOneMessageAndTheMousePage) {
  Choose(L"kb_tab");
  SetPending(L"ms_macro_tab_saveorcancel");
  SetPending(L"kb_macro_tab_saveorcancel");
  Choose(L"unrouted_option");
  EXPECT_TRUE(Option(L"ms_tab")->IsSelected());
  EXPECT_EQ(PageOf(L"tab_switch"), 1);
  EXPECT_EQ(boxes.size(), 1u);
}

// What code selects (a worker on its own thread, or the window thread inside a scope) runs its
// route, but neither meets the pending-edit guard nor ends a capture or a recording.
TEST_F(RouterWindowTest, ACodeMadeSelectionActsButNeverGuardsOrEndsTheCapture) {
  const struct {
    const char* origin;
    std::function<void(const std::function<void()>&)> select;
  } origins[] = {
      {"a worker", [](const std::function<void()>& choose) { std::thread(choose).join(); }},
      {"the window thread in a scope",
       [](const std::function<void()>& choose) {
         CodeMadeNotifications applying;
         choose();
       }},
  };
  for (const auto& origin : origins) {
    SCOPED_TRACE(origin.origin);
    ShowPendingPage({L"ms_macro_tab_saveorcancel", L"ms_tab", L"ms_macro_Op_tab"});
    dynamic_cast<CTabLayoutUI*>(Find(L"tab_switch"))->SelectItem(1);
    acted.clear();
    boxes.clear();
    MouseMacroRecorder.recording = 1;
    const HHOOK hook = CaptureKeys();
    ASSERT_NE(hook, nullptr);

    origin.select([this] {
      Choose(L"kb_tab");
      Choose(L"acting_option");
      Choose(L"unrouted_option");
    });
    PumpFor(100);

    EXPECT_TRUE(Option(L"kb_tab")->IsSelected());
    EXPECT_EQ(PageOf(L"tab_switch"), 0) << "the device tab's route ran";
    EXPECT_EQ(acted, std::vector<std::wstring>{L"acting_option"});
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(Find(L"ms_macro_tab_saveorcancel")->IsVisible()) << "the edit stays pending";
    EXPECT_EQ(MouseMacroRecorder.recording.load(), 1);
    EXPECT_TRUE(StillInstalled(hook));
  }
}

// Code that a user's choice runs selects as code, and the user's own selection still meets the
// guard afterwards.
TEST_F(RouterWindowTest, TheScopeEndsWithItsBlock) {
  SetPending(L"ms_macro_tab_saveorcancel");
  {
    CodeMadeNotifications applying;
    Choose(L"unrouted_option");
  }
  EXPECT_TRUE(boxes.empty());
  Choose(L"unrouted_option");
  EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(RouterWindowTest, TheKeyboardMacroTabClosesTheProfileBarInOrderAndLightingOpensIt) {
  Choose(L"kb_tab");
  Choose(L"kb_macro_Op_tab");
  EXPECT_EQ(PageOf(L"kb_tab_switch"), 1);
  const std::vector<std::wstring> closed = {L"kb_profile_fun_spread_btn-", L"kb_profile_select_tab-",
                                            L"kb_profile_fun_spead_tab-", L"kb_device_profile_edit-"};
  EXPECT_EQ(enableLog, closed);
  enableLog.clear();
  Find(L"kb_device_profile_edit")->SetVisible(false);
  Choose(L"kb_deng_Op_tab");
  const std::vector<std::wstring> opened = {L"kb_device_profile_edit+", L"kb_profile_fun_spread_btn+",
                                            L"kb_profile_select_tab+", L"kb_profile_fun_spead_tab+"};
  EXPECT_EQ(enableLog, opened);
  EXPECT_TRUE(Find(L"kb_device_profile_edit")->IsVisible());
}

TEST_F(RouterWindowTest, ABoundedEditShowsTheClampedNumber) {
  const struct {
    const wchar_t* typed;
    int upper;
    bool lowerOne;
    int value;
    const wchar_t* shown;
  } cases[] = {{L"300", 255, false, 255, L"255"}, {L"-4", 255, false, 0, L"0"},  {L"0", 255, true, 1, L"1"},
               {L"abc", 255, false, 0, L"abc"},   {L"70000", 65535, false, 65535, L"65535"}};
  CControlUI* edit = Find(L"bounded_edit");
  for (const auto& c : cases) {
    edit->SetText(c.typed);
    EXPECT_EQ(window->ClampEditValue(L"bounded_edit", c.upper, c.lowerOne), c.value) << c.typed;
    EXPECT_EQ(edit->GetText(), c.shown) << c.typed;
  }
  EXPECT_EQ(window->ClampEditValue(L"no_such_edit", 255), 0);
}

}  // namespace
