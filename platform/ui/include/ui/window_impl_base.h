#pragma once
#include "ui/dialog_builder.h"
#include "ui/notify.h"
#include "ui/paint_manager.h"
#include "ui/resource_manager.h"
#include "ui/window.h"

// A frameless window built from a layout file.
//
// Creation builds GetSkinFile() into the window's paint manager (with the window as builder
// callback), then calls InitWindow. Messages go to the window's own handlers first, then to
// HandleCustomMessage for what they leave unhandled, then to the paint manager, then to the
// default window procedure. Notifications go through Notify to the message maps.
class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback,
                       public IQueryControlText {
  UI_DECLARE_MESSAGE_MAP()

 public:
  void Notify(TNotifyUI& msg) override;
  CControlUI* CreateControl(LPCTSTR tag) override;
  LPCTSTR QueryControlText(LPCTSTR id, LPCTSTR type) override;
  LRESULT MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

 protected:
  virtual CDuiString GetSkinFile() = 0;
  virtual void InitWindow();
  virtual void OnClick(TNotifyUI& msg);

  UINT GetClassStyle() const override;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND window) override;
  virtual LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);

  virtual LRESULT OnCreate(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  virtual LRESULT OnClose(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  virtual LRESULT OnDestroy(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  virtual LRESULT OnNcActivate(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  virtual LRESULT OnNcCalcSize(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  virtual LRESULT OnNcPaint(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  // The layout's caption rectangle drags the window, except over buttons, options and texts.
  virtual LRESULT OnNcHitTest(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  // Maximised, the window fills its monitor's work area.
  virtual LRESULT OnGetMinMaxInfo(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  // Keeps the round corner of the layout.
  virtual LRESULT OnSize(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);
  virtual LRESULT OnSysCommand(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled);

  CPaintManagerUI m_pm;
};
