// HidDevice above the simulated side of the HID seam.
#include "hid_device.h"

#include <gtest/gtest.h>

#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {

std::vector<std::wstring> AllPaths(HidDevice& device) {
  std::vector<std::wstring> paths;
  while (const wchar_t* path = device.NextPath()) paths.push_back(path);
  return paths;
}

TEST(HidEnumeration, NoInterfacesIsAnEmptySuccess) {
  SimulatedHidBackend bus;
  HidDevice device(bus);
  EXPECT_EQ(nullptr, device.NextPath()) << "never enumerated";
  EXPECT_EQ(1, device.BeginEnumeration());
  EXPECT_EQ(0u, device.PathCount());
  EXPECT_EQ(nullptr, device.NextPath());
}

TEST(HidEnumeration, EveryPathOnceInOrderPastSeveralGrowths) {
  SimulatedHidBackend bus;
  std::vector<std::wstring> attached;
  for (int i = 0; i < 17; ++i) attached.push_back(bus.Attach(MakeSimulatedMousePad()));
  HidDevice device(bus);
  ASSERT_EQ(1, device.BeginEnumeration());
  EXPECT_EQ(attached, AllPaths(device));
  device.FreePathList();
  EXPECT_EQ(nullptr, device.NextPath());
}

TEST(HidEnumeration, AnInterfaceGoneDuringTheWalkLeavesAGapNotAFailure) {
  SimulatedHidBackend bus;
  auto keyboard = MakeSimulatedKeyboard();
  const std::wstring keyboardPath = bus.Attach(keyboard);
  const std::wstring syncPath = bus.PathOf(*keyboard, SimulatedInterface::Sync);
  auto mouse = MakeSimulatedMouse();
  const std::wstring mousePath = bus.Attach(mouse);
  bus.FailPathQueryOnce(syncPath);
  HidDevice device(bus);
  ASSERT_EQ(1, device.BeginEnumeration());
  EXPECT_EQ(4u, device.PathCount());
  EXPECT_EQ((std::vector<std::wstring>{keyboardPath, mousePath, bus.PathOf(*mouse, SimulatedInterface::Sync)}),
            AllPaths(device))
      << "the walk goes on past the gap";
}

TEST(HidEnumeration, NoInterfaceListFailsAndLeavesTheListEmpty) {
  SimulatedHidBackend bus;
  bus.Attach(MakeSimulatedMouse());
  HidDevice device(bus);
  ASSERT_EQ(1, device.BeginEnumeration());
  bus.SetListFails(true);
  EXPECT_EQ(0, device.BeginEnumeration());
  EXPECT_EQ(0u, device.PathCount());
  EXPECT_EQ(nullptr, device.NextPath());
}

TEST(HidEnumeration, AListThatNeverEndsIsCutAtTheBoundWithWhatItGave) {
  SimulatedHidBackend bus;
  const std::wstring mousePad = bus.Attach(MakeSimulatedMousePad());
  bus.SetListNeverEnds(true);
  HidDevice device(bus);
  ASSERT_EQ(1, device.BeginEnumeration()) << "a failed walk would end the detection thread for good";
  EXPECT_EQ(HidDevice::kMaxInterfaceIndex, device.PathCount());
  EXPECT_EQ(std::vector<std::wstring>{mousePad}, AllPaths(device));
}

TEST(HidEnumeration, RunningOutOfMemoryFailsThatWalkOnly) {
  SimulatedHidBackend bus;
  const std::wstring mousePad = bus.Attach(MakeSimulatedMousePad());
  bus.Attach(MakeSimulatedMousePad());
  HidDevice device(bus);
  bus.FailAllocationInNextWalk();
  EXPECT_EQ(0, device.BeginEnumeration());
  EXPECT_EQ(0u, device.PathCount());
  EXPECT_EQ(nullptr, device.NextPath()) << "the paths stored before it are released";
  ASSERT_EQ(1, device.BeginEnumeration());
  EXPECT_EQ(mousePad, device.NextPath());
}

