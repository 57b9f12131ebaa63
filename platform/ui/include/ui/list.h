#pragma once
#include <vector>

#include "ui/label.h"
#include "ui/layouts.h"

// How the rows of a list or combo look; the owner's layout attributes "itemfont",
// "itemtextcolor", "itemselectedtextcolor", "itembkcolor", "itemhotbkcolor",
// "itemselectedbkcolor", "itemtextpadding" and "itemalign".
struct ListItemLook {
  int font = -1;
  UINT textStyle = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  RECT textPadding{6, 0, 6, 0};
  DWORD textColor = 0xFF1B2B3B;
  DWORD selectedTextColor = 0xFF0B1B2B;
  DWORD disabledTextColor = 0xFF909AA4;
  DWORD bkColor = 0;
  DWORD hotBkColor = 0xFFE6EDF5;
  DWORD selectedBkColor = 0xFFC3D9F0;

  // False when the attribute is not one of the above.
  bool SetAttribute(const std::wstring& name, const std::wstring& value);
};

// Rows take this height unless they have a fixed one.
constexpr int kDefaultRowHeight = 24;

// What a row asks of the list or combo that holds it.
class IListOwnerUI {
 public:
  virtual ListItemLook GetItemLook() const = 0;
  virtual int GetCurSel() const = 0;
  // Raises "itemselect" only when the index changes; -1 clears the selection silently.
  virtual bool SelectItem(int index, bool takeFocus = false) = 0;
  // The left and right edge of a header column; false when the owner has no such column.
  virtual bool GetColumnSpan(int column, long& left, long& right) const = 0;
  // A row's text changed (the owner may show it elsewhere too).
  virtual void RowChanged(CControlUI* row) = 0;

 protected:
  ~IListOwnerUI() = default;
};

// A row's part in the selection, which its owner keeps.
class IListItemUI {
 public:
  virtual void SetSelectedMark(bool selected) = 0;
  virtual bool IsSelected() const = 0;

 protected:
  ~IListItemUI() = default;
};

// Selection rules shared by lists and combos: one selected row or none. Removing or inserting
// rows before the selected one keeps the same row selected under its new index. What removing
// the selected row does is the owner's rule (see CListUI and CComboUI).
class ListSelection {
 public:
  enum class OnRemoval {
    kClear,          // no row is selected afterwards
    kSelectNeighbour // the row that takes its place (or the new last) is selected provisionally
  };
  explicit ListSelection(OnRemoval onRemoval) : onRemoval_(onRemoval) {}

  int Current() const { return current_; }
  // The row marks follow; false when the index is out of range or already selected.
  bool Move(const std::vector<CControlUI*>& rows, int index);
  void Inserted(int index);
  // After row `index` left `rows`.
  void Removed(const std::vector<CControlUI*>& rows, int index);
  void Clear() { current_ = -1; provisional_ = false; }
  // Selects a row of `owner` (a list or combo whose rows are `rows`) under the model lock; then,
  // outside it and only when the index changed (or the selection was provisional), takes the
  // focus and raises "itemselect" (unless `notify` is off or the selection was cleared). False for
  // an index out of range.
  bool SelectRow(CControlUI* owner, const std::vector<CControlUI*>& rows, int index, bool takeFocus, bool notify);
  // Marks a row as shown but not chosen, silently: the next selection counts even for this row.
  // False for an index out of range.
  bool ShowRow(CControlUI* owner, const std::vector<CControlUI*>& rows, int index);

 private:
  OnRemoval onRemoval_;
  int current_ = -1;
  bool provisional_ = false;  // selected by a removal or shown by code, not chosen: the next selection counts
};

class CListHeaderItemUI : public CLabelUI {
 public:
  CListHeaderItemUI();
  LPCTSTR GetClass() const override;
};

// The column titles above a list's rows; the columns of text rows follow its items.
class CListHeaderUI : public CHorizontalLayoutUI {
 public:
  CListHeaderUI();
  LPCTSTR GetClass() const override;
};

