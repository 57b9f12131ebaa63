#include "worker_threads.h"

#include <process.h>

#include <vector>

#include "clock.h"
#include "diagnostics.h"
#include "main_wnd.h"

const WorkerThreadProc kWorkerThreadProcs[kWorkerThreadCount] = {
    KeyboardDetectThreadProc,
    MouseDetectThreadProc,
    MousePadDetectThreadProc,
    MouseSyncReaderThreadProc,
    KeyboardSyncReaderThreadProc,
    KeyboardLightingThreadProc,
    MouseLightingThreadProc,
    MousePadLightingThreadProc,
    SyncLightingThreadProc,
    KeyboardDeviceProfileWatchThreadProc,
    KeyboardKeyProfileWatchThreadProc,
    MouseDeviceProfileWatchThreadProc,
    MouseKeyProfileWatchThreadProc,
    MousePadLightProfileWatchThreadProc,
    HeadsetDetectThreadProc,
    HeadsetLightingThreadProc,
    HeadsetK27DetectThreadProc,
    HeadsetK27LightingThreadProc,
};

namespace {
// The keyboard's detection gets a head start on the device bus.
constexpr DWORD kPauseAfterFirstThreadMs = 20;
constexpr DWORD kStopWaitMs = 10000;

const wchar_t* StopOutcomeText(DWORD result, DWORD count) {
  if (result < WAIT_OBJECT_0 + count) return L"\u6240\u6709\u5BF9\u8C61\u5904\u4E8E\u6FC0\u53D1\u72B6\u6001\n";
  if (result >= WAIT_ABANDONED_0 && result < WAIT_ABANDONED_0 + count)
    return L"\u6240\u6709\u5BF9\u8C61\u5904\u4E8E\u6FC0\u53D1\u72B6\u6001\uFF0C\u4F46\u5176\u4E2D\u6709\u672A\u91CA"
           L"\u653E\u7684Mutex \u5BF9\u8C61\n";
  if (result == WAIT_TIMEOUT) return L"\u6240\u6709\u5BF9\u8C61\u5904\u4E8E\u975E\u6FC0\u53D1\u72B6\u6001\uFF0C\u8D85\u65F6\n";
  return L"\u9519\u8BEF\n";
}
}  // namespace

void SelectDeviceTabFromWorker(CMainWnd& window, const wchar_t* tab) {
  std::lock_guard<std::recursive_mutex> guard(window.m_uiLock);
  if (COptionUI* option = window.Find<COptionUI>(tab)) option->Selected(true, true);
}

void ShowDeviceTabFromWorker(CMainWnd& window, const wchar_t* tab) {
  std::lock_guard<std::recursive_mutex> guard(window.m_uiLock);
  if (CControlUI* option = window.Find(tab)) option->SetVisible(true);
  SelectDeviceTabFromWorker(window, tab);
}

unsigned RunUntilStopped(void* parameter, const wchar_t* exitLine) {
  const HANDLE stopEvent = static_cast<WorkerThreadParam*>(parameter)->stopEvent;
  return RunWorkerLoop(
      stopEvent, 0,
      [stopEvent] {
        PauseUnlessStopped(stopEvent, INFINITE);
        return WorkerPassResult::NextPass;
      },
      exitLine);
}

void CMainWnd::StartWorkerThreads() {
  m_workerThreadsEnded = false;
  for (int i = 0; i < kWorkerThreadCount; ++i) {
    m_stopEvents[i] = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    m_threadParams[i] = WorkerThreadParam{this, m_stopEvents[i]};
  }
  for (int i = 0; i < kWorkerThreadCount; ++i) {
    m_threadHandles[i] = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, kWorkerThreadProcs[i], &m_threadParams[i], 0, nullptr));
    if (i == 0) CurrentClock().Sleep(kPauseAfterFirstThreadMs);
  }
}

// Only threads that were created are waited for. When one has not ended in time, nothing it may
// still use is freed: its stop event stays open and the window object is kept (the process ends
// right after).
void CMainWnd::StopWorkerThreads() {
  ::ShowWindow(m_hWnd, SW_HIDE);
  for (HANDLE stopEvent : m_stopEvents)
    if (stopEvent) SetEvent(stopEvent);
  std::vector<HANDLE> running;
  for (HANDLE thread : m_threadHandles)
    if (thread) running.push_back(thread);
  const DWORD count = static_cast<DWORD>(running.size());
  DWORD result = WAIT_OBJECT_0;
  if (count > 0) result = CurrentClock().WaitForObjects(count, running.data(), true, kStopWaitMs);
  DebugLine(StopOutcomeText(result, count == 0 ? 1 : count));
  m_workerThreadsEnded = result < WAIT_OBJECT_0 + (count == 0 ? 1 : count);
  if (!m_workerThreadsEnded) return;
  for (int i = 0; i < kWorkerThreadCount; ++i) {
    if (m_threadHandles[i]) CloseHandle(m_threadHandles[i]);
    if (m_stopEvents[i]) CloseHandle(m_stopEvents[i]);
    m_threadHandles[i] = nullptr;
    m_stopEvents[i] = nullptr;
  }
}
