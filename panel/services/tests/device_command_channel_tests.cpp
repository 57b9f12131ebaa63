#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "device_test_fixture.h"

namespace {

using ChannelTest = SimulatedChannelFixture;

TEST_F(ChannelTest, RequestsArePaddedOrCutTo64Bytes) {
  CommandReport reply{};
  const uint8_t shortRequest[8] = {4, 1, 0, 1, 0, 0, 0, 0};
  EXPECT_EQ(1, channel.Transact(shortRequest, sizeof shortRequest, reply.data(), reply.size(), nullptr));
  uint8_t longRequest[70];
  for (int i = 0; i < 70; ++i) longRequest[i] = static_cast<uint8_t>(0x80 + i);
  longRequest[0] = 4;
  DWORD count = 0;
  channel.Transact(longRequest, sizeof longRequest, reply.data(), reply.size(), &count);
  EXPECT_EQ(64u, count);
  const std::vector<CommandReport> requests = device->Requests();
  ASSERT_EQ(2u, requests.size());
  EXPECT_EQ((CommandReport{4, 1, 0, 1}), requests[0]);
  EXPECT_EQ(0x80 + 63, requests[1][63]);
}

TEST(CommandReport, ChecksumIsTheSumOfBytes3To63) {
  uint8_t data[56];
  for (int i = 0; i < 56; ++i) data[i] = 0xFF;
  const uint8_t one[1] = {0xAB};
  struct Case {
    CommandReport report;
    uint8_t low, high;
  } cases[] = {
      {BuildCommandRequest(DEVICE_COMMAND_BEGIN_TRANSFER, 0, 0), 0x01, 0x00},
      // 0x06 + 1 + 218 (offset 3 × 64 + 26) + 0xAB
      {BuildCommandRequest(DEVICE_COMMAND_WRITE_SETTINGS, 1, 218, one, 1), 0x8C, 0x01},
      // 0x09 + 56 + 0x7E + 0x02 + 56 × 0xFF = 0x3889
      {BuildCommandRequest(DEVICE_COMMAND_WRITE_KEY_TABLE, 56, 0x27E, data, 56), 0x89, 0x38},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.report[COMMAND_FIELD_COMMAND]);
    EXPECT_EQ(c.low, c.report[1]);
    EXPECT_EQ(c.high, c.report[2]);
  }
  EXPECT_EQ(218, CommandReportOffset(cases[1].report.data()));
  EXPECT_EQ(0xDA, cases[1].report[5]);
  EXPECT_EQ(0x00, cases[1].report[6]);
}

