// What the device pages need of the library, under real posted input on the device layout:
// disabled containers, styles applied at run time, options turned off by their click handler,
// tooltips, focus leaving an edit, and vertical sliders.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "device_window_fixture.h"

namespace {

// What the screen shows at a point of the window's client area.
COLORREF PixelAt(HWND window, POINT pt) {
  HDC dc = GetDC(window);
  COLORREF colour = GetPixel(dc, pt.x, pt.y);
  ReleaseDC(window, dc);
  return colour;
}

// How many pixels of the rectangle are dark: text on a light cell.
int DarkPixels(HWND window, const RECT& rc) {
  HDC dc = GetDC(window);
  int dark = 0;
  for (long y = rc.top; y < rc.bottom; ++y)
    for (long x = rc.left; x < rc.right; ++x) {
      COLORREF c = GetPixel(dc, x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 300) ++dark;
    }
  ReleaseDC(window, dc);
  return dark;
}

void Repaint(DemoWindow* window) {
  RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// Runs the window's messages until `done` holds or the time is up.
template <class Condition>
bool PumpUntil(Condition done, DWORD atMostMs = 3000) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > atMostMs) return false;
    PumpMessages(20);
    Sleep(5);
  }
  return true;
}

// Notifications whose sender's name starts with the prefix.
std::vector<std::wstring> From(const DemoWindow& window, const std::wstring& prefix) {
  std::vector<std::wstring> lines;
  for (const auto& record : window.Log())
    if (record.sender.compare(0, prefix.size(), prefix) == 0) lines.push_back(record.type + L":" + record.sender);
  return lines;
}

TEST_F(DeviceWindowTest, ClickInsideADisabledContainerReachesNothing) {
  window->Find<CControlUI>(L"magic_check")->SetEnabled(false);
  window->Click(L"magic_check_2");
  window->Click(L"cursor_delay_edit");  // its container is disabled in the layout
  EXPECT_TRUE(From(*window, L"magic_check").empty());
  EXPECT_TRUE(From(*window, L"cursor").empty());
  EXPECT_TRUE(window->LogOf(L"click").empty());
  EXPECT_TRUE(window->LogOf(L"setfocus").empty());
  EXPECT_FALSE(Option(L"magic_check_2")->IsSelected());
  EXPECT_TRUE(Option(L"magic_check_0")->IsSelected());
  EXPECT_TRUE(Option(L"magic_check_2")->IsEnabled()) << "its own flag is kept";
  EXPECT_FALSE(Option(L"magic_check_2")->IsEnabledInTree());

  // Painted disabled: the option's text in its disabled colour, not in its own.
  RECT rc = window->Find<CControlUI>(L"magic_check_1")->GetPos();
  EXPECT_EQ(DarkPixels(window->GetHWND(), rc), 0) << "the light grey disabled text only";

  // Enabled again, each option is as it was itself: one stays disabled on its own.
  Option(L"magic_check_3")->SetEnabled(false);
  window->Find<CControlUI>(L"magic_check")->SetEnabled(true);
  Repaint(window);
  EXPECT_GT(DarkPixels(window->GetHWND(), rc), 0);
  window->Click(L"magic_check_3");
  window->Click(L"magic_check_2");
  EXPECT_EQ(window->LogOf(L"selectchanged"), std::vector<std::wstring>{L"magic_check_2"});
  EXPECT_TRUE(Option(L"magic_check_2")->IsSelected());
}

TEST_F(DeviceWindowTest, StyleAppliedAtRunTimeChangesWhatIsDrawn) {
  // A macro action row as the macro pages build it: kind, state and delay cells.
  auto* list = window->Find<CListExUI>(L"macro_list");
  auto* row = new CListContainerElementUI;
  row->SetFixedHeight(30);
  row->SetChildVAlign(DT_VCENTER);
  list->Add(row);
  CLabelUI* cells[3];
  const int widths[] = {150, 90, 0};
  for (int i = 0; i < 3; ++i) {
    cells[i] = new CLabelUI;
    cells[i]->SetFixedWidth(widths[i]);
    cells[i]->SetFixedHeight(24);
    if (i == 2) cells[i]->SetAttribute(L"style", L"macro_label_text_style");  // before it is in the window
    row->Add(cells[i]);
  }
  cells[2]->SetText(L"50");
  CLabelUI* state = cells[1];
  struct Step {
    const wchar_t* style;
    COLORREF centre;  // what the cell's centre shows afterwards
  } steps[] = {{L"macro_label_down_style", RGB(0x27, 0xAE, 0x60)},
               {L"macro_label_up_style", RGB(0xE6, 0x7E, 0x22)},
               {L"macro_label_down_style", RGB(0x27, 0xAE, 0x60)}};
  for (const Step& step : steps) {
    state->SetAttribute(L"style", step.style);
    Repaint(window);
    RECT rc = state->GetPos();
    EXPECT_EQ(PixelAt(window->GetHWND(), POINT{rc.left + 3, (rc.top + rc.bottom) / 2}), step.centre) << step.style;
  }
  // A movement: the state cell shows its amount as text.
  state->SetAttribute(L"style", L"macro_label_text_style");
  state->SetText(L"127");
  Repaint(window);
  RECT rc = state->GetPos();
  EXPECT_EQ(PixelAt(window->GetHWND(), POINT{rc.left + 3, (rc.top + rc.bottom) / 2}), RGB(255, 255, 255));
  EXPECT_GT(DarkPixels(window->GetHWND(), rc), 10) << "the amount is drawn";
  EXPECT_GT(DarkPixels(window->GetHWND(), cells[2]->GetPos()), 10) << "styled before it was in the window";
  SaveScreenshot(window->GetHWND(), L"ui_device_macro_row.png");
}

