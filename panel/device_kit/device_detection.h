#pragma once
// The detection engine of the keyboard, mouse and mouse pad: one device's presence, pass by pass,
// on its command channel. While connected a pass re-checks the stored device path; otherwise it
// looks among the HID interfaces for the channel's identity (vendor and product ids, usage page
// and usage) and opens it. Each pass holds the channel's lock throughout, also while the device's
// own reactions run, so nothing else talks to the device between its find and its read-back.
#include <functional>

#include "device_command_channel.h"

enum class DetectionEvent { None, Found, Lost, StillThere };

// What the device does at each event, on the detection thread with the channel's lock held.
struct DetectionReactions {
  std::function<void()> found;       // the channel is open and marked connected
  std::function<void()> lost;        // the connected and lighting-sync flags are cleared
  std::function<void()> stillThere;
};

struct DetectionPass {
  DetectionEvent event = DetectionEvent::None;
  // A find on the first pass, which the panel announces to its window once.
  bool firstFind = false;
};

// Whether an interface of the channel's vendor, usage page and usage is the device, by its product
// id; null takes the channel's own product id only.
using ProductTest = std::function<bool(uint16_t productId)>;

class DeviceDetector {
 public:
  explicit DeviceDetector(DeviceCommandChannel& channel, ProductTest isProduct = nullptr);
  // A failed enumeration finds nothing and leaves the next pass to try again.
  DetectionPass RunPass(const DetectionReactions& reactions);

 private:
  bool Search();
  bool OpenIfDevice(const wchar_t* path);

  DeviceCommandChannel& channel_;
  ProductTest isProduct_;
  bool firstPass_ = true;
};
