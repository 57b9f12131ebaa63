#include "clock.h"

#include <atomic>

namespace {
class WindowsClock : public Clock {
 public:
  DWORD TickCount() override { return GetTickCount(); }
  void Sleep(DWORD milliseconds) override { ::Sleep(milliseconds); }
  bool WaitForEvent(HANDLE event, DWORD milliseconds) override {
    return WaitForSingleObject(event, milliseconds) != WAIT_TIMEOUT;
  }
  DWORD WaitForObjects(DWORD count, const HANDLE* handles, bool waitAll, DWORD milliseconds) override {
    return WaitForMultipleObjects(count, handles, waitAll, milliseconds);
  }
};

std::atomic<Clock*> installedClock{nullptr};
}  // namespace

Clock& CurrentClock() {
  static WindowsClock windowsClock;
  Clock* installed = installedClock.load();
  return installed ? *installed : windowsClock;
}

void InstallClock(Clock* clock) { installedClock.store(clock); }
