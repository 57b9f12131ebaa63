// The panel's own controls: what the LED preview and the circular progress draw, pixel by pixel,
// and the small rules of the chart and the voice-effect selector.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "custom_controls.h"
#include "debug_log_capture.h"
#include "demo_window.h"
#include "fake_clock.h"
#include "panel_window_fixture.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xFF0000, kBlue = 0x0000FF;

// The control painted over a white 32-bit surface of its own size; pixels as 0xRRGGBB.
class Painted {
 public:
  Painted(CControlUI& control, int width, int height) : width_(width) {
    DibCanvas canvas(width, height);
    const RECT rc{0, 0, width, height};
    control.SetPos(rc);
    control.DoPaint(canvas.dc(), rc);
    pixels_ = canvas.Pixels();
  }
  uint32_t At(int x, int y) const { return pixels_[y * width_ + x] & 0xFFFFFF; }

 private:
  int width_;
  std::vector<uint32_t> pixels_;
};

TEST(DeviceKeyButton, TheLightImageIsTintedWithTheLedColourWhileTheLightIsOn) {
  SetUpPanelUi();
  const struct {
    DWORD packed;
    int level;
    int on;
    uint32_t centre;
  } cases[] = {
      {0x0000FF, 255, 1, kRed},      // packed red
      {0x00FF00, 255, 1, kBlue},     // packed blue (second byte)
      {0xFF0000, 128, 1, 0x008000},  // packed green at half level
      {0, 0, 1, kBlack},             // a zero tint still draws the image, black
      {0x0000FF, 255, 0, kWhite},    // off: only the button's own look
  };
  for (const auto& c : cases) {
    CDeviceKeyButtonUI button;
    button.SetAttribute(L"lightimage", L"common/key_light.png");
    button.SetAttribute(L"gmnametextcolor", L"#FF00FF00");
    button.SetLightState(c.packed, c.level, c.on);
    const Painted painted(button, 16, 16);
    EXPECT_EQ(painted.At(8, 8), c.centre) << std::hex << c.packed << " level " << std::dec << c.level;
    EXPECT_EQ(painted.At(0, 0), kWhite) << "the image's transparent corner";
  }
  CDeviceKeyButtonUI button;
  EXPECT_STREQ(button.GetClass(), L"DeviceKeyButton");
  EXPECT_EQ(Painted(button, 16, 16).At(8, 8), kWhite) << "off until the first light state";
}

