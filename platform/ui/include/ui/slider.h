#pragma once
#include "ui/progress.h"

// A progress bar the user drags. While the button is held each change of the value raises
// "movevaluechanged"; the release raises one "valuechanged". SetValue raises nothing.
class CSliderUI : public CProgressUI {
 public:
  CSliderUI();
  LPCTSTR GetClass() const override;

  int GetChangeStep() const;
  void SetChangeStep(int step);
  SIZE GetThumbSize() const;
  void SetThumbSize(SIZE size);
  void SetThumbImage(LPCTSTR image);
  void SetThumbHotImage(LPCTSTR image);
  void SetThumbPushedImage(LPCTSTR image);

  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  void DoEvent(TEventUI& event) override;
  bool AcceptsFocus() const override;
  void PaintStatusImage(HDC dc) override;

 private:
  RECT ThumbRect() const;
  // The value at a horizontal position, on the step grid and within the bounds.
  int ValueAt(long x) const;
  // True when the value changed.
  bool MoveTo(long x);

  int step_ = 1;
  SIZE thumbSize_{10, 10};
  CDuiString thumbImage_;
  CDuiString thumbHotImage_;
  CDuiString thumbPushedImage_;
  bool hot_ = false;
  bool dragging_ = false;
};
