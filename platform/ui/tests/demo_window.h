#pragma once
#include <windows.h>

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "ui/ui.h"

// Points the library at the demo skin beside the test program, in English.
void UseDemoSkin();

// Runs the calling thread's messages until the queue stays empty (or the time is up).
void PumpMessages(DWORD atMostMs = 200);

// The demo layout as a real window. It switches pages and languages as a program would, and logs
// every notification it receives.
class DemoWindow : public WindowImplBase {
 public:
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
  int initWindowCalls = 0;
  bool* deletedFlag = nullptr;  // set when the object deletes itself
  bool deleteOnFinal = false;

 protected:
  LPCTSTR GetWindowClassName() const override { return L"UiDemoWindow"; }
  CDuiString GetSkinFile() override { return L"XML_DEMO"; }
  void InitWindow() override { ++initWindowCalls; }
  CControlUI* CreateControl(LPCTSTR tag) override;
  void Notify(TNotifyUI& msg) override;
  void OnFinalMessage(HWND window) override;

 private:
  mutable std::mutex logMutex_;
  std::vector<Record> log_;
};
