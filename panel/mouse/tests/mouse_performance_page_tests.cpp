// The mouse's performance page in the main window with a simulated mouse: DPI stages, report rate,
// the DPI colour dialog, pointer speed and wheel lines, and the page refresh.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "mouse_page_test_fixture.h"
#include "mouse_state.h"
#include "palette_dialog.h"
#include "pointer_settings_applier.h"

namespace {

std::atomic<UINT> appliedSpeed{0};
void RecordSpeed(UINT speed) { appliedSpeed = speed; }

UINT WindowsWheelLines() {
  UINT lines = 0;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return lines;
}

class MousePerformancePage : public MousePagesTest {
 protected:
  void SetUp() override {
    MousePagesTest::SetUp();
    appliedSpeed = 0;
    InstallPointerSpeedSetter(RecordSpeed);
  }
  void TearDown() override {
    InstallPointerSpeedSetter(nullptr);
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, 3, nullptr, 0);
    MousePagesTest::TearDown();
  }
};

TEST_F(MousePerformancePage, AStageSliderWritesBlockZeroAndTheReportRateTheEditedProfile) {
  auto mouse = OpenWithMouse();
  MouseLiveSettings[0] = 1;  // the page edits on-board profile 1
  mouse->ClearWireLog();
  SetSlider(L"ms_DPI2_slider", 30);
  EXPECT_EQ(L"3100", Text(L"ms_DPI2_label_value")) << "100 + 30 steps of 100";
  EXPECT_EQ(30, MouseLiveSettings[16]);
  EXPECT_EQ(30, LightFile().at(kLightFileBlock + 16));
  EXPECT_EQ(30, DeviceFile().at(kDeviceFileBlock + 16));

  const std::vector<unsigned char> device = DeviceFile();
  Get<CComboUI>(L"ms_report_fct_combo")->SelectItem(2);
  EXPECT_EQ(2, LightFile().at(kLightFileBlock + 14));
  EXPECT_EQ(device, DeviceFile()) << "the report rate saves the light profile only";
  const auto writes = SettingsRequests(*mouse);
  ASSERT_EQ(2u, writes.size());
  EXPECT_EQ((std::array<int, 3>{0x06, 1, 16}), writes[0]);
  EXPECT_EQ((std::array<int, 3>{0x06, 1, 78}), writes[1]);
  EXPECT_EQ(2, mouse->Memory().settings[78]);
  EXPECT_EQ(1, window->m_mouseDirty.load());

  // Without a selected item there is nothing to send.
  mouse->ClearWireLog();
  Get<CComboUI>(L"ms_report_fct_combo")->SelectItem1(-1, false, false);
  window->OnMouseReportRate();
  EXPECT_TRUE(SettingsRequests(*mouse).empty());
  EXPECT_EQ(2, MouseLiveSettings[14]);
}

TEST_F(MousePerformancePage, PointerSpeedAndWheelLinesReachWindowsWithinTheirBounds) {
  auto mouse = OpenWithMouse();
  const struct {
    int position;
    UINT speed;
  } speeds[] = {{9, 20}, {0, 2}};
  for (const auto& s : speeds) {
    appliedSpeed = 0;
    SetSlider(L"ms_point_speed_slider", s.position);
    EXPECT_TRUE(PumpUntil([&] { return appliedSpeed == s.speed; }, 3000)) << s.position;
  }
  EXPECT_EQ(2, DeviceFile().at(kDeviceFileBlock + 33)) << "the speed travels in the device profile";

  const struct {
    const wchar_t* typed;
    const wchar_t* shown;
    UINT lines;
  } typed[] = {{L"250", L"100", 100}, {L"0", L"1", 1}, {L"x", L"1", 1}, {L"7", L"7", 7}};
  for (const auto& t : typed) {
    TypeInto(L"ms_gunlun_speed_edit", t.typed);
    EXPECT_EQ(t.shown, Text(L"ms_gunlun_speed_edit"));
    EXPECT_TRUE(PumpUntil([&] { return WindowsWheelLines() == t.lines; }, 3000)) << t.lines;
  }

  // Leaving the edit keeps the bounds too (0 lines would stop the wheel) and saves the device profile.
  Get(L"ms_gunlun_speed_edit")->SetText(L"0");
  window->HandleKillFocus(Get(L"ms_gunlun_speed_edit"));
  EXPECT_EQ(L"1", Text(L"ms_gunlun_speed_edit"));
  EXPECT_EQ(1, MouseWheelLines.load());
  EXPECT_EQ(1, DeviceFile().at(kDeviceFileBlock + 34));

  const struct {
    const wchar_t* from;
    const wchar_t* button;
    const wchar_t* to;
  } steps[] = {{L"1", L"ms_gunlun_speed_down_btn", L"1"}, {L"100", L"ms_gunlun_speed_up_btn", L"100"},
               {L"5", L"ms_gunlun_speed_up_btn", L"6"}};
  for (const auto& s : steps) {
    Get(L"ms_gunlun_speed_edit")->SetText(s.from);
    NotifyClick(Get(s.button));
    EXPECT_EQ(s.to, Text(L"ms_gunlun_speed_edit")) << s.from;
  }
  EXPECT_TRUE(PumpUntil([] { return WindowsWheelLines() == 6; }, 3000));
  EXPECT_EQ(6, DeviceFile().at(kDeviceFileBlock + 34));
}