// The frames repeat every few milliseconds: only a light that changed is repainted, only while the
// window shows, and no sooner than a screen shows the last repaint; a change held back is kept.
TEST(DeviceKeyButton, ALightChangeIsRepaintedOnceAndOnlyWhileTheWindowShows) {
  FakeClock clock;
  CDeviceKeyButtonUI button;
  EXPECT_FALSE(button.TakeLightChange()) << "nothing set yet";
  const struct {
    DWORD color;
    int level, on;
    bool changed;
  } states[] = {{0x0000FF, 200, 1, true}, {0x0000FF, 200, 1, false}, {0x00FF00, 200, 1, true},
                {0x00FF00, 100, 1, true}, {0x00FF00, 100, 0, true}, {0x00FF00, 100, 0, false}};
  for (const auto& state : states) {
    button.SetLightState(state.color, state.level, state.on);
    EXPECT_EQ(button.TakeLightChange(), state.changed) << std::hex << state.color << std::dec << " " << state.level;
    EXPECT_FALSE(button.TakeLightChange()) << "reported once";
  }

  CDeviceKeyButtonUI* previews[] = {&button, nullptr};
  const HWND window = CreateWindowExW(0, L"STATIC", L"previews", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(window);
  button.SetLightState(0xFF0000, 50, 1);
  RepaintChangedPreviews(window, previews, std::size(previews));
  EXPECT_TRUE(button.TakeLightChange()) << "kept while the window is hidden";
  button.SetLightState(0xFF0000, 60, 1);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  RepaintChangedPreviews(window, previews, std::size(previews));
  EXPECT_FALSE(button.TakeLightChange()) << "taken by the repaint of the shown window";
  const struct {
    DWORD afterMs;
    bool taken;
  } frames[] = {{5, false}, {5, false}, {6, true}, {16, true}, {15, false}};
  DWORD colour = 0xFF0000;
  for (const auto& frame : frames) {
    clock.Sleep(frame.afterMs);
    button.SetLightState(++colour, 60, 1);
    RepaintChangedPreviews(window, previews, std::size(previews));
    EXPECT_NE(button.TakeLightChange(), frame.taken) << "at most 60 repaints a second";
  }
  clock.Sleep(100);
  ShowWindow(window, SW_MINIMIZE);
  button.SetLightState(0x00FF00, 60, 1);
  RepaintChangedPreviews(window, previews, std::size(previews));
  EXPECT_TRUE(button.TakeLightChange()) << "kept while the window is minimised";
  DestroyWindow(window);
}

TEST(CircleProgress, SweepIsTheValuesShareOfTheCircleAndZeroForAnEmptyRange) {
  const struct {
    int value, minimum, maximum, sweep;
  } cases[] = {{50, 0, 100, 180}, {25, 0, 100, 90}, {100, 0, 100, 360}, {0, 0, 100, 0},
               {150, 0, 100, 360}, {-5, 0, 100, 0}, {30, 20, 40, 180}, {5, 0, 0, 0}, {5, 10, 3, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(CircleProgressSweep(c.value, c.minimum, c.maximum), c.sweep) << c.value << " " << c.minimum << " " << c.maximum;
}

TEST(CircleProgress, DrawsARingFilledFromTheBottomClockwiseWithAWhiteCentre) {
  SetUpPanelUi();
  const struct {
    int value, maximum;
    POINT at;
    uint32_t colour;
  } cases[] = {
      {50, 100, {20, 20}, kRed},   // half: bottom, left, top
      {50, 100, {80, 80}, kBlue},  // the other half shows the background
      {50, 100, {50, 50}, kWhite},
      {50, 100, {15, 50}, kWhite},  // inside the 10-pixel ring
      {25, 100, {20, 80}, kRed},    // a quarter: bottom to left
      {25, 100, {20, 20}, kBlue},
      {100, 100, {80, 20}, kRed},
      {5, 0, {20, 80}, kBlue},  // an empty range draws no progress and does not fail
  };
  for (const auto& c : cases) {
    CCircleProgressUI progress;
    progress.SetBkColor(0xFF0000FF);
    progress.SetForeColor(0xFFFF0000);
    progress.SetMaxValue(c.maximum);
    progress.SetValue(c.value);
    EXPECT_EQ(Painted(progress, 100, 100).At(c.at.x, c.at.y), c.colour)
        << c.value << "/" << c.maximum << " at " << c.at.x << "," << c.at.y;
  }
}

TEST(ChartView, ViewAttributeKnowsThePieAndTheLayoutsSpellingOfHistogram) {
  CChartViewUI chart;
  chart.SetAttribute(L"view", L"histogram");
  EXPECT_EQ(chart.GetView(), 0);
  chart.SetAttribute(L"view", L"histpgram");
  EXPECT_EQ(chart.GetView(), 1);
  chart.SetAttribute(L"view", L"pie");
  EXPECT_EQ(chart.GetView(), 0);
}

TEST(ChartView, OwnAttributesAreNotReportedAsUnknownAndTheRestReachTheBase) {
  DebugLogCapture log;
  CChartViewUI chart;
  chart.SetAttribute(L"pillarimagewidth", L"12");
  chart.SetAttribute(L"name", L"chart_1");
  EXPECT_EQ(chart.GetName(), L"chart_1");
  EXPECT_EQ(log.Text().find("pillarimagewidth"), std::string::npos);
}

TEST_F(PanelWindowTest, VoiceEffectSelectorOpensWithAChoiceAndClosesKeepingIt) {
  OpenWindow();
  ASSERT_NE(window->m_magicControl, nullptr);
  auto option = [this](const wchar_t* name) { return static_cast<COptionUI*>(Find(name)); };
  window->m_magicControl->SetMagicVoiceState(true, 2);
  EXPECT_TRUE(Find(L"magic_check")->IsEnabled());
  EXPECT_TRUE(option(L"magic_check_2")->IsSelected());
  EXPECT_TRUE(option(L"magic_voice_open")->IsSelected());
  window->m_magicControl->SetMagicVoiceState(false, 0);
  EXPECT_FALSE(Find(L"magic_check")->IsEnabled());
  EXPECT_TRUE(option(L"magic_check_2")->IsSelected());
  EXPECT_FALSE(option(L"magic_check_0")->IsSelected());
  EXPECT_FALSE(option(L"magic_voice_open")->IsSelected());
}

}  // namespace
