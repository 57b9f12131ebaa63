#pragma once
// A command channel connected to one simulated device.
#include <gtest/gtest.h>

#include "channel_scenarios.h"
#include "device_command_channel.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

struct SimulatedChannelFixture : ::testing::Test {
  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> device = MakeSimulatedMouse();
  DeviceCommandChannel channel{bus};

  void SetUp() override { ASSERT_TRUE(ConnectChannel(channel, bus.Attach(device))); }

  // (command, length, offset) of every request the device received, in order.
  std::vector<std::array<int, 3>> RequestShapes() const {
    std::vector<std::array<int, 3>> shapes;
    for (const CommandReport& r : device->Requests())
      shapes.push_back({r[COMMAND_FIELD_COMMAND], r[COMMAND_FIELD_LENGTH], CommandReportOffset(r.data())});
    return shapes;
  }
  size_t CountOf(WireEvent event) const {
    size_t count = 0;
    for (const WireRecord& record : device->WireLog()) count += record.event == event;
    return count;
  }
};
