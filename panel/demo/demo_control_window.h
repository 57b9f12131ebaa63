#pragma once

class DemoRun;

// Creates the control channel's message-only window on the calling thread, which must be the
// thread that becomes the panel's window thread: its message loop then serves the commands.
void StartDemoControlWindow(DemoRun& run);
