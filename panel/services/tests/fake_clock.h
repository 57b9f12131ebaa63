#pragma once
#include <windows.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "clock.h"

// A clock whose time moves only when the code under test sleeps or waits out a time-out, so that
// pauses of seconds take no wall time. Installed for the object's lifetime.
class FakeClock : public Clock {
 public:
  FakeClock();
  ~FakeClock() override;
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  DWORD TickCount() override { return start_ + elapsed_.load(); }
  void Sleep(DWORD milliseconds) override;
  // Set events end the wait at once without time passing; INFINITE really waits for the event.
  bool WaitForEvent(HANDLE event, DWORD milliseconds) override;
  // Likewise for a set of handles.
  DWORD WaitForObjects(DWORD count, const HANDLE* handles, bool waitAll, DWORD milliseconds) override;

  DWORD Elapsed() const { return elapsed_.load(); }
  // Every sleep and every timed-out wait, in milliseconds, in order.
  std::vector<DWORD> Pauses() const;
  // Every wait asked for, timed out or not, looks included: each is a call into the system.
  int Waits() const { return waits_.load(); }

 private:
  void Pass(DWORD milliseconds);

  const DWORD start_ = 0x10000;
  std::atomic<DWORD> elapsed_{0};
  std::atomic<int> waits_{0};
  mutable std::mutex lock_;
  std::vector<DWORD> pauses_;
};

// A fake clock on which the stop of a worker arrives just as a pause of the given length begins:
// `stop` is set as a sleep or a wait on it of that length starts.
class StopDuringPause : public FakeClock {
 public:
  StopDuringPause(HANDLE stop, DWORD pauseMs) : stop_(stop), pauseMs_(pauseMs) {}
  void Sleep(DWORD milliseconds) override;
  bool WaitForEvent(HANDLE event, DWORD milliseconds) override;

 private:
  HANDLE stop_;
  DWORD pauseMs_;
};