// Rows under an optional header, one of them selectable, with a vertical scroll bar when they
// do not fit. A click on a row selects it ("itemselect" from the list) and then raises
// "itemclick" from the row, so the selection has moved when "itemclick" arrives. The container
// operations (GetCount, GetItemAt, Add, AddAt, Remove...) work on the rows. Removing the selected
// row leaves no row selected (silently), so editors of "the selected row" act on nothing.
class CListUI : public CVerticalLayoutUI, public IListOwnerUI {
 public:
  CListUI();
  ~CListUI() override;
  LPCTSTR GetClass() const override;

  CListHeaderUI* GetHeader() const;
  int GetCurSel() const override;
  bool SelectItem(int index, bool takeFocus = false) override;
  ListItemLook GetItemLook() const override;
  bool GetColumnSpan(int column, long& left, long& right) const override;
  void RowChanged(CControlUI*) override {}
  // Scrolls as little as needed for the row to be seen whole (at the next layout, so a row just
  // inserted counts).
  void EnsureVisible(int index);

  // A header or header item goes to the header; anything else is a row.
  bool AddAt(CControlUI* control, int index) override;
  bool RemoveAt(int index) override;
  void RemoveAll() override;

  void SetPos(RECT rc) override;
  void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  CControlUI* FindInTree(const std::function<bool(CControlUI*)>& accept) override;
  CControlUI* FindAtPoint(POINT pt) override;
  void DoPaint(HDC dc, const RECT& paint) override;

 protected:
  // The rows' part: below the header.
  RECT InnerRect() const override;

 private:
  long HeaderHeight() const;
  long RowExtent(CControlUI* row, const RECT& inner) const;

  CListHeaderUI* header_;
  ListSelection selection_{ListSelection::OnRemoval::kClear};
  ListItemLook look_;
};

// The list of the macro pages.
class CListExUI : public CListUI {
 public:
  LPCTSTR GetClass() const override;
  // Rows added from code need no preparation here: they are measured at the next layout, which
  // this asks for.
  void InitListCtrl();
};

// A row showing one text.
class CListLabelElementUI : public CControlUI, public IListItemUI {
 public:
  LPCTSTR GetClass() const override;
  void SetText(LPCTSTR text) override;  // the owner learns of it (a combo shows it when closed)
  void SetSelectedMark(bool selected) override;
  bool IsSelected() const override;
  // Selects the row in its owner (with "itemselect" when it moves).
  bool Select(bool takeFocus = false);

  SIZE EstimateSize(SIZE available) override;
  void DoEvent(TEventUI& event) override;
  void DoPaint(HDC dc, const RECT& paint) override;

 protected:
  IListOwnerUI* Owner() const;
  // The row's texts, each in its rectangle.
  virtual void PaintTexts(HDC dc, const ListItemLook& look);
  DWORD TextColor(const ListItemLook& look) const;

  bool selected_ = false;
  bool hot_ = false;
};

// A row with a text per header column; column 0 is the control's own text.
class CListTextElementUI : public CListLabelElementUI {
 public:
  LPCTSTR GetClass() const override;
  using CControlUI::GetText;
  using CListLabelElementUI::SetText;
  CDuiString GetText(int column) const;
  void SetText(int column, LPCTSTR text);

 protected:
  void PaintTexts(HDC dc, const ListItemLook& look) override;

 private:
  std::vector<CDuiString> moreColumns_;  // column 1 onwards
};

// A row made of controls side by side (cells). Clicks land on the row, not on its cells, unless
// "mousechild" is set.
class CListContainerElementUI : public CHorizontalLayoutUI, public IListItemUI {
 public:
  CListContainerElementUI();
  LPCTSTR GetClass() const override;
  void SetSelectedMark(bool selected) override;
  bool IsSelected() const override;

  SIZE EstimateSize(SIZE available) override;
  void DoEvent(TEventUI& event) override;
  void PaintBkColor(HDC dc) override;

 private:
  bool selected_ = false;
  bool hot_ = false;
};
