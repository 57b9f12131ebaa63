#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "debug_log_capture.h"
#include "main_wnd.h"
#include "msg_wnd.h"

// Runs the calling thread's messages until `done` holds or the time is up; true when it held.
bool PumpUntil(const std::function<bool()>& done, DWORD atMostMs);
void PumpFor(DWORD milliseconds);

// The skin beside the test program, the panel's message and controls: once per process.
void SetUpPanelUi();

// The stand-in audio library loaded, reset and without the headset; every window test starts so.
void UnplugStandinHeadset();

// A test's view of the main window's paint manager.
class TestMainWnd : public CMainWnd {
 public:
  CPaintManagerUI& Manager() { return m_pm; }
};

// "<Documents>\KARVO\main.ini" of the test prefix, and the registry language, both cleared.
std::wstring ClearPanelSettings();

// The panel's main window as wWinMain creates it, through its start-up notification.
class PanelWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Creates the window and pumps until the start-up sequence has hidden it.
  void OpenWindow();
  // Ends the window through its exit sequence and starts a new one, keeping "main.ini".
  void RestartWindow();
  CControlUI* Find(const wchar_t* name) { return window->Manager().FindControl(name); }

  TestMainWnd* window = nullptr;
  std::wstring iniPath;
};

// Clicks a control of a message box as a user would, once the box has been painted.
void ClickWhenShown(CMsgWnd& box, const wchar_t* controlName);

// A "click" notification of a control, as its window's paint manager raises it.
void NotifyClick(CControlUI* control);

// Runs `act` once from inside the next modal loop of this thread, once it has run for a moment.
void ActInsideModalLoop(std::function<void()> act);
