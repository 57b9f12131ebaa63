#include "demo_device_set.h"

#include "simulated_device_models.h"

void AttachDemoDevices(SimulatedHidBackend& bus) {
  bus.SetEmptySyncReadsWait(true);
  bus.Attach(MakeSimulatedKeyboard());
  bus.Attach(MakeSimulatedMouse());
  bus.Attach(MakeSimulatedMousePad());
}
