#pragma once
// A keyboard channel with the panel's identity on a bus of simulated devices, a keyboard state and
// a keyboard data folder of its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "device_command_channel.h"
#include "keyboard_state.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "test_files.h"

// Whether two states hold the same bytes in everything a read-back or a reload may touch.
inline bool SameState(const KeyboardState& a, const KeyboardState& b) {
  return std::memcmp(&a.info, &b.info, sizeof a.info) == 0 &&
         a.KEYBOARD_FACTORY_KEY_TABLE == b.KEYBOARD_FACTORY_KEY_TABLE && a.keyTables == b.keyTables &&
         a.settingsBlocks == b.settingsBlocks && a.KeyboardLiveSettings == b.KeyboardLiveSettings &&
         a.KeyboardUiKeyMap == b.KeyboardUiKeyMap && a.model == b.model;
}

// The release folder beside the test programs, with the factory profiles.
inline std::wstring ReleaseFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.find_last_of(L'\\') + 1);
  return folder + L"..\\dist\\";
}

struct KeyboardFixture : ::testing::Test {
  SimulatedHidBackend bus;
  DeviceCommandChannel channel{bus};
  KeyboardState state;
  TempFolder folder;

  KeyboardFixture() { channel.SetIdentity(0x0C45, 0x0632, 0x92, 0xFF1C); }

  // Attaches a keyboard and connects the channel to it as detection does.
  std::shared_ptr<SimulatedDevice> Connect(uint16_t productId) {
    auto keyboard = MakeSimulatedKeyboard(productId);
    channel.m_device.Open(bus.Attach(keyboard), true, true, true, false);
    channel.m_connected = 1;
    return keyboard;
  }

  // (command, length, offset) of every request, in order.
  static std::vector<std::array<int, 3>> Shapes(const SimulatedDevice& device) {
    std::vector<std::array<int, 3>> shapes;
    for (const CommandReport& r : device.Requests())
      shapes.push_back({r[COMMAND_FIELD_COMMAND], r[COMMAND_FIELD_LENGTH], CommandReportOffset(r.data())});
    return shapes;
  }
  // The commands only, each chunked command once.
  static std::vector<int> Commands(const SimulatedDevice& device) {
    std::vector<int> commands;
    for (const auto& shape : Shapes(device))
      if (commands.empty() || commands.back() != shape[0] || shape[2] == 0) commands.push_back(shape[0]);
    return commands;
  }
};
