// Not a test of behaviour: a picture of the mouse pad's page to look at, with the pad plugged in,
// the light profile panel open and the lighting thread running. Runs the real main window with a
// simulated pad on a display.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <vector>

#include "hid_backend.h"
#include "mousepad_page_state.h"
#include "panel_window_fixture.h"
#include "png_writer.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {

class MousePadPageScreens : public PanelWindowTest {
 protected:
  void SetUp() override {
    InstallHidBackend(&bus);
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
    RECT rect{};
    GetWindowRect(window->GetHWND(), &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    std::vector<uint8_t> bgra(static_cast<size_t>(width) * height * 4);
    GetDIBits(memory, bitmap, 0, height, bgra.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    RgbImage image(width, height, 0);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
      image.pixels[3 * i] = bgra[4 * i + 2];
      image.pixels[3 * i + 1] = bgra[4 * i + 1];
      image.pixels[3 * i + 2] = bgra[4 * i];
    }
    EXPECT_TRUE(WritePng(file, image));
    std::printf("written: %s\n", file);
  }

  SimulatedHidBackend bus;
};

TEST_F(MousePadPageScreens, ThePadPageWithItsProfilePanel) {
  bus.Attach(MakeSimulatedMousePad());
  ASSERT_TRUE(PumpUntil([this] { return Find(L"mp_tab")->IsVisible() && MousePadPageState().seen == 1; }, 5000));
  ShowWindow(window->GetHWND(), SW_SHOWNORMAL);
  SetForegroundWindow(window->GetHWND());
  NotifyClick(Find(L"mp_profile_fun_spread_btn"));
  PumpFor(3500);  // the lighting thread starts 3 s after the window
  Capture("mousepad_page.png");
}

}  // namespace
