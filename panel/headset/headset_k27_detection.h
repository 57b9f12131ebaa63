#pragma once
#include <atomic>
#include <cstdint>

#include "device_command_channel.h"

constexpr uint16_t HEADSET_K27_VENDOR = 0x0D8C;
constexpr uint16_t HEADSET_K27_PRODUCT = 0x01DA;
constexpr uint16_t HEADSET_K27_USAGE_PAGE = 0x0C;
constexpr uint16_t HEADSET_K27_USAGE = 1;

// What one detection pass found; the window side carries it out.
struct HeadsetK27Detection {
  enum class Event { None, Found, Lost, EnumerationFailed };
  Event event = Event::None;
  bool firstFind = false;  // found on the first pass, which "TRAMOLEX_001" announces
};

// The K27 headset's presence, pass by pass, holding the channel's lock throughout: while connected
// it probes the interface's path, otherwise it looks among the HID interfaces of the headset's
// vendor for the headset's own and leaves it open in the channel, where the lighting and the exit
// reports find it. Each find counts a new connection.
class HeadsetK27Detector {
 public:
  HeadsetK27Detector(DeviceCommandChannel& channel, std::atomic<uint32_t>& connections);
  HeadsetK27Detection RunPass();

 private:
  HeadsetK27Detection Search();
  bool OpenIfHeadset(const std::wstring& path);

  DeviceCommandChannel& channel_;
  std::atomic<uint32_t>& connections_;
  bool firstPass_ = true;
};
