#pragma once
#include "ui/container.h"

// Children stacked top to bottom: fixed heights first, the rest shared by the others.
class CVerticalLayoutUI : public CContainerUI {
 public:
  LPCTSTR GetClass() const override;
  void SetPos(RECT rc) override;
};

// Children side by side, left to right, sized like the vertical layout's.
class CHorizontalLayoutUI : public CContainerUI {
 public:
  LPCTSTR GetClass() const override;
  void SetPos(RECT rc) override;
};

// Pages of which one is shown. SelectItem raises nothing.
class CTabLayoutUI : public CContainerUI {
 public:
  LPCTSTR GetClass() const override;
  int GetCurSel() const;
  bool SelectItem(int index);
  bool SelectItem(CControlUI* page);
  bool Remove(CControlUI* control) override;
  bool RemoveAt(int index) override;
  void RemoveAll() override;
  void SetAttribute(LPCTSTR name, LPCTSTR value) override;

 protected:
  bool ShowsChild(int index) const override;

 private:
  int selected_ = 0;
};
