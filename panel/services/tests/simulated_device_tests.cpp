// The simulated devices as HidDevice sees them: identities, the K27 headset's output reports, the
// bounded wire log, and reads that wait in real time for long runs.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "channel_scenarios.h"
#include "hid_device.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"
#include "text_parsers.h"

namespace {

using Clock = std::chrono::steady_clock;
long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

using Report = std::vector<uint8_t>;

Report K27Report(uint8_t target, uint8_t command, uint8_t parameter) {
  Report report(SimulatedDevice::kHeadsetReportSize, 0);
  report[0] = SimulatedDevice::kHeadsetReportId;
  report[1] = target;
  report[2] = command;
  report[3] = parameter;
  return report;
}

int Send(HidDevice& device, const Report& report) {
  return device.SetOutputReport(report.data(), static_cast<DWORD>(report.size()));
}

TEST(SimulatedDevices, EachModelShowsItsOwnIdentityOnEveryInterface) {
  struct Interface {
    USAGE usagePage;
    USAGE usage;
    USHORT inputLength;
    USHORT outputLength;
  };
  const Interface command{0xFF1C, 0x92, 64, 64};
  const Interface sync{0x0C, 1, 3, 0};
  const Interface headset{0x0C, 1, 0, 17};
  struct Case {
    std::shared_ptr<SimulatedDevice> device;
    uint16_t vendorId;
    uint16_t productId;
    std::vector<Interface> interfaces;
  } cases[] = {
      {MakeSimulatedKeyboard(SIMULATED_KEYBOARD_RGB), 0x0C45, 0x7513, {command, sync}},
      {MakeSimulatedMouse(), 0x0C45, 0x5F01, {command, sync}},
      {MakeSimulatedMousePad(), 0x0C45, 0x763D, {command}},
      {MakeSimulatedHeadsetK27(), 0x0D8C, 0x01DA, {headset}},
  };
  SimulatedHidBackend bus;
  for (const Case& c : cases) bus.Attach(c.device);
  HidDevice walker(bus);
  ASSERT_EQ(1, walker.BeginEnumeration());
  HidDevice device(bus);
  for (const Case& c : cases) {
    for (const Interface& expected : c.interfaces) {
      SCOPED_TRACE(std::to_string(c.productId));
      const wchar_t* path = walker.NextPath();
      ASSERT_NE(nullptr, path);
      EXPECT_EQ(c.vendorId, ParseVidFromPath(path)) << "detection skips paths by their vendor id";
      EXPECT_EQ(c.productId, ParsePidFromPath(path));
      ASSERT_EQ(1, device.Open(path, true, true, true, false));
      EXPECT_EQ(c.vendorId, device.Attributes().VendorID);
      EXPECT_EQ(c.productId, device.Attributes().ProductID);
      EXPECT_EQ(expected.usagePage, device.Capabilities().UsagePage);
      EXPECT_EQ(expected.usage, device.Capabilities().Usage);
      EXPECT_EQ(expected.inputLength, device.Capabilities().InputReportByteLength);
      EXPECT_EQ(expected.outputLength, device.Capabilities().OutputReportByteLength);
    }
  }
  EXPECT_EQ(nullptr, walker.NextPath());
}

struct HeadsetK27Fixture : ::testing::Test {
  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> headset = MakeSimulatedHeadsetK27();
  std::wstring path = bus.Attach(headset);
  HidDevice device{bus};

