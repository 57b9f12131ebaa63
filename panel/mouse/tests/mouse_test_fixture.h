#pragma once
// A mouse channel with the panel's identity on a bus of simulated devices, the mouse's working
// state reset, and a mouse data folder of its own.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "device_command_channel.h"
#include "mouse_identities.h"
#include "mouse_state.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

struct MouseFixture : ::testing::Test {
  SimulatedHidBackend bus;
  DeviceCommandChannel channel{bus};
  TempFolder folder;

  MouseFixture() {
    ResetMouseState();
    channel.SetIdentity(kMouseIdentity.vendorId, kMouseIdentity.productId, kMouseIdentity.usage,
                        kMouseIdentity.usagePage);
  }
  ~MouseFixture() override { ResetMouseState(); }

  // Attaches a mouse and connects the channel to it as detection does.
  std::shared_ptr<SimulatedDevice> Connect() {
    auto mouse = MakeSimulatedMouse();
    channel.m_device.Open(bus.Attach(mouse), true, true, true, false);
    channel.m_connected = 1;
    return mouse;
  }

  // (command, length, offset) of every request, in order.
  static std::vector<std::array<int, 3>> Shapes(const SimulatedDevice& device) {
    std::vector<std::array<int, 3>> shapes;
    for (const CommandReport& r : device.Requests())
      shapes.push_back({r[COMMAND_FIELD_COMMAND], r[COMMAND_FIELD_LENGTH], CommandReportOffset(r.data())});
    return shapes;
  }
  // The commands in order, each multi-report transfer counted once.
  static std::vector<int> Commands(const SimulatedDevice& device) {
    std::vector<int> commands;
    for (const auto& shape : Shapes(device))
      if (commands.empty() || commands.back() != shape[0] || shape[2] == 0) commands.push_back(shape[0]);
    return commands;
  }
};

// The mouse's working state as one comparable value.
struct MouseStateSnapshot {
  std::array<MouseSettingsBlock, MOUSE_PROFILES> blocks = MouseSettingsBlocks;
  std::array<MouseKeyTable, MOUSE_PROFILES> tables = MouseKeyTables;
  MouseKeyTable factory = MouseFactoryKeyTable;
  MouseLiveSettingsRecord live = MouseLiveSettings;
  std::array<uint8_t, DeviceInfo::kSize> info = ToArray(MouseDeviceInfo);
  uint8_t speed = MousePointerSpeed;
  uint8_t lines = MouseWheelLines;

  static std::array<uint8_t, DeviceInfo::kSize> ToArray(const DeviceInfo& info) {
    std::array<uint8_t, DeviceInfo::kSize> bytes;
    std::copy(std::begin(info.bytes), std::end(info.bytes), bytes.begin());
    return bytes;
  }
  bool operator==(const MouseStateSnapshot& o) const {
    return blocks == o.blocks && tables == o.tables && factory == o.factory && live == o.live && info == o.info &&
           speed == o.speed && lines == o.lines;
  }
};

// A working state that no read may leave half-changed: every byte set.
inline void FillMouseState() {
  for (auto& block : MouseSettingsBlocks) block.fill(0x33);
  for (auto& table : MouseKeyTables) table.fill(0x22);
  MouseFactoryKeyTable.fill(0x11);
  MouseLiveSettings.fill(0x02);
  std::fill(std::begin(MouseDeviceInfo.bytes), std::end(MouseDeviceInfo.bytes), 0x44);
}
