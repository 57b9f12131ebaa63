#pragma once
#include <windows.h>

#include <functional>

#include "connection_flag.h"

// The stop protocol of every worker thread: each pass begins by looking at the thread's own stop
// event, waiting at most 1 ms, and every pause is a wait on that event, so a stop ends the thread at
// once. A thread never sets or clears its own stop event. All waits go through the clock seam.
//
// Each wait wakes the thread and calls into the system, so the top's millisecond is waited with the
// pass's first pause (a pass wakes once per pause, at the same pace), and a pass whose last pass
// paused does not look again: passes either end with their pause or begin with one, so a stop is
// still seen before any further work. A pass without a pause waits its millisecond at the next
// pass's top.

// True when the thread is to end (the event is set, or the wait failed).
bool StopRequested(HANDLE stopEvent);
// A pause inside a pass; true when it was ended by a stop.
bool PauseUnlessStopped(HANDLE stopEvent, DWORD milliseconds);
// The pause before a lighting effect's next step: its delay, but never below one tick of Windows'
// default timer, and then `thenMs` more. A delay of 0 (the fastest speed) left the pace to the 1 ms
// wait at the pass's top, which a finer timer turns into a thousand passes a second, each sending
// a frame.
constexpr DWORD kShortestEffectStepMs = 15;
bool PauseBeforeEffectStep(HANDLE stopEvent, DWORD delayMs, DWORD thenMs = 0);
// The pause of a pass that has nothing to do while its device is away: it lasts until the device is
// connected or the stop comes, so an idle thread does not wake to look again. True when stopped.
bool PauseUntilConnected(HANDLE stopEvent, const ConnectionFlag& connected);

// What a pass tells its loop.
enum class WorkerPassResult {
  NextPass,   // go on; a stop that ended a pause inside the pass is seen at the next pass's top
  EndThread,  // the work cannot go on (a failed HID enumeration, say): ends without the exit line
};

// A worker thread's body: a start-up pause on the stop event (0: none), then passes until a stop,
// which writes `exitLine` to the diagnostics, or until a pass ends the thread. Returns the thread's
// exit code, 0.
unsigned RunWorkerLoop(HANDLE stopEvent, DWORD startupPauseMs, const std::function<WorkerPassResult()>& pass,
                       const wchar_t* exitLine);
