// Pictures of the keyboard lighting page to look at, each checked for what a broken page would show
// in its key previews, and the frame rate and CPU share of the panel in wave mode, printed. Runs the
// real main window with simulated keyboards on a display.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdio>
#include <set>
#include <string>

#include "keyboard_light_settings.h"
#include "keyboard_page_state.h"
#include "keyboard_window_fixture.h"
#include "simulated_firmware.h"
#include "window_capture.h"

namespace {

using Rgb = std::array<uint8_t, 3>;

// A colour whose channel `strong` stands well above the other two.
bool Dominated(const Rgb& colour, int strong) {
  for (int c = 0; c < 3; ++c)
    if (c != strong && colour[strong] < colour[c] + 80) return false;
  return true;
}

class KeyboardLightScreens : public KeyboardWindowTest {
 protected:
  void Open(uint16_t product) {
    KeyboardWindowTest::Open(product);
    ShowWindow(window->GetHWND(), SW_SHOWNORMAL);
    SetForegroundWindow(window->GetHWND());
    PumpFor(200);
  }
  // As the user sets it: full brightness.
  void FullBrightness() {
    dynamic_cast<CSliderUI*>(Find(L"kb_deng_light_slider"))->SetValue(4);
    window->HandleValueChanged(Find(L"kb_deng_light_slider"));
  }
  // The window as the screen shows it.
  void Capture(const char* file) {
    InvalidateRect(window->GetHWND(), nullptr, TRUE);
    PumpFor(300);
    EXPECT_TRUE(CaptureWindowPng(window->GetHWND(), file));
    std::printf("written: %s\n", file);
  }
  // What the screen shows at the centre of key k's preview.
  Rgb Preview(int key) {
    CControlUI* preview = Find((L"kb_dkey_" + std::to_wstring(key)).c_str());
    EXPECT_TRUE(preview && preview->IsVisible()) << key;
    return preview ? CentreColour(CaptureClientRect(window->GetHWND(), preview->GetPos())) : Rgb{};
  }
  // The different colours that the previews of row 1, columns 0 to 14, show.
  size_t RowColours() {
    std::set<Rgb> colours;
    for (int key = 21; key <= 35; ++key) colours.insert(Preview(key));
    return colours.size();
  }
};

TEST_F(KeyboardLightScreens, WaveCustomAndOneColorPages) {
  Open(SIMULATED_KEYBOARD_RGB);
  SelectMode(0);
  FullBrightness();
  dynamic_cast<COptionUI*>(Find(L"kb_Deng_7color_check"))->Selected(true, true);
  PumpFor(3500);  // the lighting thread starts 3 s after the window
  Capture("keyboard_light_wave.png");
  EXPECT_GE(RowColours(), 5u) << "the multicoloured wave runs through the wheel along the row";
  SelectMode(KEYBOARD_CUSTOM_MODE_RGB);
  const DWORD colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0080FF};
  for (int key = 0; key < KEYBOARD_UI_KEYS; ++key) {
    window->SetKeyboardLightColor(colours[key / 21 % 3], true);
    if (key % 21 < 10) window->PaintKeyboardCustomKey(key);
  }
  PumpFor(800);
  Capture("keyboard_light_custom.png");
  EXPECT_TRUE(Dominated(Preview(0), 0)) << "row 0 painted red";
  EXPECT_TRUE(Dominated(Preview(21), 1)) << "row 1 painted green";
  EXPECT_TRUE(Dominated(Preview(42), 2)) << "row 2 painted blue";
  const Rgb unpainted = Preview(15);
  EXPECT_FALSE(Dominated(unpainted, 0) || Dominated(unpainted, 1) || Dominated(unpainted, 2)) << "column 15 unpainted";
}

TEST_F(KeyboardLightScreens, OneColorPage) {
  Open(SIMULATED_KEYBOARD_ONECOLOR);
  SelectMode(0, L"kb_deng_onecolor_combo_modeSelect");
  FullBrightness();
  PumpFor(3500);
  Capture("keyboard_light_onecolor.png");
  // The model's preview colour is cyan (no red); the wave gives the row several levels of it.
  EXPECT_GE(RowColours(), 3u);
  for (int key = 21; key <= 35; ++key) {
    const Rgb colour = Preview(key);
    EXPECT_LT(colour[0], 40) << key;
    EXPECT_GT(colour[1] + colour[2], 40) << key << ": lit";
  }
}

TEST_F(KeyboardLightScreens, FramesPerSecondAndCpuShareInWaveMode) {
  Open(SIMULATED_KEYBOARD_RGB);
  SelectMode(0);
  FullBrightness();
  PumpFor(3200);
  FILETIME created, ended, kernel0, user0, kernel1, user1;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel0, &user0);
  const unsigned frames0 = FramesOfLength(keyboard->Memory(), 378).count;
  const DWORD start = GetTickCount();
  PumpFor(10000);
  const DWORD wall = GetTickCount() - start;
  const unsigned frames = FramesOfLength(keyboard->Memory(), 378).count - frames0;
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel1, &user1);
  const auto ticks = [](FILETIME t) { return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
  const double cpuMs = (ticks(kernel1) - ticks(kernel0) + ticks(user1) - ticks(user0)) / 10000.0;
  std::printf("wave: %u frames in %lu ms: %.1f frames per second; CPU %.0f ms, %.1f%% of one core\n", frames,
              static_cast<unsigned long>(wall), frames * 1000.0 / wall, cpuMs, 100.0 * cpuMs / wall);
  EXPECT_GT(frames, 0u);
}

}  // namespace
