#include "stop_protocol.h"

#include "clock.h"
#include "diagnostics.h"

namespace {
constexpr DWORD kPassTopWaitMs = 1;

// What this thread's waits on its stop event owe and have seen. Every wait on the event is a call
// into the system (under Wine a request to its server) even when it does not sleep, so the top of a
// pass only waits when its last pass has not looked at the event.
struct PassLook {
  DWORD owedTopWaitMs = 0;  // the top wait that the pass's first pause has not taken over yet
  bool paused = false;      // the last pass waited on the event
  bool stopped = false;     // and that wait saw the stop
};
thread_local PassLook look;

bool Looked(bool stopped) {
  look.owedTopWaitMs = 0;
  look.paused = true;
  look.stopped = stopped;
  return stopped;
}
}  // namespace

// A pass that paused needs no look here: every pass starts either with its work and ends with a
// pause (detection, watchers), or starts with a pause (lighting), so a stop since its last pause is
// seen before any further work.
bool StopRequested(HANDLE stopEvent) {
  const PassLook last = look;
  look = PassLook{kPassTopWaitMs, false, false};
  if (last.paused) return last.stopped;
  return CurrentClock().WaitForEvent(stopEvent, last.owedTopWaitMs);
}

bool PauseUnlessStopped(HANDLE stopEvent, DWORD milliseconds) {
  const DWORD owed = look.owedTopWaitMs;
  return Looked(CurrentClock().WaitForEvent(stopEvent, milliseconds == INFINITE ? INFINITE : milliseconds + owed));
}

bool PauseBeforeEffectStep(HANDLE stopEvent, DWORD delayMs, DWORD thenMs) {
  return PauseUnlessStopped(stopEvent, (delayMs < kShortestEffectStepMs ? kShortestEffectStepMs : delayMs) + thenMs);
}

bool PauseUntilConnected(HANDLE stopEvent, const ConnectionFlag& connected) {
  const HANDLE events[] = {stopEvent, connected.ConnectedEvent()};
  return Looked(CurrentClock().WaitForObjects(2, events, false, INFINITE) != WAIT_OBJECT_0 + 1);
}

unsigned RunWorkerLoop(HANDLE stopEvent, DWORD startupPauseMs, const std::function<WorkerPassResult()>& pass,
                       const wchar_t* exitLine) {
  // A loop starts and ends with nothing owed or seen: the thread may run another one (tests do).
  struct ForgetPassLook {
    ForgetPassLook() { look = PassLook{}; }
    ~ForgetPassLook() { look = PassLook{}; }
  } forget;
  if (startupPauseMs == 0 || !PauseUnlessStopped(stopEvent, startupPauseMs)) {
    while (!StopRequested(stopEvent)) {
      if (pass() == WorkerPassResult::EndThread) return 0;
    }
  }
  DebugLine(exitLine);
  return 0;
}
