// The mouse lighting page in the main window with a simulated mouse: its controls change the
// settings and the files but send no settings write; the thread streams frames; pictures.
#include <gtest/gtest.h>

#include <atomic>

#include "demo_window.h"
#include "mouse_light_effects.h"
#include "mouse_page_test_fixture.h"
#include "mouse_state.h"
#include "worker_threads.h"

namespace {

class MouseLightingPage : public MousePagesTest {
 protected:
  void Check(const wchar_t* name, bool selected) {
    auto* check = Get<COptionUI>(name);
    check->Selected(selected, true);
  }
  uint8_t LightFileByte(size_t offset) { return LightFile().at(kLightFileBlock + offset); }
  uint8_t DeviceFileByte(size_t offset) { return DeviceFile().at(kDeviceFileBlock + offset); }
};

TEST_F(MouseLightingPage, ItsControlsStoreAndSaveButSendNoSettingsWrite) {
  auto mouse = OpenWithMouse();
  mouse->ClearWireLog();
  Get<CComboUI>(L"ms_deng_combo_modeSelect2")->SelectItem(3);
  EXPECT_EQ(3, MouseLiveSettings[MOUSE_LIGHT_MODE]);
  EXPECT_EQ(3, LightFileByte(MOUSE_LIGHT_MODE));
  EXPECT_FALSE(Get(L"ms_deng_7colorselect_layout")->IsEnabled()) << "static has no multicolour";

  NotifyClick(Get(L"ms_Deng_color_btn_4"));
  EXPECT_EQ(0x8A, MouseLiveSettings[MOUSE_LIGHT_RED + 1]);
  EXPECT_EQ(L"138", Text(L"ms_Deng_edit_G"));
  TypeInto(L"ms_Deng_edit_G", L"300");
  EXPECT_EQ(L"255", Text(L"ms_Deng_edit_G"));
  EXPECT_EQ(255, DeviceFileByte(MOUSE_LIGHT_RED + 1));
  TypeInto(L"ms_Deng_edit_R", L"-7");
  EXPECT_EQ(0, MouseLiveSettings[MOUSE_LIGHT_RED]) << "a negative component is 0";

  Check(L"ms_Deng_7color_check", true);
  EXPECT_EQ(1, LightFileByte(MOUSE_LIGHT_MULTICOLOUR));
  SetSlider(L"ms_deng_light_slider", 2);
  SetSlider(L"ms_deng_speed_slider", 1);
  EXPECT_EQ(2, DeviceFileByte(MOUSE_LIGHT_LEVEL));
  EXPECT_EQ(3, DeviceFileByte(MOUSE_LIGHT_SPEED));
  EXPECT_TRUE(SettingsRequests(*mouse).empty());
  EXPECT_EQ(1, window->m_mouseDirty.load());
}

TEST_F(MouseLightingPage, DirectionButtonsAndChecksStoreOppositeValuesAndSaveBothFiles) {
  OpenWithMouse();
  const struct {
    const wchar_t* name;
    bool check;
    uint8_t direction;
  } cases[] = {{L"ms_Deng_FXL_btn", false, 0}, {L"ms_Deng_FXL_check", true, 1},
               {L"ms_Deng_FXR_btn", false, 1}, {L"ms_Deng_FXR_check", true, 0}};
  for (const auto& c : cases) {
    MouseLiveSettings[MOUSE_LIGHT_DIRECTION] = c.direction ? 0 : 1;
    if (c.check) {
      Check(c.name, !Get<COptionUI>(c.name)->IsSelected());
      window->HandleSelectChanged(Get(c.name));  // a click on the selected one acts too
    } else {
      NotifyClick(Get(c.name));
    }
    EXPECT_EQ(c.direction, MouseLiveSettings[MOUSE_LIGHT_DIRECTION]);
    EXPECT_EQ(c.direction, LightFileByte(MOUSE_LIGHT_DIRECTION));
    EXPECT_EQ(c.direction, DeviceFileByte(MOUSE_LIGHT_DIRECTION));
  }
  EXPECT_TRUE(Get<COptionUI>(L"ms_Deng_FXR_check")->IsSelected());
  EXPECT_FALSE(Get<COptionUI>(L"ms_Deng_FXL_check")->IsSelected());
  EXPECT_EQ(1, MouseLightState.planes[RING_PLANE][0]) << "the right check starts the ripple at 0";
}

TEST_F(MouseLightingPage, FramesStreamWhileConnectedAndStopWhileSuspended) {
  auto mouse = OpenWithMouse();
  MouseLiveSettings[MOUSE_LIGHT_MODE] = 3;
  ASSERT_TRUE(PumpUntil([&] { return mouse->Memory().ledFrames.whole > 2; }, 8000)) << "after the 3 s start";
  // The device watcher's start-up selection has sent its profile by now; the lighting sends none.
  const size_t settingsBefore = SettingsRequests(*mouse).size();
  window->m_ledFramesEnabled = 0;
  PumpFor(100);
  const unsigned frames = mouse->Memory().ledFrames.whole;
  MouseLiveSettings[MOUSE_LIGHT_RED] = 17;
  MouseLiveSettings[MOUSE_LIGHT_MULTICOLOUR] = 0;
  EXPECT_TRUE(PumpUntil([this] { return window->m_mouseLeds[0].red == 17 * 256 >> 8; }, 2000))
      << "the records and previews still change";
  EXPECT_EQ(frames, mouse->Memory().ledFrames.whole);
  window->m_ledFramesEnabled = 1;
  EXPECT_TRUE(PumpUntil([&] { return mouse->Memory().ledFrames.whole > frames; }, 2000));
  const auto requests = SettingsRequests(*mouse);
  for (size_t i = settingsBefore; i < requests.size(); ++i) EXPECT_NE(0x06, requests[i][0]) << "no settings write";
}

// The thread sends a frame every pass; the previews on the shown page are repainted only when their
// light changes (a static colour repainted every pass cost the window thread a repaint per frame).
TEST_F(MouseLightingPage, ItsPreviewsAreRepaintedOnlyWhenTheirLightChanges) {
  auto mouse = OpenWithMouse();
  static std::atomic<int> paints{0};
  static WNDPROC original = nullptr;
  original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
      window->GetHWND(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT message, WPARAM w, LPARAM l) {
        if (message == WM_PAINT) ++paints;
        return CallWindowProcW(original, hwnd, message, w, l);
      })));
  ShowWindow(window->GetHWND(), SW_SHOW);
  ASSERT_TRUE(Get<COptionUI>(L"ms_deng_Op_tab")->IsSelected());
  MouseLiveSettings[MOUSE_LIGHT_MODE] = 3;  // static
  MouseLiveSettings[MOUSE_LIGHT_MULTICOLOUR] = 0;
  ASSERT_TRUE(PumpUntil([&] { return mouse->Memory().ledFrames.whole > 5; }, 8000)) << "after the 3 s start";
  PumpFor(200);
  const unsigned framesBefore = mouse->Memory().ledFrames.whole;
  paints = 0;
  PumpFor(600);
  EXPECT_GE(mouse->Memory().ledFrames.whole - framesBefore, 5u) << "frames go on";
  EXPECT_LE(paints.load(), 1) << "a static light is not repainted";
  MouseLiveSettings[MOUSE_LIGHT_RED] = MouseLiveSettings[MOUSE_LIGHT_RED] == 17 ? 18 : 17;
  EXPECT_TRUE(PumpUntil([] { return paints.load() > 0; }, 2000)) << "a changed light is";
  SetWindowLongPtrW(window->GetHWND(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
}

// A stop during the 3 s start ends the thread there, and the thread leaves its event set.
TEST_F(MouseLightingPage, AStopDuringTheStartPauseEndsTheLightingThread) {
  HANDLE stop = CreateEventW(nullptr, TRUE, TRUE, nullptr);
  WorkerThreadParam param{window, stop};
  const DWORD start = GetTickCount();
  EXPECT_EQ(0u, MouseLightingThreadProc(&param));
  EXPECT_LT(GetTickCount() - start, 1000u);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(stop, 0));
  CloseHandle(stop);
}

// Saved only when UI_SCREENSHOT_DIR names a folder.
TEST_F(MouseLightingPage, PicturesOfTheLightingAndDpiPages) {
  auto mouse = OpenWithMouse();
  ShowWindow(window->GetHWND(), SW_SHOW);
  Get<CComboUI>(L"ms_deng_combo_modeSelect2")->SelectItem(0);
  Check(L"ms_Deng_7color_check", true);
  mouse->ClearWireLog();
  ASSERT_TRUE(PumpUntil([&] { return mouse->Memory().ledFrames.whole > 5; }, 8000));
  RECT area;
  GetWindowRect(window->GetHWND(), &area);
  SaveScreenArea(area, L"mouse_lighting_page.png");
  Get<COptionUI>(L"ms_rich_Op_tab")->Selected(true, true);
  PumpFor(300);
  SaveScreenArea(area, L"mouse_dpi_page.png");
}

}  // namespace