struct SimulatedKeyboardFixture : ::testing::Test {
  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> keyboard = MakeSimulatedKeyboard(SIMULATED_KEYBOARD_ONECOLOR);
  std::wstring commandPath = bus.Attach(keyboard);
  std::wstring syncPath = bus.PathOf(*keyboard, SimulatedInterface::Sync);
  HidDevice device{bus};
};

TEST_F(SimulatedKeyboardFixture, OpenReadsIdentityAndCapabilities) {
  ASSERT_EQ(1, device.Open(commandPath, true, true, true, false));
  EXPECT_EQ(0x0C45, device.Attributes().VendorID);
  EXPECT_EQ(0x0632, device.Attributes().ProductID);
  EXPECT_EQ(0xFF1C, device.Capabilities().UsagePage);
  EXPECT_EQ(0x92, device.Capabilities().Usage);
  EXPECT_EQ(64, device.Capabilities().InputReportByteLength);
  EXPECT_EQ(64u, device.OutputReport().buffer.size());

  ASSERT_EQ(1, device.Open(syncPath, true, false, true, false)) << "opening again closes first";
  EXPECT_EQ(0x0C, device.Capabilities().UsagePage);
  EXPECT_EQ(1, device.Capabilities().Usage);
  ASSERT_EQ(1u, device.InputReport().items.size());
  EXPECT_EQ(1, device.InputReport().items[0].isButton);
}

TEST_F(SimulatedKeyboardFixture, ChangeReportsDecodeToTheirUsage) {
  ASSERT_EQ(1, device.Open(syncPath, true, false, true, false));
  keyboard->SendChangeReport(0x402);
  HidReportSet& input = device.InputReport();
  DWORD count = 99;
  ASSERT_EQ(1, device.ReadReport(input.buffer.data(), static_cast<DWORD>(input.buffer.size()), &count, 500));
  EXPECT_EQ(3u, count);
  ASSERT_TRUE(DecodeHidReport(input.items, input.buffer.data(), count, HidP_Input, *device.Parser()));
  EXPECT_EQ(0x402, input.items[0].usageList[0]);
  EXPECT_EQ(0, device.ReadReport(input.buffer.data(), 3, &count, 500)) << "nothing more to read";
  EXPECT_EQ(0u, count);
}

TEST_F(SimulatedKeyboardFixture, AccessFollowsTheOpenFlags) {
  ASSERT_EQ(1, device.Open(syncPath, true, false, true, false));
  uint8_t report[64] = {4};
  EXPECT_EQ(0, device.WriteReport(report, 64, nullptr, 1000)) << "the sync interface takes no output";
  ASSERT_EQ(1, device.Open(commandPath, true, false, true, false));
  EXPECT_EQ(0, device.WriteReport(report, 64, nullptr, 1000)) << "opened without write access";
}

TEST_F(SimulatedKeyboardFixture, UnplugClosesTheWayAndReopenFindsTheNewInstance) {
  ASSERT_EQ(1, device.Open(commandPath, true, true, true, false));
  EXPECT_TRUE(device.IsDevicePathPresent());
  keyboard->Unplug();
  EXPECT_FALSE(device.IsDevicePathPresent());
  uint8_t report[64] = {4};
  EXPECT_EQ(0, device.WriteReport(report, 64, nullptr, 1000));
  EXPECT_EQ(0, device.Reopen());
  EXPECT_FALSE(device.IsOpen());
  EXPECT_EQ(commandPath, device.DevicePath()) << "kept for a later reopen";
  keyboard->Plug();
  EXPECT_EQ(1, device.Reopen());
  EXPECT_TRUE(device.IsOpen());
  device.Close();
  EXPECT_FALSE(device.IsOpen());
  EXPECT_EQ(nullptr, device.Parser());
  EXPECT_TRUE(device.InputReport().items.empty());
}

}  // namespace
