#pragma once
// A mouse-pad channel with the panel's identity on a bus of simulated devices, a pad state and a
// folder of its own.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "device_command_channel.h"
#include "mouse_identities.h"
#include "mousepad_state.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

struct MousePadFixture : ::testing::Test {
  SimulatedHidBackend bus;
  DeviceCommandChannel channel{bus};
  MousePadState state;
  TempFolder folder;
  std::shared_ptr<SimulatedDevice> pad = MakeSimulatedMousePad();

  MousePadFixture() {
    channel.SetIdentity(kMousePadIdentity.vendorId, kMousePadIdentity.productId, kMousePadIdentity.usage,
                        kMousePadIdentity.usagePage);
  }

  // Plugs the pad in and connects the channel to it as detection does.
  void Connect() {
    channel.m_device.Open(bus.Attach(pad), true, true, true, false);
    channel.m_connected = 1;
  }

  // (command, length, offset) of every request, in order.
  std::vector<std::array<int, 3>> Shapes() const {
    std::vector<std::array<int, 3>> shapes;
    for (const CommandReport& r : pad->Requests())
      shapes.push_back({r[COMMAND_FIELD_COMMAND], r[COMMAND_FIELD_LENGTH], CommandReportOffset(r.data())});
    return shapes;
  }
};
