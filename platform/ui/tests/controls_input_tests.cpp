// Edits, sliders, combos, lists and the colour palette under real mouse and keyboard input.
#include <string>
#include <vector>

#include "demo_window_fixture.h"

namespace {

// The controls page, shown and laid out.
class ControlsPageTest : public DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    window->Click(L"tab_controls");
    UpdateWindow(window->GetHWND());
    window->ClearLog();
  }

  // A key typed on the keyboard: down and up, through the window's queue, where the message
  // loop's TranslateMessage makes the characters.
  void TypeKey(WORD key) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    window->PostMessage(WM_KEYDOWN, key, scan | 1);
    window->PostMessage(WM_KEYUP, key, scan | 0xC0000001);
    PumpMessages();
  }

  void Drag(POINT from, const std::vector<POINT>& through) {
    window->MoveTo(from);
    window->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    POINT last = from;
    for (POINT pt : through) {
      window->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
      last = pt;
    }
    window->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(last.x, last.y));
    PumpMessages();
  }

  // "type:sender" of the notifications in order, without those of hover and focus.
  std::vector<std::wstring> Types() const {
    std::vector<std::wstring> types;
    for (const auto& record : window->Log()) {
      const std::wstring& type = record.type;
      if (type != L"msenter" && type != L"msleave" && type != L"setfocus" && type != L"killfocus")
        types.push_back(type + L":" + record.sender);
    }
    return types;
  }

  // Fills the list with rows the way the macro pages do: a row of three cells per action.
  void FillMacroRows(int count) {
    auto* list = window->Find<CListExUI>(L"list_macros");
    list->InitListCtrl();
    for (int i = 0; i < count; ++i) {
      auto* row = new CListContainerElementUI;
      row->SetName((L"action_" + std::to_wstring(i)).c_str());
      row->SetChildVAlign(DT_VCENTER);
      row->SetFixedHeight(30);
      row->SetUserData((L"0,0,10," + std::to_wstring(4 + i) + L",1,key").c_str());
      list->Add(row);
      const wchar_t* texts[] = {L"Key A", L"down", L"10"};
      const int widths[] = {150, 90, 0};
      for (int cell = 0; cell < 3; ++cell) {
        auto* label = new CLabelUI;
        label->SetText(texts[cell]);
        label->SetFixedWidth(widths[cell]);
        label->SetFixedHeight(20);
        label->SetTextPadding(RECT{6, 0, 6, 0});
        row->Add(label);
      }
    }
    UpdateWindow(window->GetHWND());
  }
};

TEST_F(ControlsPageTest, TypingRaisesOneTextChangedPerChange) {
  auto* edit = window->Find<CEditUI>(L"edit_name");
  edit->SetText(L"");
  window->Click(L"edit_name");
  ASSERT_EQ(window->Manager().GetFocus(), edit);
  window->ClearLog();
  TypeKey('A');
  TypeKey('B');
  TypeKey(VK_BACK);
  TypeKey(VK_LEFT);  // moves the caret, changes no text
  TypeKey('C');
  TypeKey(VK_DELETE);
  EXPECT_EQ(edit->GetText().str(), L"c");
  EXPECT_EQ(window->LogOf(L"textchanged").size(), 5u) << "a, b, backspace, c and delete each changed the text";
  window->ClearLog();
  TypeKey(VK_RETURN);
  TypeKey(VK_ESCAPE);
  edit->SetText(L"set by code");
  EXPECT_TRUE(window->LogOf(L"textchanged").empty());
  EXPECT_TRUE(IsWindowVisible(window->GetHWND())) << "Enter and Escape close nothing";
}

