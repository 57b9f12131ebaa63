// Combos and lists with many rows: the drop-down's scrolling and keys, renaming and removing
// rows, and bringing a list row into view.
#include <string>
#include <vector>

#include "device_window_fixture.h"

namespace {

class ComboRowsTest : public DeviceWindowTest {
 protected:
  void SetUp() override {
    DeviceWindowTest::SetUp();
    combo = window->Find<CComboUI>(L"key_combo");
  }

  // A key pressed on the keyboard, through the window's queue.
  void PressKey(WORD key) {
    window->PostMessage(WM_KEYDOWN, key, 1);
    window->PostMessage(WM_KEYUP, key, 0xC0000001);
    PumpMessages();
  }

  HWND OpenDropDown() {
    window->Click(L"key_combo");
    HWND dropDown = combo->GetDropDownWindow();
    if (dropDown) UpdateWindow(dropDown);
    return dropDown;
  }

  // Whether a row lies wholly inside the open drop-down's list part.
  bool RowInView(HWND dropDown, int index) {
    UpdateWindow(dropDown);
    RECT client, row = combo->GetItemAt(index)->GetPos();
    GetClientRect(dropDown, &client);
    return row.top >= 1 && row.bottom <= client.bottom - 1 && row.bottom > row.top;
  }

  CComboUI* combo = nullptr;
};

TEST_F(ComboRowsTest, DropDownOpensOnTheSelectedRowAndFollowsTheKeys) {
  combo->SelectItem1(80, false, false);
  HWND dropDown = OpenDropDown();
  ASSERT_NE(dropDown, nullptr);
  EXPECT_TRUE(RowInView(dropDown, 80)) << "the selected row is scrolled into view";
  EXPECT_FALSE(RowInView(dropDown, 0));
  RECT client, row = combo->GetItemAt(80)->GetPos();
  GetClientRect(dropDown, &client);
  EXPECT_LE(row.right, client.right - 1 - 8) << "the scroll bar takes the right edge";
  RECT area = combo->GetPos();
  MapWindowPoints(window->GetHWND(), nullptr, reinterpret_cast<POINT*>(&area), 2);
  RECT popup;
  GetWindowRect(dropDown, &popup);
  UnionRect(&area, &area, &popup);
  SaveScreenArea(area, L"ui_combo_many_rows.png");

  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  PressKey(VK_DOWN);
  EXPECT_TRUE(RowInView(dropDown, 83));
  EXPECT_EQ(combo->GetCurSel(), 80) << "moving the highlight selects nothing yet";
  EXPECT_TRUE(window->LogOf(L"itemselect").empty());
  PressKey(VK_RETURN);
  EXPECT_FALSE(IsWindow(dropDown)) << "Enter picks and closes";
  EXPECT_EQ(combo->GetCurSel(), 83);
  EXPECT_EQ(window->LogOf(L"itemselect"), std::vector<std::wstring>{L"key_combo"});

  // Each key from row 83; the pick shows where the highlight went. The list part is 198 pixels
  // high, so a page is seven rows of 25.
  struct Case {
    std::vector<WORD> keys;
    int expected;
  } cases[] = {{{VK_HOME}, 0},  {{VK_END}, 104}, {{VK_NEXT}, 90},           {{VK_PRIOR}, 76},
               {{VK_UP}, 82},   {{VK_END, VK_DOWN}, 104}, {{VK_HOME, VK_UP}, 0}};
  for (const Case& c : cases) {
    combo->SelectItem1(83, false, false);
    dropDown = OpenDropDown();
    ASSERT_NE(dropDown, nullptr);
    for (WORD key : c.keys) PressKey(key);
    EXPECT_TRUE(RowInView(dropDown, c.expected)) << c.expected;
    PressKey(VK_RETURN);
    EXPECT_EQ(combo->GetCurSel(), c.expected);
  }

  // Escape closes without a pick.
  window->ClearLog();
  dropDown = OpenDropDown();
  PressKey(VK_DOWN);
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(IsWindow(dropDown));
  EXPECT_TRUE(window->LogOf(L"itemselect").empty());
}

TEST_F(ComboRowsTest, RenamingTheSelectedRowRepaintsTheClosedCombo) {
  combo->SelectItem1(5, false, false);
  UpdateWindow(window->GetHWND());
  combo->GetItemAt(5)->SetText(L"Renamed");
  RECT dirty, box = combo->GetPos(), overlap;
  ASSERT_TRUE(GetUpdateRect(window->GetHWND(), &dirty, FALSE));
  EXPECT_TRUE(IntersectRect(&overlap, &dirty, &box));
  EXPECT_EQ(combo->GetText().str(), L"Renamed");
}

// One rule for removing a combo's selected row, which every profile and preset list relies on:
// the row that takes its place (or the new last) is selected silently, and the next selection of
// any row, that one included, is reported.
TEST_F(ComboRowsTest, RemovingTheSelectedRowSelectsItsNeighbourProvisionally) {
  struct Case {
    const wchar_t* what;
    int rows;
    int selected;
    int removed;
    int expectedSel;
    const wchar_t* expectedText;
    bool nextSelectNotifies;  // SelectItem(expectedSel) afterwards
  } cases[] = {
      {L"a row after the selected one", 5, 1, 3, 1, L"Key name 1", false},
      {L"a row before the selected one", 5, 3, 0, 2, L"Key name 3", false},
      {L"the selected row", 5, 2, 2, 2, L"Key name 3", true},
      {L"the selected last row", 5, 4, 4, 3, L"Key name 3", true},
      {L"the only row", 1, 0, 0, -1, L"", false},
  };
  for (const Case& c : cases) {
    combo->RemoveAll();
    for (int i = 0; i < c.rows; ++i) {
      auto* row = new CListLabelElementUI;
      row->SetText((L"Key name " + std::to_wstring(i)).c_str());
      combo->Add(row);
    }
    combo->SelectItem1(c.selected, false, false);
    window->ClearLog();
    EXPECT_TRUE(combo->RemoveAt(c.removed)) << c.what;
    EXPECT_EQ(combo->GetCurSel(), c.expectedSel) << c.what;
    EXPECT_EQ(combo->GetText().str(), c.expectedText) << c.what;
    EXPECT_TRUE(window->LogOf(L"itemselect").empty()) << c.what << ": the removal is silent";
    if (c.expectedSel < 0) continue;
    combo->SelectItem(c.expectedSel);
    combo->SelectItem(c.expectedSel);
    EXPECT_EQ(window->LogOf(L"itemselect").size(), c.nextSelectNotifies ? 1u : 0u) << c.what;
  }
}

// A row that code shows is not the user's choice: picking that very row in the drop-down is heard.
TEST_F(ComboRowsTest, AShownRowIsSilentAndPickingItIsStillReported) {
  combo->SelectItem1(2, false, false);
  window->ClearLog();
  EXPECT_TRUE(combo->ShowItem(7));
  EXPECT_FALSE(combo->ShowItem(combo->GetCount()));
  EXPECT_EQ(combo->GetCurSel(), 7);
  EXPECT_EQ(combo->GetText().str(), combo->GetItemAt(7)->GetText().str());
  EXPECT_TRUE(window->LogOf(L"itemselect").empty());

  HWND dropDown = OpenDropDown();
  ASSERT_NE(dropDown, nullptr);
  PressKey(VK_RETURN);
  EXPECT_EQ(combo->GetCurSel(), 7);
  EXPECT_EQ(window->LogOf(L"itemselect"), std::vector<std::wstring>{L"key_combo"});

  // Once picked, the row is the user's choice again: picking it once more is no change.
  window->ClearLog();
  dropDown = OpenDropDown();
  PressKey(VK_RETURN);
  EXPECT_TRUE(window->LogOf(L"itemselect").empty());
}

TEST_F(ComboRowsTest, ListsClearTheirSelectionWhenTheSelectedRowGoes) {
  auto* list = window->Find<CListExUI>(L"macro_list");
  for (int i = 0; i < 3; ++i) list->Add(new CListLabelElementUI);
  list->SelectItem(1);
  list->RemoveAt(1);
  EXPECT_EQ(list->GetCurSel(), -1) << "row editors then act on nothing";
}

TEST_F(ComboRowsTest, ListBringsARowIntoView) {
  auto* list = window->Find<CListExUI>(L"macro_list");
  for (int i = 0; i < 30; ++i) {
    auto* row = new CListLabelElementUI;
    row->SetText((L"Action " + std::to_wstring(i)).c_str());
    row->SetFixedHeight(30);
    list->Add(row);
  }
  auto inView = [&](int index) {
    RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT view = list->GetPos(), row = list->GetItemAt(index)->GetPos();
    return row.top >= view.top && row.bottom <= view.bottom;
  };
  ASSERT_FALSE(inView(25));
  for (int index : {25, 29, 3, 0, 14}) {
    list->EnsureVisible(index);
    EXPECT_TRUE(inView(index)) << index;
  }
  // A row inserted far down is brought into view before any layout has seen it.
  auto* inserted = new CListLabelElementUI;
  inserted->SetFixedHeight(30);
  list->AddAt(inserted, 27);
  list->EnsureVisible(27);
  EXPECT_TRUE(inView(27));
}

}  // namespace
