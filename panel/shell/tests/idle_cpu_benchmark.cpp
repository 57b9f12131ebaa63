// Benchmark: the demo panel (every simulated device plugged in, all 18 worker threads and the timers
// running) left idle for 60 s: its CPU use as a share of one core, and its committed memory and
// working set, sampled every 10 s. Prints its figures; fails only if the panel misbehaves (memory that keeps growing, or an
// exit that does not end the threads).
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <vector>

#include "demo_device_set.h"
#include "panel_window_fixture.h"

namespace {

constexpr UINT kIdleMs = 60000;
constexpr UINT kSampleMs = 10000;
// Growth of committed memory between the 10 s sample and the last that counts as flat: far below
// what any per-frame or per-pass leak would add in 50 s.
constexpr SIZE_T kFlatMemoryBytes = 512 * 1024;

ULONGLONG Total100ns(const FILETIME& kernel, const FILETIME& user) {
  auto value = [](const FILETIME& time) {
    return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return value(kernel) + value(user);
}

ULONGLONG ProcessCpu100ns() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  return Total100ns(kernel, user);
}

ULONGLONG ThreadCpu100ns(HANDLE thread) {
  FILETIME created, exited, kernel, user;
  if (!thread || !GetThreadTimes(thread, &created, &exited, &kernel, &user)) return 0;
  return Total100ns(kernel, user);
}

// The worker threads in start order, for the printout.
const char* const kWorkerNames[kWorkerThreadCount] = {
    "keyboard detection", "mouse detection",   "pad detection",      "mouse sync reader",
    "keyboard sync reader", "keyboard lighting", "mouse lighting",   "pad lighting",
    "synchronised lighting", "kb device watcher", "kb key watcher",   "mouse device watcher",
    "mouse key watcher",  "pad light watcher",   "headset detection", "headset lighting",
    "K27 detection",      "K27 lighting"};

// Every thread's CPU time, the window thread last.
std::vector<ULONGLONG> ThreadTimes(const CMainWnd& window) {
  std::vector<ULONGLONG> times;
  for (HANDLE thread : window.m_threadHandles) times.push_back(ThreadCpu100ns(thread));
  times.push_back(ThreadCpu100ns(GetCurrentThread()));
  return times;
}

void PrintThreadShares(const std::vector<ULONGLONG>& before, const std::vector<ULONGLONG>& after, double wallMs) {
  for (size_t i = 0; i < after.size(); ++i) {
    const double ms = (after[i] - before[i]) / 10000.0;
    std::printf("  %-22s %8.1f ms  %6.3f %%\n", i < kWorkerThreadCount ? kWorkerNames[i] : "window thread", ms,
                100.0 * ms / wallMs);
  }
}

struct MemorySample {
  SIZE_T committed;  // what Wine reports of the private bytes (its PrivateUsage stays 0)
  SIZE_T workingSet;
};

MemorySample SampleNow() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return {counters.PagefileUsage, counters.WorkingSetSize};
}

bool idleOver = false;
std::vector<MemorySample> memorySamples;

void CALLBACK EndIdle(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  idleOver = true;
}

void CALLBACK SampleMemory(HWND, UINT, UINT_PTR, DWORD) { memorySamples.push_back(SampleNow()); }

// The window thread waits in GetMessage as the panel's own message loop does.
void RunMessageLoopFor(UINT milliseconds) {
  idleOver = false;
  memorySamples = {SampleNow()};
  const UINT_PTR sampler = SetTimer(nullptr, 0, kSampleMs, SampleMemory);
  SetTimer(nullptr, 0, milliseconds, EndIdle);
  MSG msg;
  while (!idleOver && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  KillTimer(nullptr, sampler);
  memorySamples.push_back(SampleNow());
}

class DemoPanelTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    AttachDemoDevices(bus);
    InstallHidBackend(&bus);  // before the window's command channels are made
    PanelWindowTest::SetUp();
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }

  SimulatedHidBackend bus;
};

TEST_F(DemoPanelTest, IdleCpuUseOfOneCoreAndFlatMemory) {
  OpenWindow();
  PumpFor(1000);  // past the start-up read-backs
  const ULONGLONG cpuBefore = ProcessCpu100ns();
  const std::vector<ULONGLONG> threadsBefore = ThreadTimes(*window);
  const DWORD start = GetTickCount();
  RunMessageLoopFor(kIdleMs);
  const double wallMs = GetTickCount() - start;
  const double cpuMs = (ProcessCpu100ns() - cpuBefore) / 10000.0;
  std::printf("idle window: %.0f ms, process CPU %.1f ms (the clock counts in steps of about 10 ms)\n", wallMs, cpuMs);
  std::printf("idle CPU share of one core: %.3f %% (target below 0.5 %%)\n", 100.0 * cpuMs / wallMs);
  PrintThreadShares(threadsBefore, ThreadTimes(*window), wallMs);
  std::printf("committed / working set every %u s (KiB):", kSampleMs / 1000);
  for (const MemorySample& sample : memorySamples)
    std::printf(" %lu/%lu", static_cast<unsigned long>(sample.committed / 1024),
                static_cast<unsigned long>(sample.workingSet / 1024));
  std::printf("\n");
  // The first sample may still see start-up allocations settle; from the first 10 s on it is flat.
  ASSERT_GE(memorySamples.size(), 3u);
  EXPECT_LE(memorySamples.back().committed, memorySamples[1].committed + kFlatMemoryBytes) << "memory grows while idle";

  const DWORD exitStart = GetTickCount();
  DestroyWindow(window->GetHWND());
  std::printf("exit sequence: %lu ms\n", GetTickCount() - exitStart);
  EXPECT_TRUE(window->WorkerThreadsEnded());
}

}  // namespace
