#pragma once
#include "ui/container.h"
#include "ui/list.h"

class ComboDropDown;

// A box showing the selected row's text; a click opens a drop-down of its rows (list elements),
// and a pick there selects the row. The rows are the combo's children but are shown only in the
// drop-down, which scrolls (wheel, scroll bar) when they do not fit and opens with the selected
// row in view. While it is open the keys go to it: Up, Down, Page Up, Page Down, Home and End
// move its highlighted row, Enter picks that row, Escape closes it without a pick. A row whose
// text changes is shown at once, in the box as in the drop-down.
//
// SelectItem raises "itemselect" only when the index changes; SelectItem1 can select silently.
// Selecting -1 clears the selection without a notification. ShowItem puts a row in the box for the
// user to see, silently, without choosing it: a pick of that same row still raises "itemselect". Rows removed or inserted before the
// selected one keep it selected.
//
// Removing the selected row: the row that takes its place (or, when it was the last, the new last
// row) becomes the selection, silently, and the box shows it; with no rows left nothing is
// selected. That selection is provisional: the next SelectItem or SelectItem1 counts as a change
// even for the same index, so "select row n" after a removal always raises "itemselect" (when
// asked to notify). A page may thus read "the row selected after the removal" (GetCurSel,
// GetText) and, selecting any row afterwards, always hears of it.
class CComboUI : public CContainerUI, public IListOwnerUI {
 public:
  CComboUI();
  ~CComboUI() override;
  LPCTSTR GetClass() const override;

  int GetCurSel() const override;
  bool SelectItem(int index, bool takeFocus = false) override;
  bool SelectItem1(int index, bool takeFocus, bool triggerEvent);
  bool ShowItem(int index);
  ListItemLook GetItemLook() const override;
  bool GetColumnSpan(int column, long& left, long& right) const override;
  void RowChanged(CControlUI* row) override;
  // The selected row's text, or empty.
  CDuiString GetText() const override;

  bool AddAt(CControlUI* control, int index) override;
  bool RemoveAt(int index) override;
  void RemoveAll() override;

  // The drop-down's height limit ("dropboxsize" "0,height"; its width is the combo's).
  int GetDropBoxHeight() const;
  void SetDropBoxHeight(int height);
  // The open drop-down's window, or null.
  HWND GetDropDownWindow() const;

  void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  void SetPos(RECT rc) override;
  CControlUI* FindAtPoint(POINT pt) override;
  void DoEvent(TEventUI& event) override;
  bool AcceptsFocus() const override;
  void DoPaint(HDC dc, const RECT& paint) override;

 private:
  friend class ComboDropDown;
  void OpenDropDown();
  void DropDownClosed();

  ListSelection selection_{ListSelection::OnRemoval::kSelectNeighbour};
  ListItemLook look_;
  int dropBoxHeight_ = 200;
  RECT textPadding_{6, 0, 22, 0};
  DWORD textColor_ = 0xFF1B2B3B;
  CDuiString normalImage_;
  CDuiString hotImage_;
  bool hot_ = false;
  bool pressed_ = false;
  ComboDropDown* dropDown_ = nullptr;  // while open; the drop-down deletes itself
};
