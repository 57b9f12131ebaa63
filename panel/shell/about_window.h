#pragma once
#include <windows.h>

#include "ui/ui.h"

// The about window of the tray menu (layout "CopyRight.xml"): closes on its close button and opens
// the maker's web page from its link "NetText". Not modal; its owner keeps the object.
class Ccopyright : public WindowImplBase {
 public:
  explicit Ccopyright(LPCTSTR layout) : m_layout(layout) {}
  void Notify(TNotifyUI& msg) override;
  CControlUI* FindControl(LPCTSTR name) { return m_pm.FindControl(name); }

 protected:
  LPCTSTR GetWindowClassName() const override { return L"UICOPYRIGHT"; }
  CDuiString GetSkinFile() override { return m_layout; }

 private:
  CDuiString m_layout;
};
