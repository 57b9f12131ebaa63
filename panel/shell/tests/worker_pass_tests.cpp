// Worker passes called directly on a main window object that has no window, with a fake clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "headset_state.h"
#include "headset_threads.h"
#include "lighting_state.h"
#include "lighting_tables.h"
#include "main_wnd.h"
#include "system_dialogs.h"
#include "worker_threads.h"

namespace {

class SyncLightingPassTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetLightingStates(); }
  void TearDown() override {
    CloseHandle(stop);
    ResetLightingStates();
  }

  FakeClock clock;
  CMainWnd wnd;
  HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
};

TEST_F(SyncLightingPassTest, WithNothingConnectedAPassWaitsASecondOfClockTime) {
  wnd.m_syncLightSettings.speed = 15;
  const DWORD wallStart = GetTickCount();
  EXPECT_EQ(RunSyncLightingPass(wnd, stop), WorkerPassResult::NextPass);
  EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{15, 1000}));
  EXPECT_LT(GetTickCount() - wallStart, 500u);
}

TEST_F(SyncLightingPassTest, ASynchronisedKeyboardGetsTheEffectByteStepThenTheFramePause) {
  wnd.m_keyboardChannel.m_connected = 1;
  wnd.m_keyboardChannel.m_lightingSync = 1;
  wnd.m_syncLightSettings = {SYNC_LIGHT_STATIC, 4, 5, 1, 0, 200, 100, 50};
  RunSyncLightingPass(wnd, stop);
  EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{15, 32}))
      << "the shortest effect step (the speed byte 5 is below it), then keyboard frame, mouse and mouse pad "
         "in one wait";
  const LedColor& led = wnd.m_keyboardLeds[0];
  EXPECT_EQ((std::vector<int>{led.red, led.green, led.blue, led.level}), (std::vector<int>{200, 100, 50, 255}));
  EXPECT_EQ(wnd.m_mouseLeds[0].level, 0) << "the mouse is not synchronised";
}

TEST_F(SyncLightingPassTest, ConnectedButNothingSynchronisedAPassStepsNothingAndWaitsATenthOfASecond) {
  wnd.m_keyboardChannel.m_connected = 1;
  wnd.m_syncLightSettings = {SYNC_LIGHT_STATIC, 4, 0, 1, 0, 200, 100, 50};
  RunSyncLightingPass(wnd, stop);
  EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{15, 100}));
  EXPECT_EQ(wnd.m_keyboardLeds[0].level, 0);
}

TEST_F(SyncLightingPassTest, AnEffectByteAboveThreeStepsNothing) {
  wnd.m_mouseChannel.m_connected = 1;
  wnd.m_keyboardChannel.m_lightingSync = 1;
  wnd.m_syncLightSettings = {4, 4, 0, 1, 0, 200, 100, 50};
  RunSyncLightingPass(wnd, stop);
  EXPECT_EQ(wnd.m_keyboardLeds[0].level, 0);
}

TEST_F(SyncLightingPassTest, AStopDuringThePassEndsItWithoutFurtherPauses) {
  wnd.m_syncLightSettings.speed = 200;
  SetEvent(stop);
  EXPECT_EQ(RunSyncLightingPass(wnd, stop), WorkerPassResult::NextPass);
  EXPECT_TRUE(clock.Pauses().empty());
}

// The K27's lighting thread, stopped in each of its pauses, ends there: no frame is made or sent
// after the stop, and no failure box is shown once the exit began.
TEST(HeadsetK27LightingPass, AStopInAnyPauseEndsTheThreadWithoutAFrameOrABox) {
  const DWORD stepPause = std::max<DWORD>(kShortestEffectStepMs, EffectDelay(HeadsetK27Light.mode, HeadsetK27Light.speed));
  const struct {
    const char* what;
    bool makesFrame;  // the frame was made, and refused, before the pause
    DWORD stoppedPause;
  } cases[] = {{"the pause before the step (with the pass's top millisecond)", false, stepPause + 1},
               {"the pause after a refused frame", true, 100}};
  std::vector<std::wstring> boxes;
  AnswerMessageBoxesWith([&boxes](const MessageBoxRequest& box) {
    boxes.push_back(box.text);
    return IDOK;
  });
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    StopDuringPause stopping(stop, c.stoppedPause);
    CMainWnd wnd;
    wnd.m_headsetK27Channel.m_connected = 1;  // listed, but every report is refused
    wnd.m_headsetK27Connections = 1;
    const LedColor untouched = {1, 2, 3, 4};
    std::fill(std::begin(wnd.m_headsetK27Leds), std::end(wnd.m_headsetK27Leds), untouched);
    RunWorkerLoop(stop, 0, [&] {
      RunHeadsetK27LightingPass(wnd, stop);
      return WorkerPassResult::NextPass;
    }, L"ended");
    const LedColor& led = wnd.m_headsetK27Leds[0];
    EXPECT_EQ(c.makesFrame, led.red != 1 || led.green != 2 || led.blue != 3 || led.level != 4);
    EXPECT_TRUE(boxes.empty());
    CloseHandle(stop);
  }
  AnswerMessageBoxesWith(nullptr);
}

}  // namespace