TEST_F(DeviceWindowTest, GroupedOptionTurnedOffByItsClickHandlerStaysOff) {
  // The cursor-script page: clicking the selected step again unselects it and locks the editor.
  auto* editor = window->Find<CControlUI>(L"cursor_edit_layout");
  window->onNotify = [&](TNotifyUI& msg) {
    auto* option = dynamic_cast<COptionUI*>(msg.pSender);
    if (!option || msg.pSender->GetName().str().compare(0, 7, L"bullet_") != 0) return;
    if (msg.sType == CDuiString(L"click") && option->IsSelected()) {
      option->Selected(false, true);
      editor->SetEnabled(false);
    } else if (msg.sType == CDuiString(L"selectchanged") && option->IsSelected()) {
      editor->SetEnabled(true);
    }
  };
  window->Click(L"bullet_1");
  EXPECT_TRUE(Option(L"bullet_1")->IsSelected());
  EXPECT_TRUE(editor->IsEnabled());
  window->Click(L"bullet_1");
  EXPECT_FALSE(Option(L"bullet_1")->IsSelected()) << "clicked again: off, and it stays off";
  EXPECT_FALSE(editor->IsEnabled());
  window->Click(L"bullet_2");
  EXPECT_TRUE(Option(L"bullet_2")->IsSelected());
  EXPECT_EQ(window->LogOf(L"selectchanged"), (std::vector<std::wstring>{L"bullet_1", L"bullet_1", L"bullet_2"}));
}

TEST_F(DeviceWindowTest, TooltipShowsOverTheHoveredKeyAfterTheHoverTime) {
  auto tipWindow = [this]() -> HWND {
    for (HWND tip = FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr); tip;
         tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr))
      if (GetWindow(tip, GW_OWNER) == window->GetHWND()) return tip;
    return nullptr;
  };
  auto shown = [&] { return tipWindow() && IsWindowVisible(tipWindow()); };
  window->MoveTo(window->CentreOf(L"key_30"));
  EXPECT_FALSE(shown()) << "not before the hover time";
  ASSERT_TRUE(PumpUntil(shown));
  wchar_t text[64] = {};
  GetWindowTextW(tipWindow(), text, 64);
  EXPECT_STREQ(text, L"Key 30");
  RECT key = window->Find<CControlUI>(L"key_30")->GetPos();
  MapWindowPoints(window->GetHWND(), nullptr, reinterpret_cast<POINT*>(&key), 2);
  RECT tip;
  GetWindowRect(tipWindow(), &tip);
  EXPECT_GT(tip.top, key.top) << "below the mouse";
  EXPECT_LT(tip.top, key.bottom + 40);
  EXPECT_LT(std::abs(tip.left - (key.left + key.right) / 2), 40) << "at the mouse";
  RECT area{key.left - 60, key.top - 40, std::max(key.right, tip.right) + 60, tip.bottom + 20};
  SaveScreenArea(area, L"ui_tooltip_key.png");

  // Onto a control without a tooltip: it goes, and comes back for the next key.
  window->MoveTo(window->CentreOf(L"wheel_label"));
  EXPECT_FALSE(shown());
  window->MoveTo(window->CentreOf(L"key_31"));
  ASSERT_TRUE(PumpUntil(shown));
  GetWindowTextW(tipWindow(), text, 64);
  EXPECT_STREQ(text, L"Key 31");
  window->Click(L"key_31");
  EXPECT_FALSE(shown()) << "a press hides it";
}

TEST_F(DeviceWindowTest, LeavingAnEditByAnyMeansRaisesKillFocus) {
  window->Click(L"wheel_edit");
  window->Click(L"wheel_label");  // takes no focus
  EXPECT_EQ(window->LogOf(L"killfocus"), std::vector<std::wstring>{L"wheel_edit"});
  EXPECT_EQ(window->Manager().GetFocus(), nullptr);

  window->ClearLog();
  window->Click(L"wheel_edit");
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                               nullptr, nullptr);
  SetActiveWindow(other);
  PumpUntil([this] { return !window->LogOf(L"killfocus").empty(); }, 1000);
  EXPECT_EQ(window->LogOf(L"killfocus"), std::vector<std::wstring>{L"wheel_edit"}) << "the window was deactivated";
  DestroyWindow(other);
}

TEST_F(DeviceWindowTest, VerticalSliderHasItsMinimumAtTheBottom) {
  auto* band = window->Find<CSliderUI>(L"HZ_Slider_3");
  RECT rc = band->GetPos();
  const long x = (rc.left + rc.right) / 2;
  struct Case {
    long y;
    int expected;
  } cases[] = {{rc.top, 12}, {rc.bottom - 1, -12}, {(rc.top + rc.bottom) / 2, 0}};
  for (const Case& c : cases) {
    window->ClickAt(POINT{x, c.y});
    EXPECT_EQ(band->GetValue(), c.expected) << c.y;
  }
  EXPECT_EQ(window->LogOf(L"valuechanged").size(), 3u);
}

}  // namespace
