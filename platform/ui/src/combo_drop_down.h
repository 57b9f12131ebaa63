#pragma once
#include <vector>

#include "scroll_bar.h"
#include "ui/combo.h"
#include "ui/window.h"

// The pop-up list of a combo. It never takes the activation: it holds the mouse capture, so a
// press outside it or the loss of the capture closes it, and a release over a row picks that row.
// The keys reach the combo's window, which hands them on (OnKey). Rows that do not fit scroll
// with the wheel and a scroll bar at the right edge.
// Created and destroyed on the window thread; the object deletes itself when its window is gone.
class ComboDropDown : public CWindowWnd {
 public:
  // Below the combo (above when the screen ends first), with the selected row highlighted and in
  // view; the combo learns of it before it shows. Null when the window cannot be made.
  static ComboDropDown* Open(CComboUI* combo, HWND owner, const RECT& comboOnScreen, int height);
  // The combo goes away (any thread, under the model lock): forget it and close.
  void Detach();
  // A key pressed while open (window thread).
  void OnKey(WPARAM key);

 protected:
  LPCTSTR GetWindowClassName() const override { return L"UiComboDropDown"; }
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND) override { delete this; }

 private:
  // Where a row lies in the scrolled content (0 at the top of the first row).
  struct RowSpan {
    long top;
    long height;  // 0 for a hidden row
  };

  explicit ComboDropDown(CComboUI* combo) : combo_(combo) {}
  // Under the model lock.
  std::vector<RowSpan> MeasureRows() const;
  RECT ViewRect() const;  // inside the border (the scroll bar, when needed, takes its right edge)
  long ScrollRange(const std::vector<RowSpan>& rows) const;
  VerticalScrollBar ScrollBar(long range) const;
  int RowAt(POINT pt) const;
  // The next row from `from` that can be picked, `step` rows on (clamped at both ends).
  int PickableRow(const std::vector<RowSpan>& rows, int from, int step) const;
  void Highlight(int row);
  void ScrollTo(long pos);
  void Paint();
  // Mouse on the scroll bar; true when the press was there.
  bool PressOnScrollBar(POINT pt);
  void Pick(int row);
  void Dismiss();

  CComboUI* combo_;  // under the model lock; null once detached
  int hot_ = -1;     // the highlighted row
  long scroll_ = 0;
  bool draggingThumb_ = false;
  long dragOffset_ = 0;
  bool pressOnBar_ = false;  // the release of a press on the bar picks nothing
  bool closing_ = false;
};
