#pragma once
#include <string>

class DemoRun;

// Runs one command of the control channel and gives its answer ("help" lists them). Runs on the
// window thread, where the main window's controls and the panel's own messages are.
std::string RunDemoCommand(DemoRun& run, const std::string& line);
