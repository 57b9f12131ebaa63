#pragma once
// The reader of a device's hardware-sync interface (usage page 0x0C, usage 1), the second
// interface on which the keyboard and the mouse announce their own changes. It uses a HidDevice of
// its own, outside the device's command channel and its lock; the device is closed when the
// reader goes, so its owner (a worker thread) decides its lifetime.
#include <cstdint>

#include "hid_device.h"

class HardwareSyncReader {
 public:
  HardwareSyncReader(uint16_t vendorId, uint16_t productId, HidBackend& backend = CurrentHidBackend());
  // Closed: looks for the interface and opens it (0). Open: reads one report (500 ms at most) and
  // returns the first consumer usage it announces, 0 for none; when nothing came and the
  // interface is gone, closes it.
  uint16_t Step();
  bool IsOpen() const { return open_; }
  // Ends a read in progress from another thread.
  void Close() { device_.Close(); }

 private:
  bool OpenInterface();
  uint16_t ReadUsage();

  uint16_t vendorId_;
  uint16_t productId_;
  HidDevice device_;
  bool open_ = false;
};
