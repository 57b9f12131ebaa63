// The long run: the demo panel with every simulated device plugged in and every effect running
// (software modes on keyboard, mouse and mouse pad, a colour-cycling first headset, the K27's
// frames), its window showing the keyboard's previews, for 60 s. Fails when the committed memory
// grows by more than 2 MB after a 10 s warm-up or keeps climbing, or when the exit does not end
// the threads. Prints
// the share of one core of the process, of each thread and of the keyboard's frame tick, timed
// apart, against the effects' target.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <numeric>
#include <vector>

#include "audio_standin_steering.h"
#include "demo_device_set.h"
#include "panel_window_fixture.h"

namespace {

constexpr UINT kRunMs = 60000;
constexpr UINT kSampleMs = 1000;
constexpr size_t kWarmUpSamples = 10;
// Growth of committed memory after the warm-up that still counts as flat: far below what a
// per-frame or per-pass leak would add in 50 s.
constexpr SIZE_T kFlatMemoryBytes = 2 * 1024 * 1024;
// A steady climb of a few KB per second stays below that bound for minutes, so the trend after the
// warm-up is bounded too: a polling thread that keeps a few bytes per pass shows there, while a
// single step of the heap adds little to it.
constexpr double kSteadyGrowthBytesPerSecond = 4096;
constexpr double kEffectsTargetPercent = 1.0;
constexpr double kFrameTicksPerSecond = 1000.0 / 5;  // the keyboard's frame timer

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

// The least-squares slope of the committed memory over the samples from `first` on, per sample.
double CommittedTrend(const std::vector<MemorySample>& samples, size_t first) {
  const double n = static_cast<double>(samples.size() - first);
  double sumX = 0, sumY = 0, sumXY = 0, sumXX = 0;
  for (size_t i = first; i < samples.size(); ++i) {
    const double x = static_cast<double>(i - first), y = static_cast<double>(samples[i].committed);
    sumX += x;
    sumY += y;
    sumXY += x * y;
    sumXX += x * x;
  }
  return (n * sumXY - sumX * sumY) / (n * sumXX - sumX * sumX);
}

bool runOver = false;
std::vector<MemorySample> memorySamples;

void CALLBACK EndRun(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  runOver = true;
}

void CALLBACK SampleMemory(HWND, UINT, UINT_PTR, DWORD) { memorySamples.push_back(SampleNow()); }

// The window thread waits in GetMessage as the panel's own message loop does.
void RunMessageLoopFor(UINT milliseconds) {
  runOver = false;
  memorySamples = {SampleNow()};
  const UINT_PTR sampler = SetTimer(nullptr, 0, kSampleMs, SampleMemory);
  SetTimer(nullptr, 0, milliseconds, EndRun);
  MSG msg;
  while (!runOver && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  KillTimer(nullptr, sampler);
  memorySamples.push_back(SampleNow());
}

// The worker threads that run effects, by start position.
const size_t kLightingThreads[] = {5, 6, 7, 8, 15, 17};

class DemoPanelTest : public PanelWindowTest {
 protected:
  void SetUp() override {
    AttachDemoDevices(bus);
    InstallHidBackend(&bus);  // before the window's command channels are made
    PanelWindowTest::SetUp();
    AudioControlStandin(LoadLibraryW(L"Harkin_UsbAudio73xx_x32.dll")).SetHeadsetPresent(true);
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    InstallHidBackend(nullptr);
  }

  // A software effect on every device, as a user picks it in its mode combo.
  void StartEveryEffect() {
    for (const wchar_t* combo : {L"kb_deng_combo_modeSelect", L"ms_deng_combo_modeSelect0", L"mp_deng_combo_modeSelect",
                                 L"hs_deng_combo_modeSelect0", L"hsK27_deng_combo_modeSelect0"})
      if (auto* modes = static_cast<CComboUI*>(Find(combo))) modes->SelectItem(1);
  }

  // The window thread's time for one keyboard frame tick, from a run of ticks of its own (timed
  // on the performance counter: the thread times count in steps of 10 ms).
  double KeyboardFrameTickMicroseconds() {
    constexpr int kTicks = 400;
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    for (int i = 0; i < kTicks; ++i) window->SendKeyboardLedFrame();
    QueryPerformanceCounter(&after);
    return 1e6 * (after.QuadPart - before.QuadPart) / frequency.QuadPart / kTicks;
  }

  SimulatedHidBackend bus;
};

TEST_F(DemoPanelTest, EveryEffectForAMinuteKeepsMemoryFlat) {
  OpenWindow();
  ASSERT_TRUE(PumpUntil([&] { return window->m_keyboardChannel.IsConnected() && window->m_headsetChannel.IsConnected(); },
                        10000));
  PumpFor(1000);  // past the start-up read-backs
  StartEveryEffect();
  window->ShowWindow(true);
  if (auto* keyboardTab = static_cast<COptionUI*>(Find(L"kb_tab"))) keyboardTab->Selected(true);
  PumpFor(500);

  const ULONGLONG cpuBefore = ProcessCpu100ns();
  const std::vector<ULONGLONG> threadsBefore = ThreadTimes(*window);
  const DWORD start = GetTickCount();
  RunMessageLoopFor(kRunMs);
  const double wallMs = GetTickCount() - start;
  const double cpuMs = (ProcessCpu100ns() - cpuBefore) / 10000.0;
  const std::vector<ULONGLONG> threadsAfter = ThreadTimes(*window);
  std::printf("run: %.0f ms, process CPU %.1f ms (the clock counts in steps of about 10 ms)\n", wallMs, cpuMs);
  std::printf("process share of one core: %.3f %%\n", 100.0 * cpuMs / wallMs);
  PrintThreadShares(threadsBefore, threadsAfter, wallMs);

  const double lightingMs = std::accumulate(std::begin(kLightingThreads), std::end(kLightingThreads), 0.0,
                                            [&](double sum, size_t i) { return sum + (threadsAfter[i] - threadsBefore[i]) / 10000.0; });
  const double tickUs = KeyboardFrameTickMicroseconds();
  const double framesPercent = tickUs * kFrameTicksPerSecond / 10000.0;
  std::printf("keyboard frame tick: %.1f us each, %.3f %% of a core at one tick per 5 ms\n", tickUs, framesPercent);
  std::printf("effects (six lighting threads and the keyboard's frames): %.3f %% of a core (target below %.1f %%)\n",
              100.0 * lightingMs / wallMs + framesPercent, kEffectsTargetPercent);

  std::printf("committed / working set every %u s (KiB):", kSampleMs / 1000);
  for (const MemorySample& sample : memorySamples)
    std::printf(" %lu/%lu", static_cast<unsigned long>(sample.committed / 1024),
                static_cast<unsigned long>(sample.workingSet / 1024));
  std::printf("\n");
  ASSERT_GT(memorySamples.size(), kWarmUpSamples + 1);
  const SIZE_T afterWarmUp = memorySamples[kWarmUpSamples].committed;
  for (size_t i = kWarmUpSamples; i < memorySamples.size(); ++i)
    EXPECT_LE(memorySamples[i].committed, afterWarmUp + kFlatMemoryBytes) << "memory grows, second " << i;
  const double growthPerSecond = CommittedTrend(memorySamples, kWarmUpSamples) * 1000 / kSampleMs;
  std::printf("committed memory trend after the warm-up: %.0f bytes/s\n", growthPerSecond);
  EXPECT_LT(growthPerSecond, kSteadyGrowthBytesPerSecond) << "memory climbs steadily";

  const DWORD exitStart = GetTickCount();
  DestroyWindow(window->GetHWND());
  std::printf("exit sequence: %lu ms\n", GetTickCount() - exitStart);
  EXPECT_TRUE(window->WorkerThreadsEnded());
}

}  // namespace
