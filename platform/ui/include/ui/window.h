#pragma once
#include <windows.h>

// A native window whose messages go to the virtual HandleMessage.
//
// The object is never finished (OnFinalMessage) while one of its own messages is still being
// dispatched further up the stack: a window destroyed from inside its own handlers gets its
// final message when the outermost dispatch returns.
class CWindowWnd {
 public:
  CWindowWnd() = default;
  virtual ~CWindowWnd() = default;
  CWindowWnd(const CWindowWnd&) = delete;
  CWindowWnd& operator=(const CWindowWnd&) = delete;

  HWND GetHWND() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  HWND Create(HWND parent, LPCTSTR name, DWORD style, DWORD exStyle, int x = CW_USEDEFAULT, int y = CW_USEDEFAULT,
              int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT, HMENU menu = nullptr);
  HWND Create(HWND parent, LPCTSTR name, DWORD style, DWORD exStyle, const RECT& rc, HMENU menu = nullptr);
  // From another thread than the window's, the change is made asynchronously, so that no worker
  // waits for the window thread.
  void ShowWindow(bool show = true, bool takeFocus = true);
  // Shows the window and runs its own message loop, with the owner disabled, until the window is
  // destroyed; returns the code given to Close (0 when it closed another way). Safe when the
  // object deletes itself in OnFinalMessage.
  UINT ShowModal();
  void Close(UINT result = IDOK);
  // Centres on the owner window, or on the work area of the window's monitor.
  void CenterWindow();
  LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  LRESULT PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

 protected:
  virtual LPCTSTR GetWindowClassName() const = 0;
  virtual UINT GetClassStyle() const;
  virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // The window is gone; the object may delete itself here.
  virtual void OnFinalMessage(HWND window);

  HWND m_hWnd = nullptr;

 private:
  bool RegisterWindowClass();
  LRESULT Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  int dispatchDepth_ = 0;
  bool finalPending_ = false;
  HWND finalWindow_ = nullptr;  // the handle the deferred final message reports
  UINT* modalResult_ = nullptr;  // the running ShowModal's result, on its stack
  HWND modalOwner_ = nullptr;
};
