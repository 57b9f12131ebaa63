#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "simulated_hid_backend.h"

// The devices of the demo run. The first headset is no simulated HID device: the stand-in audio
// control library reports it, steered through the library's own exports.
enum class DemoDevice { Keyboard, Mouse, MousePad, Headset, HeadsetK27 };
constexpr size_t kDemoDeviceCount = 5;

// "keyboard", "mouse", "mousepad", "headset", "k27": the names the environment and the control
// channel use.
const char* DemoDeviceName(DemoDevice device);
// False for a name that is none of them.
bool DemoDeviceByName(const std::string& name, DemoDevice& device);

// Which devices are plugged in at start: a comma-separated list of names, or everything when the
// text is empty. Unknown names are left out and reported in `unknown`.
std::array<bool, kDemoDeviceCount> ParsePluggedDemoDevices(const std::string& text, std::string& unknown);

// The stand-in audio libraries decide when they load which devices they report: the first headset
// (the audio control library) and the K27's audio devices (the audio configuration library) only
// when that headset is plugged in at start. Sets STANDIN_HEADSET and STANDIN_K27 of this process.
void ReportPluggedHeadsetsFromAudioStandins(const std::array<bool, kDemoDeviceCount>& plugged);

// The simulated HID devices of a demo run, attached to a bus.
class DemoDeviceSet {
 public:
  // Every simulated device attached and plugged in, its reads waiting in real time.
  explicit DemoDeviceSet(SimulatedHidBackend& bus);
  // Null for the first headset, which has no simulated HID device.
  std::shared_ptr<SimulatedDevice> Device(DemoDevice device) const;

 private:
  std::array<std::shared_ptr<SimulatedDevice>, kDemoDeviceCount> devices_;
};

// Every simulated device of the demo attached to `bus` and plugged in; the idle benchmark runs the
// panel with the same set.
void AttachDemoDevices(SimulatedHidBackend& bus);

// What a device keeps while it is unplugged or the panel is not running: its settings, key, macro
// and script memory, one length-prefixed block each. A record is taken back only when every block
// has the length the device's own has (a file of another model changes nothing).
std::vector<uint8_t> EncodeKeptDeviceMemory(const SimulatedMemory& memory);
bool DecodeKeptDeviceMemory(const std::vector<uint8_t>& record, SimulatedMemory& memory);

// The kept memory of each simulated device as "<name>.memory" in `folder` (ending in a backslash):
// restored at the demo's start where a file is there, saved at its end, so that a restarted demo
// meets its devices as the user meets them after a restart.
void RestoreDemoDeviceMemories(const DemoDeviceSet& devices, const std::wstring& folder);
void SaveDemoDeviceMemories(const DemoDeviceSet& devices, const std::wstring& folder);
