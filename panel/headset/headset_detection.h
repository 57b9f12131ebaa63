#pragma once
#include <vector>

#include "audio_control_library.h"
#include "device_command_channel.h"

// The first family's presence, read from the device list that the audio control library keeps.

// Which of the other devices' channels report connected.
struct OtherDevicesConnected {
  bool keyboard = false;
  bool mouse = false;
  bool mousePad = false;
  bool Any() const { return keyboard || mouse || mousePad; }
};

// What one detection pass found; the window side carries it out.
struct HeadsetDetection {
  enum class Event { None, Arrived, StillThere, Lost };
  Event event = Event::None;
  bool selectTab = false;        // Arrived: "hs_tab" is selected, no other device being there
  bool announce = false;         // the first pass found the headset: "TRAMOLEX_001" follows
  bool sameModeVisible = false;  // StillThere: "hs_deng_same_mode" shows
};

// What a loss does to the window when "hs_tab" was selected: the other devices' tabs to select, in
// this order (the last stays), or, with none connected, the window goes.
enum class DeviceTab { Keyboard, Mouse, MousePad };
struct HeadsetLossTakeOver {
  std::vector<DeviceTab> tabs;
  bool lastDeviceLost = false;
};
HeadsetLossTakeOver DecideHeadsetLossTakeOver(bool headsetTabSelected, const OtherDevicesConnected& others);

// The detection thread's passes. Each pass asks the library under the channel's lock and keeps the
// presence in the channel's connected flag.
class HeadsetDetector {
 public:
  HeadsetDetector(const AudioControlLibraryLoader& library, DeviceCommandChannel& channel);
  HeadsetDetection RunPass(const OtherDevicesConnected& others);

 private:
  bool HeadsetListed();

  const AudioControlLibraryLoader& library_;
  DeviceCommandChannel& channel_;
  bool firstPass_ = true;
};
