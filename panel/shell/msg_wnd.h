#pragma once
#include <windows.h>

#include <functional>

#include "ui/ui.h"

// The panel's skinned modal message box (layout "XML_MSG"). It deletes itself when its window is
// gone.
class CMsgWnd : public WindowImplBase {
  UI_DECLARE_MESSAGE_MAP()

 public:
  // The title when it has at least one character; the text likewise, as a language text id when
  // `isTextId` is set.
  void SetTitle(LPCTSTR title);
  void SetText(LPCTSTR text, bool isTextId);
  void StartTimer(UINT id, UINT periodMs);
  CControlUI* FindControl(LPCTSTR name) { return m_pm.FindControl(name); }

 protected:
  LPCTSTR GetWindowClassName() const override { return L"MsgWnd"; }
  CDuiString GetSkinFile() override { return L"XML_MSG"; }
  void OnFinalMessage(HWND window) override;
  void InitWindow() override;
  void OnClick(TNotifyUI& msg) override;
  LRESULT OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
  LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
  LRESULT OnTimer(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);

 private:
  CControlUI* m_closeButton = nullptr;
  int m_autoCloseTicks = 0;
};

// Shows the box modally over `parent`: 1 when "confirm_btn" was clicked, 0 for any other way of
// closing it.
UINT ShowMessageBox(HWND parent, LPCTSTR title, LPCTSTR text, bool isTextId);
// The same without a result; with `autoClose` the box closes itself with 0 after 500 ms.
void ShowMessageBoxAutoClose(bool autoClose, HWND parent, LPCTSTR title, LPCTSTR text, bool isTextId);

// Tests only: called with every box once it has its texts, just before it runs, so that a test can
// act on it as a user would (its messages are handled by the box's own modal loop). An empty
// function ends this.
void WatchMessageBoxesWith(std::function<void(CMsgWnd& box)> watcher);
