#include <string>
#include <vector>

#include "demo_window_fixture.h"

using Types = std::vector<std::wstring>;

namespace {

// The log as "type:sender" lines, for comparing order.
Types Lines(const DemoWindow& window, const Types& types) {
  Types lines;
  for (const auto& record : window.Log())
    for (const auto& type : types)
      if (record.type == type) lines.push_back(record.type + L":" + record.sender);
  return lines;
}

}  // namespace

TEST_F(DemoWindowTest, WindowInitOnceAfterInitWindow) {
  window->ClearLog();
  DemoWindow* fresh = new DemoWindow;
  fresh->Open();
  EXPECT_EQ(fresh->initWindowCalls, 1);
  EXPECT_EQ(fresh->LogOf(L"windowinit").size(), 1u);
  InvalidateRect(fresh->GetHWND(), nullptr, FALSE);
  UpdateWindow(fresh->GetHWND());
  PumpMessages();
  EXPECT_EQ(fresh->LogOf(L"windowinit").size(), 1u) << "never again on later paints";
  DestroyWindow(fresh->GetHWND());
  delete fresh;
}

TEST_F(DemoWindowTest, ClickComesBeforeTheStateChange) {
  ASSERT_FALSE(Option(L"check_startup")->IsSelected());
  window->Click(L"check_startup");
  EXPECT_TRUE(Option(L"check_startup")->IsSelected());
  window->Click(L"check_startup");
  EXPECT_FALSE(Option(L"check_startup")->IsSelected());

  std::vector<DemoWindow::Record> log;
  for (const auto& record : window->Log())
    if (record.type == L"click" || record.type == L"selectchanged") log.push_back(record);
  ASSERT_EQ(log.size(), 4u);
  EXPECT_EQ(log[0].type, L"click");
  EXPECT_FALSE(log[0].senderSelected) << "the box was still clear when the click arrived";
  EXPECT_EQ(log[1].type, L"selectchanged");
  EXPECT_TRUE(log[1].senderSelected);
  EXPECT_EQ(log[2].type, L"click");
  EXPECT_TRUE(log[2].senderSelected);
  EXPECT_EQ(log[3].type, L"selectchanged");
  EXPECT_FALSE(log[3].senderSelected);
}

TEST_F(DemoWindowTest, SelectChangedOncePerChangeAndNeverForUnselectedSiblings) {
  window->Click(L"mode_b");
  window->Click(L"mode_b");  // already selected: a click, no change
  window->Click(L"mode_c");
  EXPECT_EQ(Lines(*window, {L"click", L"selectchanged"}),
            (Types{L"click:mode_b", L"selectchanged:mode_b", L"click:mode_b", L"click:mode_c",
                   L"selectchanged:mode_c"}));
  EXPECT_FALSE(Option(L"mode_a")->IsSelected());
  EXPECT_FALSE(Option(L"mode_b")->IsSelected());
  EXPECT_TRUE(Option(L"mode_c")->IsSelected());

  // From code: only a real change notifies, and only when asked to.
  window->ClearLog();
  Option(L"mode_c")->Selected(true);
  Option(L"mode_a")->Selected(true, false);
  Option(L"mode_b")->Selected(true);
  EXPECT_EQ(window->LogOf(L"selectchanged"), (Types{L"mode_b"}));
  EXPECT_FALSE(Option(L"mode_a")->IsSelected());
  // Groups stay apart: the tab group is untouched by the mode group.
  EXPECT_TRUE(Option(L"tab_general")->IsSelected());
}

TEST_F(DemoWindowTest, SilentSettersRaiseNothing) {
  window->Find<CControlUI>(L"heading")->SetText(L"general_heading");
  window->Find<CCheckBoxUI>(L"check_startup")->SetCheck(true);
  window->Find<CCheckBoxUI>(L"check_startup")->SetCheck(false);
  window->Find<CTabLayoutUI>(L"pages")->SelectItem(2);
  window->Find<CProgressUI>(L"progress")->SetValue(90);
  window->Find<CControlUI>(L"apply")->SetVisible(false);
  window->Find<CControlUI>(L"apply")->SetEnabled(false);
  window->Find<CControlUI>(L"note")->SetBkColor(0xFF00FF00);
  PumpMessages();
  EXPECT_TRUE(window->Log().empty());
}

TEST_F(DemoWindowTest, NestedNotificationsCompleteInOrder) {
  window->onNotify = [this](TNotifyUI& msg) {
    if (msg.sType.Compare(L"click") != 0 || msg.pSender->GetName().Compare(L"apply") != 0) return;
    window->AddMark(L"apply begins");
    Option(L"mode_c")->Selected(true);  // a handler selecting with notification
    window->AddMark(L"apply ends");
  };
  window->Click(L"apply");
  EXPECT_EQ(Lines(*window, {L"click", L"selectchanged", L"mark"}),
            (Types{L"click:apply", L"mark:apply begins", L"selectchanged:mode_c", L"mark:apply ends"}));
}

TEST_F(DemoWindowTest, HoverAndFocusNotifications) {
  window->MoveTo(window->CentreOf(L"check_startup"));  // wherever the cursor was before
  window->ClearLog();
  window->MoveTo(window->CentreOf(L"apply"));
  window->MoveTo(window->CentreOf(L"check_sound"));
  EXPECT_EQ(Lines(*window, {L"msenter", L"msleave"}),
            (Types{L"msleave:check_startup", L"msenter:apply", L"msleave:apply", L"msenter:check_sound"}));
  window->ClearLog();
  window->Click(L"apply");
  window->Click(L"check_sound");
  EXPECT_EQ(Lines(*window, {L"setfocus", L"killfocus"}),
            (Types{L"setfocus:apply", L"killfocus:apply", L"setfocus:check_sound"}));
}

TEST_F(DemoWindowTest, DisabledAndReleasedElsewhereDoNotClick) {
  window->Click(L"reset");  // disabled
  POINT down = window->CentreOf(L"apply");
  POINT up = window->CentreOf(L"check_sound");
  window->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
  window->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
  PumpMessages();
  EXPECT_TRUE(window->LogOf(L"click").empty());
  EXPECT_TRUE(Option(L"check_sound")->IsSelected());
}

TEST_F(DemoWindowTest, TabsSwitchPagesThroughTheProgram) {
  window->Click(L"tab_lights");
  EXPECT_EQ(window->Find<CTabLayoutUI>(L"pages")->GetCurSel(), 1);
  EXPECT_TRUE(window->Find<CControlUI>(L"led_0")->IsVisible());
  EXPECT_FALSE(Option(L"tab_general")->IsSelected());
  EXPECT_EQ(window->LogOf(L"selectchanged"), (Types{L"tab_lights"}));
  // Controls of the hidden page are not under the mouse any more.
  EXPECT_NE(window->Manager().FindControl(window->CentreOf(L"led_0")), nullptr);
  window->Click(L"tab_general");
  EXPECT_FALSE(window->Find<CControlUI>(L"led_0")->IsVisible());
}
