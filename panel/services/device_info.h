#pragma once
#include <cstdint>

// The 33 bytes a device answers to command 0x03. The panel reads only the fields below.
struct DeviceInfo {
  static constexpr int kSize = 33;
  uint8_t bytes[kSize] = {};

  uint8_t KeySlotCount() const { return bytes[5]; }       // keyboard; the transfer size is this × 3
  uint8_t MacroMemoryUnits() const { return bytes[6]; }   // macro memory in 128-byte units
  uint16_t SensorId() const { return Word(9); }           // mouse
  uint8_t DpiStep() const { return bytes[11]; }           // mouse: DPI per slider unit
  uint8_t DpiSliderMaximum() const { return bytes[12]; }  // mouse
  uint16_t DpiMinimum() const { return Word(13); }        // mouse; the mouse page writes its own
  void SetDpiMinimum(uint16_t dpi) {
    bytes[13] = static_cast<uint8_t>(dpi);
    bytes[14] = static_cast<uint8_t>(dpi >> 8);
  }

 private:
  uint16_t Word(int at) const { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); }
};
