#pragma once
#include <windows.h>

// Time as the panel's threads see it: the tick count, sleeps, and waits on an event with a
// time-out. The Windows clock is used unless a test installs another, so that no test sleeps
// through a real period.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DWORD TickCount() = 0;
  virtual void Sleep(DWORD milliseconds) = 0;
  // Waits at most `milliseconds` (INFINITE: without limit) for `event`; true when the event is set
  // or the wait failed, false on the time-out.
  virtual bool WaitForEvent(HANDLE event, DWORD milliseconds) = 0;
  // Waits at most `milliseconds` for all of `handles` (`waitAll`) or any one of them;
  // WaitForMultipleObjects' result.
  virtual DWORD WaitForObjects(DWORD count, const HANDLE* handles, bool waitAll, DWORD milliseconds) = 0;
};

Clock& CurrentClock();
// Null restores the Windows clock.
void InstallClock(Clock* clock);
