// The long run: the demo panel with every simulated device plugged in and every effect running
// (software modes on keyboard, mouse and mouse pad, a colour-cycling first headset, the K27's
// frames), for 30 s with its window showing the keyboard's previews, then 30 s hidden in the tray;
// then, every device unplugged, 15 s idle in the tray.
// Fails when the committed memory grows by more than 2 MB after a 10 s warm-up or keeps climbing,
// when the exit does not end the threads, when a worker wakes far more often than its pauses need
// or the window paints faster than a screen shows. Prints, for each half side by side, the share
// of one core of the process and of each thread with its wake-ups a second, against the targets,
// and the keyboard's frame tick timed apart. CPU shares are noisy on a shared machine; the
// wake-ups and paints are counts.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <numeric>
#include <vector>

#include "audio_standin_steering.h"
#include "clock.h"
#include "demo_device_set.h"
#include "panel_window_fixture.h"
#include "system_dialogs.h"

namespace {

constexpr UINT kHalfRunMs = 30000;  // window showing, then hidden
constexpr UINT kIdleRunMs = 15000;  // no device, hidden
constexpr UINT kUnplugSettleMs = 3000;
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
constexpr double kShowingTargetPercent = 3.0;
constexpr double kHiddenTargetPercent = 1.0;
constexpr double kIdleTargetPercent = 0.5;
constexpr double kFrameTicksPerSecond = 1000.0 / 5;  // the keyboard's frame timer
// The shortest pause of any worker is the first headset's detection, about 11 ms: some 90 wakes a
// second. A pass that waits again and again in short steps shows far above.
constexpr double kMostWorkerWakeUpsPerSecond = 150;
// The previews repaint at the display's rate; a window repainted with every 5 ms frame shows above.
constexpr double kMostPaintsPerSecond = 65;

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

// Counts each thread's waits and sleeps, each of which wakes the thread once, on the Windows clock.
class WakeUpCounter : public Clock {
 public:
  WakeUpCounter() : windows_(CurrentClock()) { InstallClock(this); }
  ~WakeUpCounter() override { InstallClock(nullptr); }
  DWORD TickCount() override { return windows_.TickCount(); }
  void Sleep(DWORD milliseconds) override {
    Count();
    windows_.Sleep(milliseconds);
  }
  bool WaitForEvent(HANDLE event, DWORD milliseconds) override {
    if (milliseconds) Count();  // a look at the event does not sleep
    return windows_.WaitForEvent(event, milliseconds);
  }
  DWORD WaitForObjects(DWORD count, const HANDLE* handles, bool waitAll, DWORD milliseconds) override {
    if (milliseconds) Count();
    return windows_.WaitForObjects(count, handles, waitAll, milliseconds);
  }
  unsigned WakeUps(HANDLE thread) {
    std::lock_guard<std::mutex> guard(lock_);
    return counts_[GetThreadId(thread)];
  }

