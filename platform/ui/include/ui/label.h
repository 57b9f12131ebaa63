#pragma once
#include "ui/control.h"

// A control that shows its text in one line.
class CLabelUI : public CControlUI {
 public:
  LPCTSTR GetClass() const override;

  DWORD GetTextColor() const;
  void SetTextColor(DWORD argb);
  DWORD GetDisabledTextColor() const;
  void SetDisabledTextColor(DWORD argb);
  int GetFont() const;
  void SetFont(int font);
  UINT GetTextStyle() const;
  void SetTextStyle(UINT style);  // DT_ flags
  RECT GetTextPadding() const;
  void SetTextPadding(RECT padding);

  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  void PaintText(HDC dc) override;

 protected:
  // The text as drawn.
  virtual std::wstring DisplayText() const;
  // The colour the text is drawn in, by state.
  virtual DWORD CurrentTextColor() const;

  DWORD textColor_ = 0xFF000000;
  DWORD disabledTextColor_ = 0xFF808080;
  int font_ = -1;
  UINT textStyle_ = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  RECT textPadding_{};
};

// Multi-line text; link markup "{a}...{/a}" is shown as plain text.
class CTextUI : public CLabelUI {
 public:
  CTextUI();
  LPCTSTR GetClass() const override;

 protected:
  std::wstring DisplayText() const override;
};

// Removes the link markup of a text.
std::wstring StripLinkMarkup(const std::wstring& text);
