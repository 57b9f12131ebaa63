// A picture of the mouse pad's page to look at, with the pad plugged in, the light profile panel
// open and the lighting thread running, checked for what a broken page would show: unlit previews,
// a blank profile panel. Runs the real main window with a simulated pad on a display.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "data_folders.h"
#include "hid_backend.h"
#include "mousepad_page_state.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"
#include "window_capture.h"

namespace {

class MousePadPageScreens : public PanelWindowTest {
 protected:
  void SetUp() override {
    InstallHidBackend(&bus);
    // A new user's pad folder: a profile another test of this prefix saved could be a dim one.
    RemoveTree(DeviceProfileFolder(nullptr, L"mp"));
    PanelWindowTest::SetUp();
    OpenWindow();
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }
  // The window as the screen shows it.
  void Capture(const char* file) {
    InvalidateRect(window->GetHWND(), nullptr, TRUE);
    PumpFor(300);
    EXPECT_TRUE(CaptureWindowPng(window->GetHWND(), file));
    std::printf("written: %s\n", file);
  }
  RgbImage Shown(const std::wstring& name) {
    CControlUI* control = Find(name.c_str());
    EXPECT_TRUE(control && control->IsVisible()) << std::string(name.begin(), name.end());
    return control ? CaptureClientRect(window->GetHWND(), control->GetPos()) : RgbImage(0, 0, 0);
  }

  SimulatedHidBackend bus;
};

TEST_F(MousePadPageScreens, ThePadPageWithItsProfilePanel) {
  bus.Attach(MakeSimulatedMousePad());
  ASSERT_TRUE(
      PumpUntil([this] { return Find(L"mp_tab")->IsVisible() && MousePadPageState().MousePadSeen == 1; }, 5000));
  ShowWindow(window->GetHWND(), SW_SHOWNORMAL);
  SetForegroundWindow(window->GetHWND());
  NotifyClick(Find(L"mp_profile_fun_spread_btn"));
  auto lit = [this](int led) {
    const auto colour = CentreColour(Shown(L"mp_dkey_" + std::to_wstring(led)));
    return *std::max_element(colour.begin(), colour.end()) > 100;
  };
  // The lighting thread starts 3 s after the window; a busy machine shows its first frame later.
  PumpUntil([&] { for (int led = 0; led < 15; ++led) if (!lit(led)) return false; return true; }, 15000);
  Capture("mousepad_page.png");
  for (int led = 0; led < 15; ++led) EXPECT_TRUE(lit(led)) << "LED " << led << " lit";
  EXPECT_GE(DistinctColours(Shown(L"mp_profile_fun_spead_tab")), 16u) << "the profile panel is drawn";
}

}  // namespace
