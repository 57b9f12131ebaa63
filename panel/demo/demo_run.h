#pragma once
#include <string>

#include "demo_device_set.h"
#include "simulated_hid_backend.h"

// The demo program's own state: the simulated devices on the HID seam (installed before the main
// window's command channels are made) and the plugging of every device, the first headset's
// through the stand-in audio library's steering.
class DemoRun {
 public:
  // `plugged` as KARVO_DEMO_DEVICES gives it: a comma-separated list of device names, empty for all.
  explicit DemoRun(const std::string& plugged);
  // At the end of the process: the logs into the folder KARVO_DEMO_LOG_FOLDER names, if any. The
  // devices' kept memory comes from and goes to the folder KARVO_DEMO_DEVICE_MEMORY names, if any.
  ~DemoRun();

  // "" when done, else why not.
  std::string SetPlugged(DemoDevice device, bool plugged);
  const DemoDeviceSet& Devices() const { return devices_; }

 private:
  void WriteExitLogs(const std::wstring& folder) const;

  SimulatedHidBackend bus_;
  DemoDeviceSet devices_;
};

// The stand-in audio libraries as the panel loaded them (null before it did).
HMODULE AudioControlStandinModule();
HMODULE AudioConfigStandinModule();