// Each case: a fault, how the single-report read of the device information ends, and how many
// requests went out for it.
TEST_F(ChannelTest, ResultCodesAndRetries) {
  struct Case {
    const char* name;
    SimulatedFault fault;
    unsigned times;
    int result;
    size_t requests;
    size_t replies;
  } cases[] = {
      {"one lost reply is retried", SimulatedFault::NoReply, 1, 1, 2, 1},
      {"never answered", SimulatedFault::NoReply, SimulatedDevice::kEveryTime, 0, 4, 0},
      {"write fails", SimulatedFault::WriteFails, 1, -1, 0, 0},
      {"status 0xFF", SimulatedFault::StatusFF, 1, -102, 1, 1},
      {"status 0xFE", SimulatedFault::StatusFE, 1, -103, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimulatedHidBackend bus;
    auto mouse = MakeSimulatedMouse();
    DeviceCommandChannel fresh(bus);
    ASSERT_TRUE(ConnectChannel(fresh, bus.Attach(mouse)));
    mouse->InjectFault(c.fault, 0, c.times);
    DeviceInfo info;
    info.bytes[0] = 0xEE;
    EXPECT_EQ(c.result, fresh.ReadDeviceInfo(info));
    EXPECT_EQ(c.result == 1 ? 2 : 0xEE, info.bytes[0]) << "a failed read leaves the record as it was";
    size_t requests = 0, replies = 0;
    for (const WireRecord& record : mouse->WireLog()) {
      requests += record.event == WireEvent::Request;
      replies += record.event == WireEvent::Reply;
    }
    EXPECT_EQ(c.requests, requests);
    EXPECT_EQ(c.replies, replies);
  }
}

TEST_F(ChannelTest, NothingIsSentWhileNotConnected) {
  channel.SetIdentity(0x0C45, 0x5F01, 0x92, 0xFF1C);
  EXPECT_EQ(0, channel.IsConnected()) << "a new identity waits for detection";
  uint8_t settings[56] = {};
  EXPECT_EQ(0, channel.ReadSettings(settings, 56, 0));
  EXPECT_EQ(0, channel.SendRestoreDefaults());
  CommandReport reply{};
  DWORD count = 7;
  EXPECT_EQ(0, channel.Transact(reply.data(), 8, reply.data(), 64, &count));
  EXPECT_EQ(0u, count);
  EXPECT_TRUE(device->WireLog().empty());
}

TEST_F(ChannelTest, TransferSizeIsBoundedBy512) {
  EXPECT_EQ(512, channel.m_transferSize);
  EXPECT_EQ(1, channel.SetTransferSize(318));
  EXPECT_EQ(0, channel.SetTransferSize(513));
  EXPECT_EQ(318, channel.m_transferSize);
  EXPECT_EQ(1, channel.SetTransferSize(512));
  EXPECT_EQ(512, channel.m_transferSize);
}

TEST_F(ChannelTest, SingleAttemptCommandsAreNotRetried) {
  device->InjectFault(SimulatedFault::NoReply, 0, SimulatedDevice::kEveryTime);
  EXPECT_EQ(0, channel.SendHardwareLightingCommand());
  EXPECT_EQ(1u, device->Requests().size());
}

// Replies carry no echo: a reply that comes after its read timed out must not answer the next
// request. Each read here must return its own block's data.
TEST_F(ChannelTest, ALateReplyDoesNotShiftLaterReplies) {
  const SimulatedMemory memory = device->Memory();
  device->InjectFault(SimulatedFault::LateReply);
  for (int profile = 0; profile < 5; ++profile) {
    SCOPED_TRACE(profile);
    uint8_t block[56] = {};
    ASSERT_EQ(1, channel.ReadSettings(block, 56, static_cast<uint16_t>(profile * 64)));
    EXPECT_TRUE(std::equal(block, block + 56, memory.settings.begin() + profile * 64));
  }
  EXPECT_EQ(1u, CountOf(WireEvent::Discarded)) << "the stale reply was flushed before the retry";
  EXPECT_EQ(6u, device->Requests().size());
}

TEST_F(ChannelTest, TheLockIsRecursiveForItsHolder) {
  std::lock_guard<std::recursive_mutex> pass(channel.m_lock);
  EXPECT_EQ(1, channel.BeginTransfer());
}

// While the first request is on the wire, one thread waits for the lock and another keeps trying
// to take it. Were the lock given up between the write and the read, the waiter's wake-up would
// leave it free long enough for the other to get in, flush the first reply away and put its own
// request in between. Held across both, every request is followed by its own reply. Getting in
// needs the other thread to be running at that moment, so the scene is played several times.
TEST_F(ChannelTest, NoOtherReportComesBetweenARequestAndItsReply) {
  const SimulatedMemory memory = device->Memory();
  const auto holds = [&memory](const uint8_t* block, size_t offset) {
    return std::equal(block, block + 56, memory.settings.begin() + offset);
  };
  for (int round = 0; round < 8; ++round) {
    SCOPED_TRACE(round);
    device->ClearWireLog();
    std::atomic<bool> first{true}, waiterStarting{false}, spinning{false};
    std::thread waiter, intruder;
    int waiterResult = 0, intruderResult = 0;
    uint8_t block[56] = {}, waiterBlock[56] = {}, intruderBlock[56] = {};
    device->SetRequestObserver([&](const uint8_t*) {
      if (!first.exchange(false)) return;
      waiter = std::thread([&] {
        waiterStarting = true;
        waiterResult = channel.ReadSettings(waiterBlock, 56, 64);
      });
      intruder = std::thread([&] {
        spinning = true;
        while (!channel.m_lock.try_lock()) {
        }
        intruderResult = channel.ReadSettings(intruderBlock, 56, 128);
        channel.m_lock.unlock();
      });
      while (!waiterStarting || !spinning) std::this_thread::yield();
      Sleep(20);  // the waiter is inside its wait for the lock
    });
    EXPECT_EQ(1, channel.ReadSettings(block, 56, 0));
    waiter.join();
    intruder.join();
    device->SetRequestObserver(nullptr);

    EXPECT_EQ(1, waiterResult);
    EXPECT_EQ(1, intruderResult);
    EXPECT_TRUE(holds(block, 0) && holds(waiterBlock, 64) && holds(intruderBlock, 128));
    const std::vector<WireRecord> log = device->WireLog();
    ASSERT_EQ(6u, log.size());
    for (size_t i = 0; i < log.size(); ++i)
      ASSERT_EQ(i % 2 ? WireEvent::Reply : WireEvent::Request, log[i].event) << i;
    ASSERT_EQ(0, CommandReportOffset(log[0].bytes.data()));
  }
}

}  // namespace
