#include "stop_protocol.h"

#include "clock.h"
#include "diagnostics.h"

namespace {
constexpr DWORD kPassTopWaitMs = 1;
}

bool StopRequested(HANDLE stopEvent) { return PauseUnlessStopped(stopEvent, kPassTopWaitMs); }

bool PauseUnlessStopped(HANDLE stopEvent, DWORD milliseconds) {
  return CurrentClock().WaitForEvent(stopEvent, milliseconds);
}

bool PauseBeforeEffectStep(HANDLE stopEvent, DWORD delayMs) {
  return PauseUnlessStopped(stopEvent, delayMs < kShortestEffectStepMs ? kShortestEffectStepMs : delayMs);
}

unsigned RunWorkerLoop(HANDLE stopEvent, DWORD startupPauseMs, const std::function<WorkerPassResult()>& pass,
                       const wchar_t* exitLine) {
  if (startupPauseMs == 0 || !PauseUnlessStopped(stopEvent, startupPauseMs)) {
    while (!StopRequested(stopEvent)) {
      if (pass() == WorkerPassResult::EndThread) return 0;
    }
  }
  DebugLine(exitLine);
  return 0;
}
