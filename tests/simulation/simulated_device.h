#pragma once
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "simulated_firmware.h"
#include "wire_log.h"

enum class SimulatedInterface { Command, Sync };

// What a test can make the device do wrong, counted in requests written to it.
enum class SimulatedFault {
  NoReply,     // the request is taken but never answered
  WriteFails,  // the write of the request fails
  StatusFF,    // answered with status 0xFF, memory untouched
  StatusFE,    // answered with status 0xFE, memory untouched
  LateReply,   // answered only after the host's read has timed out
  Unplug,      // the device vanishes as the request arrives
};

// One simulated keyboard, mouse or mouse pad: its firmware, its presence, its interfaces' input
// queues, a wire log of every report and the faults a test injected. Thread-safe. Nothing here
// sleeps: a read with nothing to deliver reports its time-out at once.
class SimulatedDevice {
 public:
  static constexpr unsigned kEveryTime = ~0u;
  static constexpr uint8_t kChangeReportId = 3;

  explicit SimulatedDevice(SimulatedDeviceModel model);

  const SimulatedDeviceModel& Model() const { return model_; }
  uint16_t ProductId() const { return model_.productId; }

  void Plug();    // a fresh instance: handles opened before an unplug stay dead
  void Unplug();
  bool IsPlugged() const;
  uint32_t Generation() const;

  // The fault hits the request `afterRequests` requests from now, and the `times - 1` after it.
  void InjectFault(SimulatedFault fault, unsigned afterRequests = 0, unsigned times = 1);
  // The device announces a change of its own settings on its hardware-sync interface.
  void SendChangeReport(uint16_t usage);
  // Runs on the writing thread for every request the device takes, before the device answers.
  void SetRequestObserver(std::function<void(const uint8_t* request)> observer);

  std::vector<WireRecord> WireLog() const;
  std::vector<CommandReport> Requests() const;  // the requests of the wire log, in order
  void ClearWireLog();
  SimulatedMemory Memory() const;
  void EditMemory(const std::function<void(SimulatedMemory&)>& edit);

  // The side the simulated connections use.
  bool Write(SimulatedInterface target, uint32_t generation, const uint8_t* report, size_t length);
  bool Read(SimulatedInterface target, uint32_t generation, uint8_t* buffer, size_t length, size_t& transferred);
  void FlushInput(SimulatedInterface target, uint32_t generation);
  size_t InputReportLength(SimulatedInterface target) const;

 private:
  struct ScheduledFault {
    SimulatedFault fault;
    uint64_t firstRequest;
    unsigned remaining;
  };
  bool IsLive(uint32_t generation) const { return plugged_ && generation == generation_; }
  void VanishLocked();
  std::optional<SimulatedFault> TakeFault();
  void Answer(const uint8_t* request, std::optional<SimulatedFault> fault);
  std::deque<std::vector<uint8_t>>& Queue(SimulatedInterface target);

  const SimulatedDeviceModel model_;
  mutable std::mutex mutex_;
  SimulatedFirmware firmware_;
  bool plugged_ = true;
  uint32_t generation_ = 1;
  uint64_t requestCount_ = 0;
  std::vector<ScheduledFault> faults_;
  std::deque<std::vector<uint8_t>> commandInput_;
  std::deque<std::vector<uint8_t>> syncInput_;
  std::optional<std::vector<uint8_t>> lateReply_;
  std::vector<WireRecord> wireLog_;
  std::function<void(const uint8_t*)> observer_;
};
