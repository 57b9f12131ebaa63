// Not a test of behaviour: a picture of the mouse page with its profile panel open and a device
// profile linked to a program, to look at. Runs the real main window with a simulated mouse.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "data_folders.h"
#include "file_dialogs.h"
#include "hid_backend.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"
#include "window_capture.h"

namespace {

class MouseProfileScreen : public PanelWindowTest {
 protected:
  void SetUp() override {
    bus.SetReadsWaitInRealTime(true);
    InstallHidBackend(&bus);
    RemoveTree(DeviceProfileFolder(nullptr, L"ms"));
    PanelWindowTest::SetUp();
  }
  void TearDown() override {
    AnswerFileDialogsWith(nullptr);
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }
  SimulatedHidBackend bus;
};

TEST_F(MouseProfileScreen, ProfilePanelWithALinkedDeviceProfile) {
  bus.Attach(MakeSimulatedMouse());
  OpenWindow();
  ASSERT_TRUE(PumpUntil([this] { return Find(L"ms_tab")->IsVisible(); }, 10000));
  ShowWindow(window->GetHWND(), SW_SHOWNORMAL);
  SetForegroundWindow(window->GetHWND());
  NotifyClick(Find(L"ms_profile_fun_spread_btn"));
  AnswerFileDialogsWith([](const FileDialogRequest&) { return std::wstring(L"C:\\Games\\Racer.exe"); });
  dynamic_cast<COptionUI*>(Find(L"ms_device_profile_link_check"))->Selected(true, true);
  NotifyClick(Find(L"ms_pro_deng_edit_btn"));
  InvalidateRect(window->GetHWND(), nullptr, TRUE);
  PumpFor(500);
  EXPECT_TRUE(CaptureWindowPng(window->GetHWND(), "mouse_profile_panel.png"));
  std::printf("written: mouse_profile_panel.png\n");
}

}  // namespace
