// Prints the reports of the keyboard, mouse and mouse-pad read-backs as they cross the wire of
// the simulated devices, so that a reader can see the command protocol at work.
#include <cstdio>
#include <memory>

#include "channel_scenarios.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {
void PrintReadBack(const char* title, const std::shared_ptr<SimulatedDevice>& device,
                   void (*readBack)(DeviceCommandChannel&)) {
  SimulatedHidBackend bus;
  const std::wstring path = bus.Attach(device);
  DeviceCommandChannel channel(bus);
  if (!ConnectChannel(channel, path)) {
    std::printf("%s: cannot open %ls\n", title, path.c_str());
    return;
  }
  readBack(channel);
  std::printf("== %s read-back (%ls)\n", title, path.c_str());
  for (const WireRecord& record : device->WireLog()) std::printf("%s\n", FormatWireRecord(record).c_str());
  std::printf("\n");
}
}  // namespace

int main() {
  PrintReadBack("keyboard", MakeSimulatedKeyboard(SIMULATED_KEYBOARD_ONECOLOR), RunKeyboardReadBack);
  PrintReadBack("mouse", MakeSimulatedMouse(), RunMouseReadBack);
  PrintReadBack("mouse pad", MakeSimulatedMousePad(), RunMousePadReadBack);
  return 0;
}
