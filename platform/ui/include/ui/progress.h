#pragma once
#include "ui/label.h"

// A bar that fills from the left (or, vertical, from the bottom) by value between minimum and
// maximum; SetValue raises nothing. Layout attribute "vertical".
class CProgressUI : public CLabelUI {
 public:
  LPCTSTR GetClass() const override;

  int GetMinValue() const;
  void SetMinValue(int value);
  int GetMaxValue() const;
  void SetMaxValue(int value);
  int GetValue() const;
  void SetValue(int value);
  DWORD GetForeColor() const;
  void SetForeColor(DWORD argb);
  CDuiString GetForeImage() const;
  void SetForeImage(LPCTSTR image);
  bool IsVertical() const;
  void SetVertical(bool vertical = true);

  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  void PaintStatusImage(HDC dc) override;

 protected:
  virtual void PaintForeColor(HDC dc);
  virtual void PaintForeImage(HDC dc);
  // The filled part of the control.
  RECT FilledRect() const;
  // The value's share of `length` (0 below the minimum, all of it above the maximum).
  long ShareOf(long length) const;

  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
  DWORD foreColor_ = 0;
  CDuiString foreImage_;
  bool vertical_ = false;
};
