// Pictures of both headsets' pages to look at, with the first headset (stand-in library) and the
// simulated K27 plugged in and their lighting threads running. Each page must be drawn and differ
// from its headset's other pages, as a tab that failed to switch or a page that failed to load would not.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "audio_control_library.h"
#include "audio_standin_steering.h"
#include "data_folders.h"
#include "hid_backend.h"
#include "panel_window_fixture.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"
#include "window_capture.h"

namespace {

class HeadsetPageScreens : public PanelWindowTest {
 protected:
  void SetUp() override {
    RemoveTree(DeviceProfileFolder(nullptr, L"head"));
    RemoveTree(DeviceProfileFolder(nullptr, L"headK27"));
    bus.Attach(MakeSimulatedHeadsetK27());
    InstallHidBackend(&bus);
    PanelWindowTest::SetUp();
    OpenWindow();
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }
  void ShowPages(const wchar_t* deviceTab, const wchar_t* const (&pageTabs)[3], const wchar_t* pageSwitch,
                 const char* prefix) {
    dynamic_cast<COptionUI*>(Find(deviceTab))->Selected(true, true);
    std::vector<RgbImage> pages;
    for (int page = 0; page < 3; ++page) {
      dynamic_cast<COptionUI*>(Find(pageTabs[page]))->Selected(true, true);
      PumpFor(600);  // a few lighting passes reach the previews shown now
      InvalidateRect(window->GetHWND(), nullptr, TRUE);
      PumpFor(300);
      const std::string file = std::string(prefix) + std::to_string(page) + ".png";
      EXPECT_TRUE(CaptureWindowPng(window->GetHWND(), file.c_str()));
      std::printf("written: %s\n", file.c_str());
      pages.push_back(CaptureClientRect(window->GetHWND(), Find(pageSwitch)->GetPos()));
      EXPECT_GE(DistinctColours(pages.back()), 16u) << file << ": the page is drawn";
    }
    for (int a = 0; a < 3; ++a)
      for (int b = a + 1; b < 3; ++b)
        EXPECT_GT(ShareOfDifferentPixels(pages[a], pages[b]), 0.05) << prefix << a << " and " << b << " differ";
  }

  SimulatedHidBackend bus;
};

TEST_F(HeadsetPageScreens, BothHeadsetsPages) {
  AudioControlStandin(GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll")).SetHeadsetPresent(true);
  ASSERT_TRUE(PumpUntil([this] { return Find(L"hs_tab")->IsVisible() && Find(L"hsK27_tab")->IsVisible(); }, 10000));
  ShowWindow(window->GetHWND(), SW_SHOWNORMAL);
  SetForegroundWindow(window->GetHWND());
  PumpFor(3500);  // the lighting threads start 3 s after the window
  const wchar_t* const first[] = {L"hs_deng_Op_tab", L"hs_voice_Op_tab", L"hs_magic_Op_tab"};
  ShowPages(L"hs_tab", first, L"hs_tab_switch", "hs_page_");
  const wchar_t* const k27[] = {L"hs_deng_Op_tab_K27", L"hs_voice_Op_tab_K27", L"hs_magic_Op_tab_K27"};
  ShowPages(L"hsK27_tab", k27, L"hsK27_tab_switch", "hsK27_page_");
}

}  // namespace
