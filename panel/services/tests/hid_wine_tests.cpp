// HidDevice on the Windows side of the seam, against the two virtual HID devices that Wine lists
// (vendor 0x845E: a three-button mouse, product 1, and a keyboard, product 2).
#include "hid_device.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "hid_windows_backend.h"
#include "text_parsers.h"

namespace {

constexpr uint16_t kWineVendor = 0x845E;
constexpr uint16_t kWineMouse = 0x0001;
constexpr uint16_t kWineKeyboard = 0x0002;

using Clock = std::chrono::steady_clock;
long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

struct WineHidFixture : ::testing::Test {
  WindowsHidBackend windows;
  HidDevice device{windows};
  std::wstring mousePath;
  std::wstring keyboardPath;

  void SetUp() override {
    ASSERT_EQ(1, device.BeginEnumeration());
    while (const wchar_t* path = device.NextPath()) {
      if (ParseVidFromPath(path) != kWineVendor) continue;
      if (ParsePidFromPath(path) == kWineMouse) mousePath = path;
      if (ParsePidFromPath(path) == kWineKeyboard) keyboardPath = path;
    }
    device.FreePathList();
    // Without them the real HID path would drop out of the run unnoticed, so their absence fails.
    ASSERT_FALSE(mousePath.empty()) << "the prefix lists no virtual HID mouse of vendor 0x845E";
    ASSERT_FALSE(keyboardPath.empty()) << "the prefix lists no virtual HID keyboard of vendor 0x845E";
  }
};

TEST_F(WineHidFixture, OpensBothWithIdentityAndCapabilities) {
  ASSERT_EQ(1, device.Open(mousePath, true, true, true, false));
  EXPECT_EQ(kWineVendor, device.Attributes().VendorID);
  EXPECT_EQ(kWineMouse, device.Attributes().ProductID);
  EXPECT_EQ(1, device.Capabilities().UsagePage);
  EXPECT_EQ(2, device.Capabilities().Usage);
  ASSERT_EQ(1u, device.InputReport().items.size());
  const HidReportItem& buttons = device.InputReport().items[0];
  EXPECT_EQ(1, buttons.isButton);
  EXPECT_EQ(9, buttons.usagePage);
  EXPECT_EQ(1, buttons.usageMinimum);
  EXPECT_EQ(3, buttons.usageMaximum);
  EXPECT_EQ(device.Capabilities().InputReportByteLength, device.InputReport().buffer.size());

  ASSERT_EQ(1, device.Open(keyboardPath, true, false, true, false));
  EXPECT_EQ(kWineKeyboard, device.Attributes().ProductID);
  EXPECT_EQ(6, device.Capabilities().Usage);
}

TEST_F(WineHidFixture, DecodesTheMouseButtons) {
  ASSERT_EQ(1, device.Open(mousePath, true, false, true, false));
  HidReportSet& input = device.InputReport();
  input.buffer.assign(input.buffer.size(), 0);
  input.buffer[1] = 0x05;  // buttons 1 and 3
  ASSERT_TRUE(DecodeHidReport(input.items, input.buffer.data(), static_cast<ULONG>(input.buffer.size()), HidP_Input,
                              *device.Parser()));
  const HidReportItem& buttons = input.items[0];
  EXPECT_EQ(1, buttons.isSet);
  ASSERT_GE(buttons.usageList.size(), 3u);
  EXPECT_EQ(1, buttons.usageList[0]);
  EXPECT_EQ(3, buttons.usageList[1]);
  EXPECT_EQ(0, buttons.usageList[2]);
}

TEST_F(WineHidFixture, AReadWithNoReportTimesOut) {
  ASSERT_EQ(1, device.Open(mousePath, true, true, true, false));
  std::vector<uint8_t> report(device.Capabilities().InputReportByteLength);
  DWORD count = 99;
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(0, device.ReadReport(report.data(), static_cast<DWORD>(report.size()), &count, 300));
  const long long elapsed = MillisecondsSince(start);
  EXPECT_EQ(0u, count);
  EXPECT_GE(elapsed, 250);
  EXPECT_LT(elapsed, 1500);
  // The cancelled read is over: the next one waits its own time again.
  const Clock::time_point again = Clock::now();
  EXPECT_EQ(0, device.ReadReport(report.data(), static_cast<DWORD>(report.size()), &count, 100));
  EXPECT_GE(MillisecondsSince(again), 80);
}

TEST_F(WineHidFixture, ClosingFromAnotherThreadEndsAWaitingReadAtOnce) {
  ASSERT_EQ(1, device.Open(mousePath, true, false, true, false));
  std::vector<uint8_t> report(device.Capabilities().InputReportByteLength);
  int result = -1;
  long long waited = 0;
  std::thread reader([&] {
    const Clock::time_point start = Clock::now();
    result = device.ReadReport(report.data(), static_cast<DWORD>(report.size()), nullptr, 10000);
    waited = MillisecondsSince(start);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const Clock::time_point closing = Clock::now();
  device.Close();
  const long long closeTook = MillisecondsSince(closing);
  reader.join();
  EXPECT_EQ(0, result);
  EXPECT_LT(waited, 2000);
  EXPECT_LT(closeTook, 1000);
  EXPECT_FALSE(device.IsOpen());

  // The abort that ended that read does not cut the next device's wait short.
  ASSERT_EQ(1, device.Open(mousePath, true, false, true, false));
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(0, device.ReadReport(report.data(), static_cast<DWORD>(report.size()), nullptr, 200));
  EXPECT_GE(MillisecondsSince(start), 150);
}

// The mouse declares no output report: neither a written report nor one sent through the class
// driver is taken, and neither waits.
TEST_F(WineHidFixture, WritesAndOutputReportsToTheMouseFailAtOnce) {
  ASSERT_EQ(1, device.Open(mousePath, true, true, true, false));
  uint8_t report[64] = {4};
  DWORD count = 99;
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(0, device.WriteReport(report, sizeof report, &count, 1000));
  EXPECT_EQ(0u, count);
  report[0] = 0xFF;
  EXPECT_EQ(0, device.SetOutputReport(report, 17));
  EXPECT_LT(MillisecondsSince(start), 200);
  device.FlushInput();  // and the queue flush the channel does before each request is harmless
}

TEST_F(WineHidFixture, PresenceProbeAndMissingPaths) {
  ASSERT_EQ(1, device.Open(mousePath, true, false, true, false));
  EXPECT_TRUE(device.IsDevicePathPresent());
  const std::wstring missing = L"\\\\?\\hid#vid_0c45&pid_0632#0&0000&0&0#{4d1e55b2-f16f-11cf-88cb-001111000030}";
  EXPECT_EQ(0, device.Open(missing, true, true, true, false));
  EXPECT_FALSE(device.IsOpen());
  EXPECT_FALSE(device.IsDevicePathPresent());
}

}  // namespace
