#include "stop_protocol.h"

#include "clock.h"
#include "diagnostics.h"

namespace {
constexpr DWORD kPassTopWaitMs = 1;
// The top wait of this thread's pass that its first pause has not taken over yet.
thread_local DWORD owedTopWaitMs = 0;
}  // namespace

bool StopRequested(HANDLE stopEvent) {
  const DWORD owed = owedTopWaitMs;
  owedTopWaitMs = kPassTopWaitMs;
  return CurrentClock().WaitForEvent(stopEvent, owed);
}

bool PauseUnlessStopped(HANDLE stopEvent, DWORD milliseconds) {
  const DWORD owed = owedTopWaitMs;
  owedTopWaitMs = 0;
  return CurrentClock().WaitForEvent(stopEvent, milliseconds == INFINITE ? INFINITE : milliseconds + owed);
}

bool PauseBeforeEffectStep(HANDLE stopEvent, DWORD delayMs, DWORD thenMs) {
  return PauseUnlessStopped(stopEvent, (delayMs < kShortestEffectStepMs ? kShortestEffectStepMs : delayMs) + thenMs);
}

bool PauseUntilConnected(HANDLE stopEvent, const ConnectionFlag& connected) {
  owedTopWaitMs = 0;
  const HANDLE events[] = {stopEvent, connected.ConnectedEvent()};
  return CurrentClock().WaitForObjects(2, events, false, INFINITE) != WAIT_OBJECT_0 + 1;
}

unsigned RunWorkerLoop(HANDLE stopEvent, DWORD startupPauseMs, const std::function<WorkerPassResult()>& pass,
                       const wchar_t* exitLine) {
  // What the last pass owes is dropped with the loop: the thread may run another one (tests do).
  struct ForgetOwedTopWait {
    ~ForgetOwedTopWait() { owedTopWaitMs = 0; }
  } forget;
  if (startupPauseMs == 0 || !PauseUnlessStopped(stopEvent, startupPauseMs)) {
    while (!StopRequested(stopEvent)) {
      if (pass() == WorkerPassResult::EndThread) return 0;
    }
  }
  DebugLine(exitLine);
  return 0;
}
