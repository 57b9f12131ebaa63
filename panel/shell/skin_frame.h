#pragma once
#include <windows.h>

#include "ui/ui.h"

// The skin picker: a small pop-up under the caption's skin button ("skin.xml"). Its choices reach
// the main window through the skin-change broadcast; image choices from the list and the reset are
// kept in "main.ini". It closes and deletes itself when it loses the focus.
class CSkinFrame : public CWindowWnd, public INotifyUI {
 public:
  // Makes the picker and shows it at once; the object owns itself from then on.
  CSkinFrame(HWND owner, CControlUI* skinButton);
  void Notify(TNotifyUI& msg) override;
  CControlUI* FindControl(LPCTSTR name) { return m_pm.FindControl(name); }

 protected:
  LPCTSTR GetWindowClassName() const override { return L"UISkinFrame"; }
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND window) override;

 private:
  LRESULT OnCreate();
  void AdjustPosition();
  void HandleClick(CControlUI* sender);

  CPaintManagerUI m_pm;
  HWND m_owner;
  CControlUI* m_skinButton;
};

// The background the reset gives, also what "main.ini" holds after it.
extern const wchar_t* const kDefaultSkinImage;
