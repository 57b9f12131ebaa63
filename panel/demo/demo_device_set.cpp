#include "demo_device_set.h"

#include "simulated_device_models.h"

void AttachDemoDevices(SimulatedHidBackend& bus) {
  // The panel runs for as long as its user likes: its readers must block, not spin.
  bus.SetReadsWaitInRealTime(true);
  bus.Attach(MakeSimulatedKeyboard());
  bus.Attach(MakeSimulatedMouse());
  bus.Attach(MakeSimulatedMousePad());
  bus.Attach(MakeSimulatedHeadsetK27());
}
