#pragma once
#include "ui/label.h"

// A one-line text box drawn by the library (no native window, so any thread may change it).
// Typing raises "textchanged" once per change; SetText raises nothing. The caret shows while the
// box has the focus; Left, Right, Home, End, Backspace and Delete edit as usual.
class CEditUI : public CLabelUI {
 public:
  CEditUI();
  LPCTSTR GetClass() const override;

  void SetText(LPCTSTR text) override;  // the caret goes to the end
  int GetCaret() const;

  void DoEvent(TEventUI& event) override;
  bool AcceptsFocus() const override;
  void PaintText(HDC dc) override;

 private:
  // The typed text becomes the control's own text (no longer a text id); true when it changed.
  bool ApplyEdit(const std::wstring& text, size_t caret);
  bool OnChar(wchar_t ch);
  bool OnKey(WPARAM key);
  size_t CaretAt(POINT pt) const;
  RECT TextRect() const;

  size_t caret_ = 0;
};