  void SetUp() override { ASSERT_EQ(1, device.Open(path, true, true, true, false)); }
};

TEST_F(HeadsetK27Fixture, RecordsItsOutputReportsInOrder) {
  const Report first = K27Report(0x22, 0xAA, 0);
  const Report second = K27Report(0x44, 0xAD, 0);
  EXPECT_EQ(1, Send(device, first));
  EXPECT_EQ(1, Send(device, second));
  EXPECT_EQ((std::vector<Report>{first, second}), headset->OutputReports());
  EXPECT_EQ("=> output report | ff 22 aa 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
            FormatWireRecord(headset->WireLog().front()));
}

TEST_F(HeadsetK27Fixture, TakesOnlyTheReportItDeclaresThroughTheClassDriver) {
  Report shortReport = K27Report(0x22, 0x23, 4);
  shortReport.pop_back();
  Report longReport = K27Report(0x22, 0x23, 4);
  longReport.push_back(0);
  Report otherId = K27Report(0x22, 0x23, 4);
  otherId[0] = 0;
  for (const Report& refused : {shortReport, longReport, otherId}) EXPECT_EQ(0, Send(device, refused));
  const Report report = K27Report(0x22, 0x23, 4);
  EXPECT_EQ(0, device.WriteReport(report.data(), static_cast<DWORD>(report.size()), nullptr, 1000))
      << "not through the interrupt pipe";

  SimulatedHidBackend mouseBus;
  HidDevice mouse(mouseBus);
  ASSERT_EQ(1, mouse.Open(mouseBus.Attach(MakeSimulatedMouse()), true, true, true, false));
  EXPECT_EQ(0, Send(mouse, report)) << "a command interface declares no such report";
  device.Close();
  EXPECT_EQ(0, Send(device, report)) << "closed";
  EXPECT_TRUE(headset->WireLog().empty());
}

TEST_F(HeadsetK27Fixture, UnplugAndPlugAgain) {
  const Report report = K27Report(0x22, 0x23, 4);
  headset->InjectFault(SimulatedFault::Unplug, 1);
  EXPECT_EQ(1, Send(device, report));
  EXPECT_EQ(0, Send(device, report)) << "it vanishes as the second report arrives";
  EXPECT_EQ(0, Send(device, report));
  EXPECT_EQ(1u, headset->OutputReports().size());
  EXPECT_FALSE(device.IsDevicePathPresent());
  HidDevice walker(bus);
  ASSERT_EQ(1, walker.BeginEnumeration());
  EXPECT_EQ(nullptr, walker.NextPath());

  headset->Plug();
  EXPECT_EQ(0, Send(device, report)) << "the old handle stays dead";
  ASSERT_EQ(1, device.Reopen());
  EXPECT_EQ(1, Send(device, report));
  EXPECT_EQ(2u, headset->OutputReports().size());
}

TEST(WireLogRing, KeepsTheNewestRecordsInOrder) {
  WireLogRing ring(3);
  for (uint8_t i = 1; i <= 5; ++i) ring.Append(WireEvent::Request, &i, 1);
  std::vector<uint8_t> kept;
  for (const WireRecord& record : ring.Records()) kept.push_back(record.bytes[0]);
  EXPECT_EQ((std::vector<uint8_t>{3, 4, 5}), kept);
  ring.Clear();
  EXPECT_TRUE(ring.Records().empty());
  const uint8_t again = 9;
  ring.Append(WireEvent::Reply, &again, 1);
  ASSERT_EQ(1u, ring.Records().size());
  EXPECT_EQ(WireEvent::Reply, ring.Records()[0].event);
}

TEST(WireLogRing, ALongRunKeepsTheDeviceLogBounded) {
  SimulatedHidBackend bus;
  auto mouse = MakeSimulatedMouse();
  DeviceCommandChannel channel(bus);
  ASSERT_TRUE(ConnectChannel(channel, bus.Attach(mouse)));
  uint8_t settings[56];
  for (size_t i = 0; i < WireLogRing::kDefaultCapacity; ++i) channel.ReadSettings(settings, 56, 64);
  const std::vector<WireRecord> log = mouse->WireLog();
  ASSERT_EQ(WireLogRing::kDefaultCapacity, log.size());
  EXPECT_EQ(WireEvent::Request, log.front().event);
  EXPECT_EQ(WireEvent::Reply, log.back().event);
}

// The keyboard's hardware-sync interface on a bus whose reads wait in real time, as in the demo.
struct RealTimeReadFixture : ::testing::Test {
  SimulatedHidBackend bus;
  std::shared_ptr<SimulatedDevice> keyboard = MakeSimulatedKeyboard();
  std::unique_ptr<HidDevice> device = std::make_unique<HidDevice>(bus);
  uint8_t report[3] = {};
  DWORD count = 99;

  void SetUp() override {
    bus.SetReadsWaitInRealTime(true);
    bus.Attach(keyboard);
    ASSERT_EQ(1, device->Open(bus.PathOf(*keyboard, SimulatedInterface::Sync), true, false, true, false));
  }
  int Read(DWORD timeoutMs) { return device->ReadReport(report, sizeof report, &count, timeoutMs); }
};

TEST_F(RealTimeReadFixture, AReadWaitsForTheReportThatArrives) {
  std::thread sender([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    keyboard->SendChangeReport(0x401);
  });
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(1, Read(10000));
  const long long waited = MillisecondsSince(start);
  sender.join();
  EXPECT_EQ(3u, count);
  EXPECT_EQ(0x01, report[1]);
  EXPECT_GE(waited, 50) << "it waited for the report";
  EXPECT_LT(waited, 3000);
}

TEST_F(RealTimeReadFixture, NothingToReadWaitsTheWholeTimeOut) {
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(0, Read(200));
  EXPECT_GE(MillisecondsSince(start), 180);
  EXPECT_EQ(0u, count);
}

TEST_F(RealTimeReadFixture, RepliesAlreadyThereAreReadWithoutWaiting) {
  DeviceCommandChannel channel(bus);
  ASSERT_TRUE(ConnectChannel(channel, bus.Attach(MakeSimulatedMouse())));
  const Clock::time_point start = Clock::now();
  RunMouseReadBack(channel);
  EXPECT_LT(MillisecondsSince(start), 1000) << "about 70 exchanges";
}

TEST_F(RealTimeReadFixture, CloseUnplugOrDestructionEndAWaitingReadAtOnce) {
  struct Case {
    const char* name;
    std::function<void(RealTimeReadFixture&)> act;
  } cases[] = {
      {"close", [](RealTimeReadFixture& f) { f.device->Close(); }},
      {"unplug", [](RealTimeReadFixture& f) { f.keyboard->Unplug(); }},
      {"destroy", [](RealTimeReadFixture& f) { f.device.reset(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    keyboard->Plug();
    device = std::make_unique<HidDevice>(bus);
    ASSERT_EQ(1, device->Open(bus.PathOf(*keyboard, SimulatedInterface::Sync), true, false, true, false));
    HidDevice* reading = device.get();
    int result = -1;
    DWORD transferred = 99;
    long long waited = 0;
    std::thread reader([&] {
      const Clock::time_point start = Clock::now();
      result = reading->ReadReport(report, sizeof report, &transferred, 10000);
      waited = MillisecondsSince(start);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    c.act(*this);
    reader.join();
    EXPECT_EQ(0, result);
    EXPECT_EQ(0u, transferred);
    EXPECT_LT(waited, 2000);
  }
}

TEST(SimulatedReads, WithoutRealTimeANothingToReadReturnsAtOnce) {
  SimulatedHidBackend bus;
  auto keyboard = MakeSimulatedKeyboard();
  bus.Attach(keyboard);
  HidDevice device(bus);
  ASSERT_EQ(1, device.Open(bus.PathOf(*keyboard, SimulatedInterface::Sync), true, false, true, false));
  uint8_t report[3];
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(0, device.ReadReport(report, sizeof report, nullptr, 10000));
  EXPECT_LT(MillisecondsSince(start), 1000);
}

}  // namespace
