#pragma once
#include "simulated_hid_backend.h"

// Every simulated device that the demo panel runs with, attached to `bus`; the idle benchmark
// runs the panel with the same set.
void AttachDemoDevices(SimulatedHidBackend& bus);
