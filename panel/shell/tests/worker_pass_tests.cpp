// Worker passes called directly on a main window object that has no window, with a fake clock.
#include <gtest/gtest.h>

#include <vector>

#include "fake_clock.h"
#include "lighting_state.h"
#include "main_wnd.h"
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
  EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{15, 30, 1, 1}))
      << "the shortest effect step (the speed byte 5 is below it), keyboard frame, mouse, mouse pad";
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

}  // namespace
