// Demo program only: the simulated keyboard, mouse and mouse pad stand on the HID seam before the
// panel starts, so that the demo run needs no hardware. The release program never links this.
#include "hid_backend.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {
struct DemoDevices {
  DemoDevices() {
    bus.SetEmptySyncReadsWait(true);
    bus.Attach(MakeSimulatedKeyboard());
    bus.Attach(MakeSimulatedMouse());
    bus.Attach(MakeSimulatedMousePad());
    InstallHidBackend(&bus);
  }
  SimulatedHidBackend bus;
};

// Made before wWinMain runs, and so before the main window's command channels.
DemoDevices demoDevices;
}  // namespace
