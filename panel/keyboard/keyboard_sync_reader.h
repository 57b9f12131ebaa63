#pragma once
#include <cstdint>

#include "hardware_sync_reader.h"

// What the keyboard announces on its hardware-sync interface.
enum class KeyboardChange { None, SettingsChanged, DeviceChanged };
constexpr uint16_t KEYBOARD_USAGE_SETTINGS_CHANGED = 0x401;
constexpr uint16_t KEYBOARD_USAGE_DEVICE_CHANGED = 0x402;

// Reads the change reports of the one-colour keyboard (vendor 0x0C45, product 0x0632; the other
// models have no such interface the panel reads), step by step.
class KeyboardSyncReader {
 public:
  explicit KeyboardSyncReader(HidBackend& backend = CurrentHidBackend());
  // Closed: looks for the interface and opens it. Open: reads one report (500 ms at most) and
  // returns the change it announces; when nothing came and the interface is gone, closes it.
  KeyboardChange Step();
  bool IsOpen() const { return reader_.IsOpen(); }
  // The reader's own device, separate from the command channel's, closed as its thread ends.
  void CloseKeyboardSyncReaderDevice() { reader_.Close(); }

 private:
  HardwareSyncReader reader_;
};