TEST_F(MousePerformancePage, TheResetGivesWindowsItsDefaultsAndKeepsTheStoredValues) {
  auto mouse = OpenWithMouse();
  MousePointerSpeed = 16;
  MouseWheelLines = 9;
  const std::vector<unsigned char> device = DeviceFile();
  mouse->ClearWireLog();
  NotifyClick(Get(L"ms_one_profile_default"));
  EXPECT_EQ(5, Get<CSliderUI>(L"ms_point_speed_slider")->GetValue());
  EXPECT_EQ(10u, appliedSpeed.load());
  EXPECT_EQ(L"3", Text(L"ms_gunlun_speed_edit"));
  EXPECT_EQ(3u, WindowsWheelLines());
  const auto requests = SettingsRequests(*mouse);
  ASSERT_EQ(1u, requests.size());
  EXPECT_EQ(0x0D, requests[0][0]);
  EXPECT_EQ(16, MousePointerSpeed.load());
  EXPECT_EQ(9, MouseWheelLines.load());
  EXPECT_EQ(device, DeviceFile());
}

// A top-level window whose thread stops pumping: a broadcast sent to it waits until it answers.
class HungWindow {
 public:
  HungWindow() {
    thread_ = std::thread([this] {
      HWND window = CreateWindowExW(0, L"STATIC", L"hung", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
      SetEvent(created_);
      WaitForSingleObject(release_, INFINITE);
      DestroyWindow(window);
    });
    WaitForSingleObject(created_, INFINITE);
  }
  ~HungWindow() {
    Release();
    thread_.join();
    CloseHandle(created_);
    CloseHandle(release_);
  }
  void ReleaseAfter(DWORD milliseconds) {
    WaitForSingleObject(release_, milliseconds);
    Release();
  }
  void Release() { SetEvent(release_); }

 private:
  HANDLE created_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread thread_;
};

TEST_F(MousePerformancePage, TheResetDoesNotWaitForAHungWindow) {
  OpenWithMouse();
  HungWindow hung;
  // Should the reset wait for it after all, the window answers after three seconds and the test fails.
  std::thread watchdog([&hung] { hung.ReleaseAfter(3000); });
  const DWORD start = GetTickCount();
  NotifyClick(Get(L"ms_one_profile_default"));
  const DWORD took = GetTickCount() - start;
  hung.Release();
  watchdog.join();
  EXPECT_LT(took, 1000u);
  EXPECT_EQ(3u, WindowsWheelLines());
}

// The picker opened by a stage's colour button, answered inside its modal loop.
void AnswerPicker(int swatch, const wchar_t* closingButton) {
  ActInsideModalLoop([swatch, closingButton] {
    HWND picker = FindWindowW(L"UIPalletDialog", nullptr);
    ASSERT_NE(nullptr, picker);
    // The skin draws the caption; the window's own style keeps the system menu, and with it the close command.
    EXPECT_TRUE(GetWindowLongW(picker, GWL_STYLE) & WS_SYSMENU) << "the picker can be closed like a window";
    auto* dialog = dynamic_cast<CPalletDialog*>(reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(picker, GWLP_USERDATA)));
    ASSERT_NE(nullptr, dialog);
    NotifyClick(dialog->FindControl((L"ms_dpi_color_png_" + std::to_wstring(swatch)).c_str()));
    NotifyClick(dialog->FindControl(closingButton));
  });
}

