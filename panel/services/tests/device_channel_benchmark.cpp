// Host-side cost of the command channel against a simulated device that answers at once. The
// wire allows one 64-byte report per millisecond each way; our own share should stay far below.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "channel_scenarios.h"
#include "simulated_device_models.h"
#include "simulated_hid_backend.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename Work>
double MicrosecondsPerRun(int runs, Work work) {
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < runs; ++i) work();
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / runs;
}

TEST(DeviceChannelBenchmark, TransactionAndKeyTableRead) {
  SimulatedHidBackend bus;
  auto mouse = MakeSimulatedMouse();
  DeviceCommandChannel channel(bus);
  ASSERT_TRUE(ConnectChannel(channel, bus.Attach(mouse)));
  const CommandReport request = BuildCommandRequest(DEVICE_COMMAND_READ_SETTINGS, 56, 64);
  CommandReport reply{};
  int failures = 0;
  auto transact = [&] {
    failures += channel.Transact(request.data(), request.size(), reply.data(), reply.size(), nullptr) != 1;
  };
  uint8_t table[512];
  auto readTable = [&] { failures += channel.ReadKeyTable(table, 1) != 1; };

  MicrosecondsPerRun(200, transact);  // warm up
  const double perTransaction = MicrosecondsPerRun(20000, transact);
  mouse->ClearWireLog();  // each run starts with an empty log
  const double perTableRead = MicrosecondsPerRun(2000, readTable);
  mouse->ClearWireLog();

  std::printf("host cost of one Transact:                         %8.2f us (budget 20 us)\n", perTransaction);
  std::printf("host cost of one 512-byte key-table read (10 reports): %8.2f us (%.2f us per report)\n",
              perTableRead, perTableRead / 10);
  EXPECT_EQ(0, failures);
  EXPECT_TRUE(std::equal(table, table + 512, mouse->Memory().keyMemory.begin() + 126));
}

}  // namespace
