// Demo program only: the simulated devices stand on the HID seam before the panel starts, so that
// the demo run needs no hardware. The release program never links this.
#include <cstdlib>

#include "demo_run.h"

namespace {
std::string PluggedAtStart() {
  const char* value = std::getenv("KARVO_DEMO_DEVICES");
  return value ? value : "";
}

// Made before wWinMain runs, and so before the main window's command channels.
DemoRun demoRun(PluggedAtStart());
}  // namespace
