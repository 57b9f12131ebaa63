// Demo program only: the simulated devices stand on the HID seam before the panel starts, so that
// the demo run needs no hardware, and the control channel serves scripts and the walk-through. The
// release program never links this.
#include <cstdlib>

#include "demo_control_window.h"
#include "demo_run.h"

namespace {
std::string PluggedAtStart() {
  const char* value = std::getenv("KARVO_DEMO_DEVICES");
  return value ? value : "";
}

// Made before wWinMain runs, and so before the main window's command channels, on the thread that
// becomes the window thread.
struct DemoProgram {
  DemoProgram() : run(PluggedAtStart()) { StartDemoControlWindow(run); }
  DemoRun run;
} demoProgram;
}  // namespace
