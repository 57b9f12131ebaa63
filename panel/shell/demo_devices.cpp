// Demo program only: the simulated keyboard, mouse, mouse pad and K27 headset stand on the HID
// seam before the panel starts, so that the demo run needs no hardware. The release program never
// links this.
#include "hid_backend.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {
struct DemoDevices {
  DemoDevices() {
    // The panel runs for as long as its user likes: its readers must block, not spin.
    bus.SetReadsWaitInRealTime(true);
    bus.Attach(MakeSimulatedKeyboard());
    bus.Attach(MakeSimulatedMouse());
    bus.Attach(MakeSimulatedMousePad());
    bus.Attach(MakeSimulatedHeadsetK27());
    InstallHidBackend(&bus);
  }
  SimulatedHidBackend bus;
};

// Made before wWinMain runs, and so before the main window's command channels.
DemoDevices demoDevices;
}  // namespace