TEST_F(ControlsPageTest, SliderDragNotifiesWhileMovingAndOnceOnRelease) {
  auto* slider = window->Find<CSliderUI>(L"slider_speed");
  slider->SetValue(0);
  RECT rc = slider->GetPos();
  long y = (rc.top + rc.bottom) / 2, width = rc.right - rc.left;
  Drag(POINT{rc.left + 2, y}, {POINT{rc.left + width / 4, y}, POINT{rc.left + width / 2, y}, POINT{rc.right + 40, y}});
  std::vector<std::wstring> types = Types();
  ASSERT_GE(types.size(), 3u);
  EXPECT_EQ(types.back(), L"valuechanged:slider_speed");
  EXPECT_EQ(window->LogOf(L"valuechanged").size(), 1u);
  EXPECT_GE(window->LogOf(L"movevaluechanged").size(), 2u);
  EXPECT_EQ(slider->GetValue(), 100) << "dragged past the end";
  window->ClearLog();
  slider->SetValue(40);
  EXPECT_TRUE(Types().empty());
}

TEST_F(ControlsPageTest, ComboPickByMouseSelectsOnceAndCloses) {
  auto* combo = window->Find<CComboUI>(L"combo_mode");
  combo->SelectItem1(0, false, false);
  window->Click(L"combo_mode");
  HWND dropDown = combo->GetDropDownWindow();
  ASSERT_NE(dropDown, nullptr) << "a click opens the drop-down";
  EXPECT_EQ(GetForegroundWindow() == dropDown, false) << "the drop-down takes no activation";
  // The third row of the drop-down, where the user clicks it.
  RECT third = combo->GetItemAt(2)->GetPos();
  POINT pt{(third.left + third.right) / 2, (third.top + third.bottom) / 2};
  PostMessageW(dropDown, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
  PostMessageW(dropDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
  PostMessageW(dropDown, WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
  PumpMessages();
  EXPECT_EQ(combo->GetCurSel(), 2);
  EXPECT_EQ(window->LogOf(L"itemselect"), std::vector<std::wstring>{L"combo_mode"});
  EXPECT_FALSE(IsWindow(dropDown));
  EXPECT_EQ(combo->GetDropDownWindow(), nullptr);
  EXPECT_EQ(combo->GetText().str(), L"Static");

  // A press outside the open drop-down closes it without a selection.
  window->ClearLog();
  window->Click(L"combo_mode");
  dropDown = combo->GetDropDownWindow();
  ASSERT_NE(dropDown, nullptr);
  PostMessageW(dropDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-50, -50));
  PumpMessages();
  EXPECT_FALSE(IsWindow(dropDown));
  EXPECT_TRUE(window->LogOf(L"itemselect").empty());
}

TEST_F(ControlsPageTest, ComboSelectionNotifiesOnlyOnChange) {
  auto* combo = window->Find<CComboUI>(L"combo_mode");
  combo->SelectItem1(1, false, false);
  EXPECT_TRUE(window->LogOf(L"itemselect").empty()) << "the silent variant";
  struct Step {
    const wchar_t* what;
    int index;
    int expectedSel;
    size_t notifications;
  } steps[] = {
      {L"same index", 1, 1, 0}, {L"new index", 3, 3, 1}, {L"out of range", 9, 3, 1},
      {L"clear", -1, -1, 1},    {L"after clearing", 0, 0, 2},
  };
  for (const Step& step : steps) {
    combo->SelectItem(step.index, false);
    EXPECT_EQ(combo->GetCurSel(), step.expectedSel) << step.what;
    EXPECT_EQ(window->LogOf(L"itemselect").size(), step.notifications) << step.what;
  }
}

TEST_F(ControlsPageTest, RemovingRowsKeepsTheComboSelection) {
  struct Case {
    const wchar_t* what;
    int selected;
    int removed;
    int expectedSel;
    const wchar_t* expectedText;
  } cases[] = {
      {L"a row after the selected one", 1, 3, 1, L"Breathing"},
      {L"a row before the selected one", 3, 0, 2, L"Spectrum"},
      {L"the selected row: the one taking its place", 2, 2, 2, L"Spectrum"},
  };
  for (const Case& c : cases) {
    auto* combo = new CComboUI;
    for (const wchar_t* text : {L"Wave", L"Breathing", L"Static", L"Spectrum", L"Off"}) {
      auto* item = new CListLabelElementUI;
      item->SetText(text);
      item->SetUserData(text);
      combo->Add(item);
    }
    combo->SelectItem1(c.selected, false, false);
    EXPECT_TRUE(combo->RemoveAt(c.removed)) << c.what;
    EXPECT_EQ(combo->GetCurSel(), c.expectedSel) << c.what;
    EXPECT_EQ(combo->GetText().str(), c.expectedText) << c.what;
    EXPECT_EQ(combo->GetCount(), 4) << c.what;
    delete combo;
  }
}

TEST_F(ControlsPageTest, ListClickSelectsThenReportsTheClickOnTheRow) {
  FillMacroRows(3);
  auto* list = window->Find<CListExUI>(L"list_macros");
  std::vector<int> selectionAtClick;
  window->onNotify = [&](TNotifyUI& msg) {
    if (msg.sType == CDuiString(L"itemclick")) selectionAtClick.push_back(list->GetCurSel());
  };
  window->Click(L"action_1");
  EXPECT_EQ(Types(), (std::vector<std::wstring>{L"itemselect:list_macros", L"itemclick:action_1"}));
  EXPECT_EQ(selectionAtClick, std::vector<int>{2}) << "the label row comes first";
  EXPECT_TRUE(static_cast<CListContainerElementUI*>(list->GetItemAt(2))->IsSelected());

  window->ClearLog();
  window->Click(L"action_1");
  EXPECT_EQ(Types(), std::vector<std::wstring>{L"itemclick:action_1"}) << "no itemselect without a change";

  // Locked the way the macro pages lock their lists: clicks reach no row.
  window->ClearLog();
  list->SetMouseChildEnabled(false);
  window->Click(L"action_0");
  EXPECT_TRUE(Types().empty());
  EXPECT_EQ(list->GetCurSel(), 2);
  list->SetMouseChildEnabled(true);

  // The cells of a row sit centred in it.
  RECT row = list->GetItemAt(1)->GetPos();
  RECT cell = static_cast<CContainerUI*>(list->GetItemAt(1))->GetItemAt(0)->GetPos();
  EXPECT_EQ(row.bottom - row.top, 30);
  EXPECT_EQ(cell.top - row.top, 5);
  EXPECT_EQ(cell.right - cell.left, 150);
}

TEST_F(ControlsPageTest, ListScrollsLineByLineByPageAndToTheEnd) {
  FillMacroRows(20);
  auto* list = window->Find<CListExUI>(L"list_macros");
  auto layout = [this] { RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
  ASSERT_GT(list->GetScrollRange(), 0);
  EXPECT_EQ(list->GetScrollPos(), 0);
  list->LineDown();
  layout();
  EXPECT_EQ(list->GetScrollPos(), 30);
  list->PageDown();
  layout();
  EXPECT_GT(list->GetScrollPos(), 60);
  list->EndDown();
  layout();
  EXPECT_EQ(list->GetScrollPos(), list->GetScrollRange());
  RECT view = list->GetPos();
  RECT last = list->GetItemAt(list->GetCount() - 1)->GetPos();
  EXPECT_EQ(last.bottom, view.bottom) << "the last row ends at the list's bottom";

  // Rows added after EndDown are reached too: the end is found at the next layout.
  FillMacroRows(2);
  list->EndDown();
  list->LineDown();
  layout();
  EXPECT_EQ(list->GetScrollPos(), list->GetScrollRange());

  // The wheel over a row scrolls the list up.
  POINT centre = window->CentreOf(L"list_macros");
  ClientToScreen(window->GetHWND(), &centre);
  int before = list->GetScrollPos();
  window->PostMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(centre.x, centre.y));
  PumpMessages();
  layout();
  EXPECT_EQ(list->GetScrollPos(), before - 30);
}

TEST_F(ControlsPageTest, PalettePickNotifiesAndSetSelectColorDoesNot) {
  auto* palette = window->Find<CColorPaletteUI>(L"palette");
  palette->SetSelectColor(0xFF0199CB);
  EXPECT_EQ(palette->GetSelectColor(), 0xFF0199CBu) << "kept exactly";
  EXPECT_TRUE(window->LogOf(L"colorchanged").empty());

  // Brightness to full, then a pick at the field's top left: pure red.
  RECT rc = palette->GetPos();
  window->ClickAt(POINT{rc.right - 1, rc.bottom - 4});
  EXPECT_EQ(window->LogOf(L"colorchanged").size(), 1u);
  window->ClearLog();
  Drag(POINT{rc.left + 40, rc.top + 40}, {POINT{rc.left + 20, rc.top + 10}, POINT{rc.left, rc.top}});
  EXPECT_EQ(window->LogOf(L"colorchanged"), std::vector<std::wstring>{L"palette"}) << "one per pick";
  EXPECT_EQ(palette->GetSelectColor(), 0xFFFF0000u);
}

TEST_F(ControlsPageTest, DrawsEveryControlOfThePage) {
  FillMacroRows(4);
  auto* list = window->Find<CListExUI>(L"list_macros");
  auto* textRow = new CListTextElementUI;
  textRow->SetText(0, L"Text row");
  textRow->SetText(2, L"third column");
  list->AddAt(textRow, 1);
  EXPECT_EQ(textRow->GetText(2).str(), L"third column");
  EXPECT_EQ(textRow->GetText().str(), L"Text row") << "column 0 is the control's text";
  EXPECT_EQ(textRow->GetText(1).str(), L"");
  list->SelectItem(3);
  window->Find<CColorPaletteUI>(L"palette")->SetSelectColor(0xFF2E86DE);
  window->Find<CSliderUI>(L"slider_speed")->SetValue(65);
  window->Find<CComboUI>(L"combo_mode")->SelectItem(1);
  window->Click(L"edit_name");  // shows the caret
  window->Click(L"combo_mode");
  HWND dropDown = window->Find<CComboUI>(L"combo_mode")->GetDropDownWindow();
  ASSERT_NE(dropDown, nullptr);
  RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  UpdateWindow(dropDown);

  RECT combo = window->Find<CControlUI>(L"combo_mode")->GetPos();
  MapWindowPoints(window->GetHWND(), nullptr, reinterpret_cast<POINT*>(&combo), 2);
  RECT popup;
  GetWindowRect(dropDown, &popup);
  EXPECT_EQ(popup.top, combo.bottom);
  EXPECT_EQ(popup.right - popup.left, combo.right - combo.left);
  // The palette's field shows full saturation at its top: red at the left end.
  RECT palette = window->Find<CControlUI>(L"palette")->GetPos();
  HDC dc = GetDC(window->GetHWND());
  COLORREF corner = GetPixel(dc, palette.left + 1, palette.top + 1);
  ReleaseDC(window->GetHWND(), dc);
  EXPECT_GT(GetRValue(corner), 200);
  EXPECT_LT(GetGValue(corner), 40);

  RECT screen;
  GetWindowRect(window->GetHWND(), &screen);
  SaveScreenArea(screen, L"ui_demo_controls.png");
  PostMessageW(dropDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-50, -50));
  PumpMessages();

  CMenuWnd menu;
  POINT at = window->CentreOf(L"palette");
  ClientToScreen(window->GetHWND(), &at);
  menu.Init(nullptr, L"menu.xml", at, &window->Manager());
  RedrawWindow(menu.GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  window->ClearLog();
  SaveScreenArea(screen, L"ui_demo_menu.png");
}

}  // namespace
