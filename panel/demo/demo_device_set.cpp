#include "demo_device_set.h"

#include <sstream>

#include "simulated_device_models.h"

namespace {
const char* const kNames[kDemoDeviceCount] = {"keyboard", "mouse", "mousepad", "headset", "k27"};
}  // namespace

const char* DemoDeviceName(DemoDevice device) { return kNames[static_cast<size_t>(device)]; }

bool DemoDeviceByName(const std::string& name, DemoDevice& device) {
  for (size_t i = 0; i < kDemoDeviceCount; ++i)
    if (name == kNames[i]) {
      device = static_cast<DemoDevice>(i);
      return true;
    }
  return false;
}

std::array<bool, kDemoDeviceCount> ParsePluggedDemoDevices(const std::string& text, std::string& unknown) {
  std::array<bool, kDemoDeviceCount> plugged{};
  unknown.clear();
  if (text.find_first_not_of(" ,") == std::string::npos) {
    plugged.fill(true);
    return plugged;
  }
  std::istringstream list(text);
  for (std::string name; std::getline(list, name, ',');) {
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    DemoDevice device;
    if (DemoDeviceByName(name, device)) plugged[static_cast<size_t>(device)] = true;
    else if (!name.empty()) unknown += (unknown.empty() ? "" : ",") + name;
  }
  return plugged;
}

DemoDeviceSet::DemoDeviceSet(SimulatedHidBackend& bus) {
  // The panel runs for as long as its user likes: its readers must block, not spin.
  bus.SetReadsWaitInRealTime(true);
  devices_[static_cast<size_t>(DemoDevice::Keyboard)] = MakeSimulatedKeyboard(SIMULATED_KEYBOARD_RGB);
  devices_[static_cast<size_t>(DemoDevice::Mouse)] = MakeSimulatedMouse();
  devices_[static_cast<size_t>(DemoDevice::MousePad)] = MakeSimulatedMousePad();
  devices_[static_cast<size_t>(DemoDevice::HeadsetK27)] = MakeSimulatedHeadsetK27();
  for (const auto& device : devices_)
    if (device) bus.Attach(device);
}

std::shared_ptr<SimulatedDevice> DemoDeviceSet::Device(DemoDevice device) const {
  return devices_[static_cast<size_t>(device)];
}

void AttachDemoDevices(SimulatedHidBackend& bus) { DemoDeviceSet set(bus); }
