#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "ui/ui.h"

// Points the library at the demo skin beside the test program, in English.
void UseDemoSkin();

// When UI_SCREENSHOT_DIR names a folder, saves what the screen shows there as a PNG: a window's
// client area, or any part of the screen (pop-ups included).
void SaveScreenshot(HWND window, const std::wstring& name);
void SaveScreenArea(const RECT& area, const std::wstring& name);

// Runs the calling thread's messages until the queue stays empty (or the time is up).
void PumpMessages(DWORD atMostMs = 200);

// A white 32-bit top-down DIB in a memory DC: a DC that is none of the library's own surfaces.
class DibCanvas {
 public:
  DibCanvas(int width, int height);
  ~DibCanvas();
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;
  HDC dc() const { return dc_; }
  // What was drawn, row by row.
  std::vector<uint32_t> Pixels();

 private:
  int width_, height_;
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  uint32_t* bits_ = nullptr;
};

// The demo layout (or another layout of the demo skin) as a real window. It switches pages and
// languages as a program would, and logs every notification it receives.
class DemoWindow : public WindowImplBase {
 public:
  explicit DemoWindow(const wchar_t* skinFile = L"XML_DEMO") : skinFile_(skinFile) {}

  struct Record {
    std::wstring type;
    std::wstring sender;
    DWORD thread;
    bool senderSelected;  // an option's state when the notification arrived
  };

  // Creates the window visible at 800 x 572 and paints it once.
  void Open();
  std::vector<Record> Log() const;
  void ClearLog();
  std::vector<std::wstring> LogOf(const std::wstring& type) const;
  void AddMark(const std::wstring& text);

  CPaintManagerUI& Manager() { return m_pm; }
  template <class T>
  T* Find(const wchar_t* name) {
    return static_cast<T*>(m_pm.FindControl(name));
  }
  // The centre of a control, in client coordinates.
  POINT CentreOf(const wchar_t* name);
  // A real press and release at a control, through the window's message queue.
  void ClickAt(POINT pt);
  void Click(const wchar_t* name) { ClickAt(CentreOf(name)); }
  void MoveTo(POINT pt);

  std::function<void(TNotifyUI&)> onNotify;  // runs inside Notify, before the page logic
  std::function<void(UINT, WPARAM, LPARAM)> onMessage;  // every message the base leaves unhandled
  int initWindowCalls = 0;
  bool* deletedFlag = nullptr;  // set when the object deletes itself
  bool deleteOnFinal = false;

 protected:
  LPCTSTR GetWindowClassName() const override { return L"UiDemoWindow"; }
  CDuiString GetSkinFile() override { return skinFile_; }
  void InitWindow() override { ++initWindowCalls; }
  CControlUI* CreateControl(LPCTSTR tag) override;
  void Notify(TNotifyUI& msg) override;
  LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
  void OnFinalMessage(HWND window) override;

 private:
  const wchar_t* skinFile_;
  mutable std::mutex logMutex_;
  std::vector<Record> log_;
};

// A modal question built from the layout "XML_QUESTION": "confirm_btn" closes with 1,
// "cancel_btn" and "closebtn" with 0. The object deletes itself when its window is gone.
class QuestionWindow : public WindowImplBase {
 public:
  // Shows the question modally over the owner; `whileShown` runs inside the modal loop, once the
  // window is up, to act on it as a user would. Returns the modal result.
  static UINT Ask(HWND owner, const std::function<void(QuestionWindow&)>& whileShown);
  POINT CentreOf(const wchar_t* name);
  // A real press and release at a control, posted to the window.
  void Click(const wchar_t* name);

 protected:
  LPCTSTR GetWindowClassName() const override { return L"UiQuestionWindow"; }
  CDuiString GetSkinFile() override { return L"XML_QUESTION"; }
  void OnClick(TNotifyUI& msg) override;
  LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, BOOL& handled) override;
  void OnFinalMessage(HWND window) override;

 private:
  static constexpr UINT kRunScript = WM_APP + 100;
  std::function<void(QuestionWindow&)> whileShown_;
};