TEST_F(MousePerformancePage, TheColourDialogStoresAStageColourOnOkOnly) {
  auto mouse = OpenWithMouse();
  const std::vector<unsigned char> light = LightFile();
  const std::vector<unsigned char> device = DeviceFile();
  const DWORD before = Get(L"ms_DPIcolor_btn_2")->GetBkColor();
  mouse->ClearWireLog();
  AnswerPicker(4, L"closebtn");
  NotifyClick(Get(L"ms_DPIcolor_btn_2"));
  EXPECT_EQ(before, Get(L"ms_DPIcolor_btn_2")->GetBkColor());
  EXPECT_EQ(device, DeviceFile());

  AnswerPicker(4, L"okbtn");
  NotifyClick(Get(L"ms_DPIcolor_btn_2"));
  EXPECT_EQ(0xFF008AFFu, Get(L"ms_DPIcolor_btn_2")->GetBkColor());
  const uint8_t stored[] = {MouseLiveSettings[23], MouseLiveSettings[24], MouseLiveSettings[25]};
  EXPECT_EQ(0x00, stored[0]);
  EXPECT_EQ(0x8A, stored[1]);
  EXPECT_EQ(0xFF, stored[2]);
  EXPECT_EQ(0x8A, DeviceFile().at(kDeviceFileBlock + 24));
  EXPECT_EQ(light, LightFile()) << "the device profile only";
  EXPECT_TRUE(SettingsRequests(*mouse).empty()) << "nothing is sent";
  // Stages 5 and 6 only show the hover border.
  NotifyClick(Get(L"ms_DPIcolor_btn_5"));
  EXPECT_EQ(nullptr, FindWindowW(L"UIPalletDialog", nullptr));
}

TEST_F(MousePerformancePage, ARefreshOnTheDetectionThreadOnlyShows) {
  auto mouse = OpenWithMouse(0x3310);
  EXPECT_EQ(L"50", Text(L"ms_DPI1_min"));
  EXPECT_EQ(L"10000", Text(L"ms_DPI1_max"));
  EXPECT_EQ(L"5000", Text(L"ms_DPI6_max"));
  EXPECT_EQ(50, MouseDeviceInfo.DpiMinimum());

  MouseLiveSettings[1] = 5;
  MouseLiveSettings[14] = 3;
  MouseLiveSettings[16] = 49;
  MouseLiveSettings[19] = 3;
  window->m_mouseChannel.m_lightingSync = 1;
  window->m_mouseDirty = 0;
  const std::vector<unsigned char> light = LightFile();
  const std::vector<unsigned char> device = DeviceFile();
  mouse->ClearWireLog();
  std::thread detection([this] {
    std::lock_guard<std::recursive_mutex> held(window->m_mouseChannel.m_lock);
    window->RefreshMousePage();
  });
  detection.join();
  EXPECT_TRUE(SettingsRequests(*mouse).empty());
  EXPECT_EQ(light, LightFile());
  EXPECT_EQ(device, DeviceFile());
  EXPECT_EQ(1, window->m_mouseChannel.m_lightingSync.load());
  EXPECT_EQ(0, window->m_mouseDirty.load());
  EXPECT_EQ(5, Get<CComboUI>(L"ms_deng_combo_modeSelect2")->GetCurSel());
  EXPECT_EQ(3, Get<CComboUI>(L"ms_report_fct_combo")->GetCurSel());
  EXPECT_EQ(L"5050", Text(L"ms_DPI2_label_value"));
  EXPECT_EQ(0xFFFF0000u, Get<CLabelUI>(L"ms_DPI4_label_rank")->GetTextColor());
  EXPECT_EQ(0xFFFFFFFFu, Get<CLabelUI>(L"ms_DPI5_label_value")->GetTextColor());

  MouseLiveSettings[19] = 9;  // not a stage the page shows: stage 1 red, 5 and 6 as they were
  Get<CLabelUI>(L"ms_DPI5_label_rank")->SetTextColor(0xFF00FF00);
  window->RefreshMousePage();
  EXPECT_EQ(0xFFFF0000u, Get<CLabelUI>(L"ms_DPI1_label_rank")->GetTextColor());
  EXPECT_EQ(0xFFFFFFFFu, Get<CLabelUI>(L"ms_DPI4_label_rank")->GetTextColor());
  EXPECT_EQ(0xFF00FF00u, Get<CLabelUI>(L"ms_DPI5_label_rank")->GetTextColor());
}

TEST_F(MousePerformancePage, AnUnknownSensorKeepsTheLabelsAndItsMinimum) {
  OpenWithMouse(0x1234);
  EXPECT_EQ(L"100", Text(L"ms_DPI1_min"));
  EXPECT_EQ(L"12000", Text(L"ms_DPI2_max"));
  EXPECT_EQ(400, MouseDeviceInfo.DpiMinimum());
}

}  // namespace
