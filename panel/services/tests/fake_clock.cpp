#include "fake_clock.h"

FakeClock::FakeClock() { InstallClock(this); }

FakeClock::~FakeClock() { InstallClock(nullptr); }

void FakeClock::Sleep(DWORD milliseconds) { Pass(milliseconds); }

bool FakeClock::WaitForEvent(HANDLE event, DWORD milliseconds) {
  ++waits_;
  if (WaitForSingleObject(event, 0) != WAIT_TIMEOUT) return true;
  if (milliseconds == INFINITE) return WaitForSingleObject(event, INFINITE) != WAIT_TIMEOUT;
  if (milliseconds == 0) return false;  // a look at the event passes no time
  Pass(milliseconds);
  return false;
}

DWORD FakeClock::WaitForObjects(DWORD count, const HANDLE* handles, bool waitAll, DWORD milliseconds) {
  ++waits_;
  const DWORD now = WaitForMultipleObjects(count, handles, waitAll, 0);
  if (now != WAIT_TIMEOUT || milliseconds == 0) return now;
  if (milliseconds == INFINITE) return WaitForMultipleObjects(count, handles, waitAll, INFINITE);
  Pass(milliseconds);
  return WAIT_TIMEOUT;
}

std::vector<DWORD> FakeClock::Pauses() const {
  std::lock_guard<std::mutex> lock(lock_);
  return pauses_;
}

void FakeClock::Pass(DWORD milliseconds) {
  std::lock_guard<std::mutex> lock(lock_);
  pauses_.push_back(milliseconds);
  elapsed_ += milliseconds;
}

void StopDuringPause::Sleep(DWORD milliseconds) {
  if (milliseconds == pauseMs_) SetEvent(stop_);
  FakeClock::Sleep(milliseconds);
}

bool StopDuringPause::WaitForEvent(HANDLE event, DWORD milliseconds) {
  if (event == stop_ && milliseconds == pauseMs_) SetEvent(stop_);
  return FakeClock::WaitForEvent(event, milliseconds);
}
