#include <gtest/gtest.h>
#include <windows.h>

#include "mouse_state.h"
#include "worker_threads.h"

namespace {

void RunToEnd(LPTHREAD_START_ROUTINE proc) {
  HANDLE thread = CreateThread(nullptr, 0, proc, nullptr, 0, nullptr);
  ASSERT_NE(thread, nullptr);
  ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
  CloseHandle(thread);
}

TEST(PointerSettings, SpeedIsClampedToWhatWindowsTakesAndStoredAsApplied) {
  const struct {
    uint8_t stored, applied;
  } cases[] = {{0, 1}, {25, 20}, {7, 7}, {20, 20}};
  for (const auto& c : cases) {
    MousePointerSpeed = c.stored;
    RunToEnd(ApplyMouseSpeedThreadProc);
    EXPECT_EQ(MousePointerSpeed.load(), c.applied) << int(c.stored);
  }
  ResetMouseState();
}

TEST(PointerSettings, WheelLinesReachWindows) {
  for (uint8_t lines : {uint8_t{5}, uint8_t{3}}) {
    MouseWheelLines = lines;
    RunToEnd(ApplyWheelLinesThreadProc);
    UINT applied = 0;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &applied, 0));
    EXPECT_EQ(applied, lines);
  }
  ResetMouseState();
}

}  // namespace
