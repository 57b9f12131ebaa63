#pragma once
#include "ui/label.h"

// A clickable label with an image per state: normal, hot (under the mouse), pushed, disabled.
class CButtonUI : public CLabelUI {
 public:
  CButtonUI();
  LPCTSTR GetClass() const override;

  CDuiString GetNormalImage() const;
  void SetNormalImage(LPCTSTR image);
  CDuiString GetHotImage() const;
  void SetHotImage(LPCTSTR image);
  CDuiString GetPushedImage() const;
  void SetPushedImage(LPCTSTR image);
  CDuiString GetDisabledImage() const;
  void SetDisabledImage(LPCTSTR image);

  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  void DoEvent(TEventUI& event) override;
  bool AcceptsFocus() const override;
  void PaintStatusImage(HDC dc) override;

 protected:
  bool IsHot() const { return hot_; }
  bool IsPushed() const { return pushed_; }

 private:
  CDuiString normalImage_;
  CDuiString hotImage_;
  CDuiString pushedImage_;
  CDuiString disabledImage_;
  bool hot_ = false;
  bool pushed_ = false;
  bool captured_ = false;
};

// A button with a selected state. Options of one group exclude each other: selecting one
// unselects the others silently. A click raises "click" first; then an option without a group
// toggles, and a grouped option selects itself only when it was not selected as the click began
// (so a "click" handler that unselects it leaves it unselected).
class COptionUI : public CButtonUI {
 public:
  LPCTSTR GetClass() const override;

  CDuiString GetGroup() const;
  void SetGroup(LPCTSTR group);
  bool IsSelected() const;
  // Raises "selectchanged" (when notify is set) only when the state changes.
  virtual void Selected(bool selected, bool notify = true);

  CDuiString GetSelectedImage() const;
  void SetSelectedImage(LPCTSTR image);
  DWORD GetSelectedTextColor() const;
  void SetSelectedTextColor(DWORD argb);

  void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
  void SetAttribute(LPCTSTR name, LPCTSTR value) override;
  bool Activate() override;
  void PaintStatusImage(HDC dc) override;

 protected:
  DWORD CurrentTextColor() const override;

 private:
  void ClearGroupSiblings();

  CDuiString group_;
  bool selected_ = false;
  CDuiString selectedImage_;
  DWORD selectedTextColor_ = 0;
};

// An option that toggles; SetCheck changes it silently.
class CCheckBoxUI : public COptionUI {
 public:
  LPCTSTR GetClass() const override;
  void SetCheck(bool check);
  bool GetCheck() const;
};