 private:
  void Count() {
    std::lock_guard<std::mutex> guard(lock_);
    ++counts_[GetCurrentThreadId()];
  }
  Clock& windows_;
  std::mutex lock_;
  std::map<DWORD, unsigned> counts_;
};

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

// What one half of the run measured.
struct RunHalf {
  double wallMs = 0;
  double cpuMs = 0;
  std::vector<double> threadMs;        // workers in start order, the window thread last
  std::vector<double> wakeUpsPerSecond;  // workers; the window thread's paints a second last
  double ProcessPercent() const { return 100.0 * cpuMs / wallMs; }
  double ThreadPercent(size_t i) const { return 100.0 * threadMs[i] / wallMs; }
};

void PrintHalves(const RunHalf& showing, const RunHalf& hidden) {
  std::printf("%-22s %22s %22s\n", "", "window showing", "hidden in the tray");
  std::printf("%-22s %22s %22s\n", "thread", "% of a core, wakes/s", "% of a core, wakes/s");
  for (size_t i = 0; i < showing.threadMs.size(); ++i)
    std::printf("%-22s %12.3f %9.1f %12.3f %9.1f\n", i < kWorkerThreadCount ? kWorkerNames[i] : "window (paints/s)",
                showing.ThreadPercent(i), showing.wakeUpsPerSecond[i], hidden.ThreadPercent(i),
                hidden.wakeUpsPerSecond[i]);
  std::printf("%-22s %12.3f %9s %12.3f %9s\n", "process", showing.ProcessPercent(), "", hidden.ProcessPercent(), "");
  std::printf("process share of one core: window showing %.3f %% (target below %.1f %%), hidden %.3f %% (target "
              "below %.1f %%)\n",
              showing.ProcessPercent(), kShowingTargetPercent, hidden.ProcessPercent(), kHiddenTargetPercent);
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
unsigned paints = 0;

void CALLBACK EndRun(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  runOver = true;
}

void CALLBACK SampleMemory(HWND, UINT, UINT_PTR, DWORD) { memorySamples.push_back(SampleNow()); }

// The window thread waits in GetMessage as the panel's own message loop does. Memory samples are
// added to those of the run so far.
void RunMessageLoopFor(UINT milliseconds) {
  runOver = false;
  if (memorySamples.empty()) memorySamples.push_back(SampleNow());
  const UINT_PTR sampler = SetTimer(nullptr, 0, kSampleMs, SampleMemory);
  SetTimer(nullptr, 0, milliseconds, EndRun);
  MSG msg;
  while (!runOver && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_PAINT) ++paints;
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
    devices = std::make_unique<DemoDeviceSet>(bus);
    InstallHidBackend(&bus);  // before the window's command channels are made
    PanelWindowTest::SetUp();
    AudioControlStandin(LoadLibraryW(L"Harkin_UsbAudio73xx_x32.dll")).SetHeadsetPresent(true);
  }
  void TearDown() override {
    PanelWindowTest::TearDown();
    AnswerMessageBoxesWith(nullptr);
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

  // A device pulled while its frames go out may be told about in a box on its lighting thread; the
  // boxes are answered at once, so that no thread waits for a person.
  void UnplugEveryDevice() {
    AnswerMessageBoxesWith([this](const MessageBoxRequest&) {
      ++boxesAnswered;
      return IDOK;
    });
    for (DemoDevice device : {DemoDevice::Keyboard, DemoDevice::Mouse, DemoDevice::MousePad, DemoDevice::HeadsetK27})
      devices->Device(device)->Unplug();
    AudioControlStandin(GetModuleHandleW(L"Harkin_UsbAudio73xx_x32.dll")).SetHeadsetPresent(false);
  }

  // A part of the run, measured.
  RunHalf Measure(WakeUpCounter& wakeUps, UINT milliseconds = kHalfRunMs) {
    RunHalf half;
    const ULONGLONG cpuBefore = ProcessCpu100ns();
    const std::vector<ULONGLONG> threadsBefore = ThreadTimes(*window);
    std::vector<unsigned> wakeUpsBefore;
    for (HANDLE thread : window->m_threadHandles) wakeUpsBefore.push_back(wakeUps.WakeUps(thread));
    const unsigned paintsBefore = paints;
    const DWORD start = GetTickCount();
    RunMessageLoopFor(milliseconds);
    half.wallMs = GetTickCount() - start;
    half.cpuMs = (ProcessCpu100ns() - cpuBefore) / 10000.0;
    const std::vector<ULONGLONG> threadsAfter = ThreadTimes(*window);
    for (size_t i = 0; i < threadsAfter.size(); ++i) half.threadMs.push_back((threadsAfter[i] - threadsBefore[i]) / 10000.0);
    for (size_t i = 0; i < kWorkerThreadCount; ++i)
      half.wakeUpsPerSecond.push_back((wakeUps.WakeUps(window->m_threadHandles[i]) - wakeUpsBefore[i]) * 1000.0 /
                                      half.wallMs);
    half.wakeUpsPerSecond.push_back((paints - paintsBefore) * 1000.0 / half.wallMs);
    return half;
  }

  SimulatedHidBackend bus;
  std::unique_ptr<DemoDeviceSet> devices;
  std::atomic<int> boxesAnswered{0};
};

TEST_F(DemoPanelTest, EveryEffectForAMinuteKeepsMemoryFlat) {
  WakeUpCounter wakeUps;  // before the threads start
  OpenWindow();
  ASSERT_TRUE(PumpUntil([&] { return window->m_keyboardChannel.IsConnected() && window->m_headsetChannel.IsConnected(); },
                        10000));
  PumpFor(1000);  // past the start-up read-backs
  StartEveryEffect();
  window->ShowWindow(true);
  if (auto* keyboardTab = static_cast<COptionUI*>(Find(L"kb_tab"))) keyboardTab->Selected(true);
  PumpFor(500);

  const RunHalf showing = Measure(wakeUps);
  const double tickUs = KeyboardFrameTickMicroseconds();
  window->ShowWindow(false);  // to the tray
  const RunHalf hidden = Measure(wakeUps);
  // The memory is judged over the minute of effects; the unplugging changes what the panel holds.
  const std::vector<MemorySample> effectsMemory = memorySamples;
  UnplugEveryDevice();
  PumpFor(kUnplugSettleMs);
  const RunHalf idle = Measure(wakeUps, kIdleRunMs);
  std::printf("run: twice %.0f ms, then %.0f ms idle (thread times count in steps of about 10 ms)\n", hidden.wallMs,
              idle.wallMs);
  PrintHalves(showing, hidden);
  std::printf("idle, no device, hidden: process %.3f %% of a core (target below %.1f %%); busiest workers:",
              idle.ProcessPercent(), kIdleTargetPercent);
  for (size_t i = 0; i < kWorkerThreadCount; ++i)
    if (idle.ThreadPercent(i) >= 0.05) std::printf(" %s %.3f %% (%.1f wakes/s);", kWorkerNames[i], idle.ThreadPercent(i),
                                                   idle.wakeUpsPerSecond[i]);
  std::printf(" window thread %.3f %%; message boxes answered after the unplugging: %d\n",
              idle.ThreadPercent(kWorkerThreadCount), boxesAnswered.load());
  for (size_t i = 0; i < kWorkerThreadCount; ++i)
    for (const RunHalf* half : {&showing, &hidden, &idle})
      EXPECT_LT(half->wakeUpsPerSecond[i], kMostWorkerWakeUpsPerSecond) << kWorkerNames[i] << " wakes too often";
  EXPECT_LT(showing.wakeUpsPerSecond.back(), kMostPaintsPerSecond) << "the window paints faster than a screen shows";
  EXPECT_LT(hidden.wakeUpsPerSecond.back(), 1.0) << "a hidden window paints nothing";

  const double lightingMs = std::accumulate(std::begin(kLightingThreads), std::end(kLightingThreads), 0.0,
                                            [&](double sum, size_t i) { return sum + showing.threadMs[i]; });
  const double framesPercent = tickUs * kFrameTicksPerSecond / 10000.0;
  std::printf("keyboard frame tick: %.1f us each, %.3f %% of a core at one tick per 5 ms\n", tickUs, framesPercent);
  std::printf("effects (six lighting threads and the keyboard's frames): %.3f %% of a core (target below %.1f %%)\n",
              100.0 * lightingMs / showing.wallMs + framesPercent, kEffectsTargetPercent);

  std::printf("committed / working set every %u s (KiB):", kSampleMs / 1000);
  for (const MemorySample& sample : effectsMemory)
    std::printf(" %lu/%lu", static_cast<unsigned long>(sample.committed / 1024),
                static_cast<unsigned long>(sample.workingSet / 1024));
  std::printf("\n");
  ASSERT_GT(effectsMemory.size(), kWarmUpSamples + 1);
  const SIZE_T afterWarmUp = effectsMemory[kWarmUpSamples].committed;
  for (size_t i = kWarmUpSamples; i < effectsMemory.size(); ++i)
    EXPECT_LE(effectsMemory[i].committed, afterWarmUp + kFlatMemoryBytes) << "memory grows, second " << i;
  const double growthPerSecond = CommittedTrend(effectsMemory, kWarmUpSamples) * 1000 / kSampleMs;
  std::printf("committed memory trend after the warm-up: %.0f bytes/s\n", growthPerSecond);
  EXPECT_LT(growthPerSecond, kSteadyGrowthBytesPerSecond) << "memory climbs steadily";

  const DWORD exitStart = GetTickCount();
  DestroyWindow(window->GetHWND());
  std::printf("exit sequence: %lu ms\n", GetTickCount() - exitStart);
  EXPECT_TRUE(window->WorkerThreadsEnded());
}

}  // namespace
