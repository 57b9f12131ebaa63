#pragma once
#include <mutex>

// The lock of a device state that workers and the window share: held while a read of the device
// commits what it read, and while a profile load replaces parts of the state, never while waiting
// for a device. A copy of the state gets a lock of its own; copying copies the values only.
class StateLock {
 public:
  StateLock() = default;
  StateLock(const StateLock&) {}
  StateLock& operator=(const StateLock&) { return *this; }

  void lock() { mutex_.lock(); }
  void unlock() { mutex_.unlock(); }
  bool try_lock() { return mutex_.try_lock(); }

 private:
  std::recursive_mutex mutex_;
};
