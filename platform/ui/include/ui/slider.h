#pragma once
#include "ui/progress.h"

// A progress bar the user drags. While the button is held each change of the value raises
// "movevaluechanged"; the release raises one "valuechanged". SetValue raises nothing.
// A vertical slider (attribute "vertical") has its minimum at the bottom and its maximum at the top.
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
  // The value at a point, on the step grid and within the bounds.
  int ValueAt(POINT pt) const;
  // True when the value changed.
  bool MoveTo(POINT pt);

  int step_ = 1;
  SIZE thumbSize_{10, 10};
  CDuiString thumbImage_;
  CDuiString thumbHotImage_;
  CDuiString thumbPushedImage_;
  bool hot_ = false;
  bool dragging_ = false;
};
