#include "stop_protocol.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "debug_log_capture.h"
#include "fake_clock.h"

namespace {

struct StopEvent {
  StopEvent() : handle(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~StopEvent() { CloseHandle(handle); }
  HANDLE handle;
};

DWORD WINAPI SetEventSoon(void* event) {
  Sleep(50);
  SetEvent(static_cast<HANDLE>(event));
  return 0;
}

constexpr DWORD kLightingStartupPauseMs = 3000;
constexpr DWORD kWatcherSelectPauseMs = 100;
constexpr DWORD kWatcherPeriodPauseMs = 2000;

// On a thread of its own: what a thread's waits have seen stays with the thread.
TEST(StopProtocol, ASetStopEndsEveryPauseAtOnceAndThePassTopSeesIt) {
  std::thread([] {
    StopEvent stop;
    FakeClock clock;
    EXPECT_FALSE(StopRequested(stop.handle));
    EXPECT_FALSE(PauseUnlessStopped(stop.handle, 5));
    EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{6})) << "the top of a pass waits 1 ms, with the first pause";
    SetEvent(stop.handle);
    EXPECT_TRUE(PauseUnlessStopped(stop.handle, 60000));
    EXPECT_TRUE(StopRequested(stop.handle)) << "the pause saw the stop";
    EXPECT_EQ(clock.Elapsed(), 6u) << "a set stop passes no time";
  }).join();
}

// Passes end with their pause (detection, watchers) or begin with one (lighting). Either way a stop
// set during a pass's work ends the thread before any more work, and the top of a pass whose last
// pass paused does not wait on the event again: each wait is a call into the system.
TEST(StopProtocol, AStopDuringWorkEndsTheThreadBeforeMoreWorkAndPausedPassesAreNotLookedAtAgain) {
  struct Shape {
    const char* name;
    bool pauseFirst;
    std::vector<DWORD> pauses;
    int waits;  // the first top's look, then one per pause
  };
  for (const Shape& shape : {Shape{"work, then pause", false, {11, 11}, 4},
                             Shape{"pause, then work", true, {11, 11, 11}, 5}}) {
    SCOPED_TRACE(shape.name);
    StopEvent stop;
    FakeClock clock;
    int works = 0;
    RunWorkerLoop(
        stop.handle, 0,
        [&] {
          if (shape.pauseFirst && PauseUnlessStopped(stop.handle, 10)) return WorkerPassResult::NextPass;
          if (++works == 3) SetEvent(stop.handle);
          if (!shape.pauseFirst) PauseUnlessStopped(stop.handle, 10);
          return WorkerPassResult::NextPass;
        },
        L"ended");
    EXPECT_EQ(works, 3);
    EXPECT_EQ(clock.Pauses(), shape.pauses) << "each pass keeps its top's millisecond";
    EXPECT_EQ(clock.Waits(), shape.waits);
  }
}

// A watcher-shaped pass (select, 100 ms, write back, 2000 ms) after a lighting-shaped start-up pause
// of 3000 ms: three passes, the third stopped in its first pause, take 7.2 s of the thread's time and no wall time.
TEST(StopProtocol, StartupPauseAndWatcherPeriodPassOnTheClockNotTheWall) {
  StopEvent stop;
  FakeClock clock;
  DebugLogCapture log;
  int passes = 0;
  std::vector<DWORD> passStarts;
  const DWORD wallStart = GetTickCount();
  RunWorkerLoop(
      stop.handle, kLightingStartupPauseMs,
      [&] {
        passStarts.push_back(clock.Elapsed());
        if (++passes == 3) SetEvent(stop.handle);
        if (PauseUnlessStopped(stop.handle, kWatcherSelectPauseMs)) return WorkerPassResult::NextPass;
        PauseUnlessStopped(stop.handle, kWatcherPeriodPauseMs);
        return WorkerPassResult::NextPass;
      },
      L"watcher ended");
  EXPECT_LT(GetTickCount() - wallStart, 1000u);
  EXPECT_EQ(passStarts, (std::vector<DWORD>{3000, 5101, 7202})) << "each top's millisecond waited in the select pause";
  EXPECT_EQ(clock.Elapsed(), 3000u + 2 * 2101u) << "the third pass is stopped in its first pause";
  EXPECT_EQ(log.Count(L"watcher ended"), 1);
}

// A pass that never pauses (a reader whose read returns at once) still waits its millisecond at
// the next pass's top instead of spinning; the loop leaves nothing owed to the thread's next loop.
TEST(StopProtocol, APassWithoutAPauseWaitsItsMillisecondAtTheNextTop) {
  StopEvent stop;
  FakeClock clock;
  int passes = 0;
  RunWorkerLoop(
      stop.handle, 0,
      [&] {
        if (++passes == 3) SetEvent(stop.handle);
        return WorkerPassResult::NextPass;
      },
      L"reader ended");
  EXPECT_EQ(clock.Pauses(), (std::vector<DWORD>{1, 1}));
  ResetEvent(stop.handle);
  EXPECT_FALSE(PauseUnlessStopped(stop.handle, 5));
  EXPECT_EQ(clock.Pauses().back(), 5u);
}

TEST(StopProtocol, AStopDuringTheStartupPauseEndsTheThreadBeforeItsFirstPass) {
  StopEvent stop;
  FakeClock clock;
  DebugLogCapture log;
  SetEvent(stop.handle);
  int passes = 0;
  EXPECT_EQ(RunWorkerLoop(
                stop.handle, kLightingStartupPauseMs,
                [&] {
                  ++passes;
                  return WorkerPassResult::NextPass;
                },
                L"lighting ended"),
            0u);
  EXPECT_EQ(passes, 0);
  EXPECT_EQ(log.Count(L"lighting ended"), 1);
}

TEST(StopProtocol, APassThatCannotGoOnEndsTheThreadWithoutTheExitLine) {
  StopEvent stop;
  FakeClock clock;
  DebugLogCapture log;
  int passes = 0;
  RunWorkerLoop(
      stop.handle, 0,
      [&] {
        ++passes;
        return passes == 2 ? WorkerPassResult::EndThread : WorkerPassResult::NextPass;
      },
      L"detection ended");
  EXPECT_EQ(passes, 2);
  EXPECT_EQ(log.Count(L"detection ended"), 0);
}

// The Windows clock really waits: a stop set from another thread ends a long pause early.
TEST(StopProtocol, WindowsClockPauseEndsWhenAnotherThreadStops) {
  StopEvent stop;
  HANDLE stopper = CreateThread(nullptr, 0, SetEventSoon, stop.handle, 0, nullptr);
  ASSERT_NE(stopper, nullptr);
  const DWORD start = GetTickCount();
  EXPECT_TRUE(PauseUnlessStopped(stop.handle, 20000));
  EXPECT_LT(GetTickCount() - start, 10000u);
  WaitForSingleObject(stopper, INFINITE);
  CloseHandle(stopper);
}

}  // namespace
