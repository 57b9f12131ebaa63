// Demo program only: the simulated devices stand on the HID seam before the panel starts, so that
// the demo run needs no hardware, and the control channel serves scripts and the walk-through. The
// release program never links this.
#include <cstdlib>

#include "demo_control_window.h"
#include "demo_run.h"
#include "message_loop_hook.h"

namespace {
std::string PluggedAtStart() {
  const char* value = std::getenv("KARVO_DEMO_DEVICES");
  return value ? value : "";
}

void StartControlChannel();

// Made before wWinMain runs, and so before the main window's command channels. The control window
// waits for the window thread's message loop: made here, before the desktop was up, it could come
// up as a hidden top-level window that no client looks for.
struct DemoProgram {
  DemoProgram() : run(PluggedAtStart()) { RunBeforeMessageLoop(StartControlChannel); }
  DemoRun run;
} demoProgram;

void StartControlChannel() { StartDemoControlWindow(demoProgram.run); }
}  // namespace
