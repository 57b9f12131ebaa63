#pragma once
#include "ui/label.h"

// A bar that fills from the left by value between minimum and maximum; SetValue raises nothing.
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

  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  void PaintStatusImage(HDC dc) override;

 protected:
  virtual void PaintForeColor(HDC dc);
  virtual void PaintForeImage(HDC dc);
  // The filled part of the control.
  RECT FilledRect() const;

  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
  DWORD foreColor_ = 0;
  CDuiString foreImage_;
};
