#pragma once
#include <windows.h>

#include <atomic>

// A device's presence: set and cleared by its detection thread, read by every thread without a
// lock. A thread that has nothing to do while the device is away waits on it instead of polling.
class ConnectionFlag {
 public:
  ConnectionFlag();
  ~ConnectionFlag();
  ConnectionFlag(const ConnectionFlag&) = delete;
  ConnectionFlag& operator=(const ConnectionFlag&) = delete;

  ConnectionFlag& operator=(int connected);
  operator int() const { return value_; }

  // Set while the device is connected; for waits (PauseUntilConnected).
  HANDLE ConnectedEvent() const { return connected_; }

 private:
  std::atomic<int> value_{0};
  HANDLE connected_;  // manual-reset: set while the value is non-zero
};
