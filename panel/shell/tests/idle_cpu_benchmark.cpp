// Benchmark: the panel's CPU use over 10 s of idle (no device, all 18 worker threads and the
// timers running), as a share of one core. Prints its figures; fails only if the panel misbehaves.
#include <gtest/gtest.h>

#include <cstdio>

#include "panel_window_fixture.h"

namespace {

ULONGLONG ProcessCpu100ns() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  auto value = [](const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return value(kernel) + value(user);
}

bool idleOver = false;
void CALLBACK EndIdle(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  idleOver = true;
}

// The window thread waits in GetMessage as the panel's own message loop does.
void RunMessageLoopFor(UINT milliseconds) {
  idleOver = false;
  SetTimer(nullptr, 0, milliseconds, EndIdle);
  MSG msg;
  while (!idleOver && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

TEST_F(PanelWindowTest, IdleCpuUseOfOneCore) {
  OpenWindow();
  PumpFor(1000);  // past the start-up read-backs
  const ULONGLONG cpuBefore = ProcessCpu100ns();
  const DWORD start = GetTickCount();
  RunMessageLoopFor(10000);
  const double wallMs = GetTickCount() - start;
  const double cpuMs = (ProcessCpu100ns() - cpuBefore) / 10000.0;
  std::printf("idle window: %.0f ms, process CPU %.1f ms (the clock counts in steps of about 10 ms)\n", wallMs, cpuMs);
  std::printf("idle CPU share of one core: %.3f %% (target below 0.5 %%)\n", 100.0 * cpuMs / wallMs);

  const DWORD exitStart = GetTickCount();
  DestroyWindow(window->GetHWND());
  std::printf("exit sequence: %lu ms\n", GetTickCount() - exitStart);
  EXPECT_TRUE(window->WorkerThreadsEnded());
}

}  // namespace
