// Demo program only: the simulated devices stand on the HID seam before the panel starts, so that
// the demo run needs no hardware. The release program never links this.
#include "demo_device_set.h"

namespace {
struct DemoDevices {
  DemoDevices() {
    AttachDemoDevices(bus);
    InstallHidBackend(&bus);
  }
  SimulatedHidBackend bus;
};

// Made before wWinMain runs, and so before the main window's command channels.
DemoDevices demoDevices;
}  // namespace
