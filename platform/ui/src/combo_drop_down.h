#pragma once
#include "ui/combo.h"
#include "ui/window.h"

// The pop-up list of a combo. It never takes the activation: it holds the mouse capture, so a
// press outside it or the loss of the capture closes it, and a release over a row picks that row.
// Created and destroyed on the window thread; the object deletes itself when its window is gone.
class ComboDropDown : public CWindowWnd {
 public:
  // Below the combo (above when the screen ends first); the combo learns of it before it shows.
  // Null when the window cannot be made.
  static ComboDropDown* Open(CComboUI* combo, HWND owner, const RECT& comboOnScreen, int height);
  // The combo goes away (any thread, under the model lock): forget it and close.
  void Detach();

 protected:
  LPCTSTR GetWindowClassName() const override { return L"UiComboDropDown"; }
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND) override { delete this; }

 private:
  explicit ComboDropDown(CComboUI* combo) : combo_(combo) {}
  // Lays the combo's rows out in client coordinates, shifted by the scroll position.
  long LayoutRows(long width);
  int RowAt(POINT pt) const;
  void Paint();
  void Pick(int row);
  void Dismiss();

  CComboUI* combo_;  // under the model lock; null once detached
  int hot_ = -1;
  long scroll_ = 0;
  long contentHeight_ = 0;
  bool closing_ = false;
};
