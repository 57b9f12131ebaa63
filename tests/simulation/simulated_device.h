#pragma once
#include <windows.h>

#include <array>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "simulated_firmware.h"
#include "wire_log.h"

// What a test can make the device do wrong, counted in requests written to it.
enum class SimulatedFault {
  NoReply,     // the request is taken but never answered
  WriteFails,  // the write of the request fails
  StatusFF,    // answered with status 0xFF, memory untouched
  StatusFE,    // answered with status 0xFE, memory untouched
  LateReply,   // answered only after the host's read has timed out
  Unplug,      // the device vanishes as the request arrives
};

// How long a read may wait for an input report. Without an arrival event it reports its time-out
// at once; with one it waits in real time until a report arrives, the device vanishes, the abort
// event is signalled or the time is up.
struct SimulatedReadWait {
  DWORD timeoutMs = 0;
  HANDLE arrival = nullptr;  // set by the device whenever input arrives or it vanishes
  HANDLE abort = nullptr;
};

// The K27 headset's two LED controllers (0x22, 0x44) as its light reports left them: per LED a
// red, green and blue value, and the controller's own effect (set by command 0x23).
struct SimulatedHeadsetLeds {
  static constexpr size_t kControllers = 2;
  static constexpr size_t kLeds = 8;
  static constexpr uint8_t kTargets[kControllers] = {0x22, 0x44};
  uint8_t colours[kControllers][kLeds][3] = {};
  uint8_t effect[kControllers] = {};
};

// One simulated device: its firmware, its presence, its interfaces' input queues, a wire log of
// every report and the faults a test injected. Thread-safe.
class SimulatedDevice {
 public:
  static constexpr unsigned kEveryTime = ~0u;
  static constexpr uint8_t kChangeReportId = 3;
  static constexpr uint8_t kHeadsetReportId = 0xFF;
  static constexpr size_t kHeadsetReportSize = 17;

  explicit SimulatedDevice(SimulatedDeviceModel model);

  const SimulatedDeviceModel& Model() const { return model_; }
  uint16_t VendorId() const { return model_.vendorId; }
  uint16_t ProductId() const { return model_.productId; }

  void Plug();    // a fresh instance: handles opened before an unplug stay dead
  void Unplug();
  bool IsPlugged() const;
  uint32_t Generation() const;

  // The fault hits the request `afterRequests` requests from now, and the `times - 1` after it.
  // Output reports count as requests; on them only WriteFails and Unplug have an effect.
  void InjectFault(SimulatedFault fault, unsigned afterRequests = 0, unsigned times = 1);
  // The device announces a change of its own settings on its hardware-sync interface.
  void SendChangeReport(uint16_t usage);
  // The mouse's profile button: the next on-board profile becomes the active one, and the mouse
  // announces the change of its settings (0x401).
  void PressProfileButton();
  // Runs on the writing thread for every command request the device takes, before it answers.
  void SetRequestObserver(std::function<void(const uint8_t* request)> observer);

  // While set, the device stays listed but refuses every output report.
  void SetRefusesOutputReports(bool refuses);
  SimulatedHeadsetLeds HeadsetLeds() const;
  // Connections opened on any of its interfaces and not closed yet.
  int OpenHandles() const;
  void CountHandle(int change);

  std::vector<WireRecord> WireLog() const;
  std::vector<CommandReport> Requests() const;               // the command requests, in order
  std::vector<std::vector<uint8_t>> OutputReports() const;  // the output reports, in order
  void ClearWireLog();
  SimulatedMemory Memory() const;
  void EditMemory(const std::function<void(SimulatedMemory&)>& edit);

  // The side the simulated connections use.
  bool Write(SimulatedInterface target, uint32_t generation, const uint8_t* report, size_t length);
  bool Read(SimulatedInterface target, uint32_t generation, uint8_t* buffer, size_t length, size_t& transferred,
            const SimulatedReadWait& wait);
  bool SetOutputReport(SimulatedInterface target, uint32_t generation, const uint8_t* report, size_t length);
  void FlushInput(SimulatedInterface target, uint32_t generation);
  static size_t InputReportLength(SimulatedInterface target);

 private:
  struct ScheduledFault {
    SimulatedFault fault;
    uint64_t firstRequest;
    unsigned remaining;
  };
  enum class InputState { Delivered, Empty, Gone };
  using Queue = std::deque<std::vector<uint8_t>>;

  bool IsLive(uint32_t generation) const { return plugged_ && generation == generation_; }
  void VanishLocked();
  std::optional<SimulatedFault> TakeFault();
  void Answer(const uint8_t* request, std::optional<SimulatedFault> fault);
  void QueueInputLocked(SimulatedInterface target, std::vector<uint8_t> report);
  void WakeReadersLocked(std::optional<SimulatedInterface> target = std::nullopt);
  InputState TakeInputLocked(SimulatedInterface target, uint32_t generation, uint8_t* buffer, size_t length,
                             size_t& transferred);
  void TimeOutLocked(SimulatedInterface target);
  Queue& InputOf(SimulatedInterface target) { return input_[static_cast<size_t>(target)]; }

  const SimulatedDeviceModel model_;
  mutable std::mutex mutex_;
  SimulatedFirmware firmware_;
  bool plugged_ = true;
  uint32_t generation_ = 1;
  uint64_t requestCount_ = 0;
  std::vector<ScheduledFault> faults_;
  std::array<Queue, 3> input_;  // one per SimulatedInterface
  std::optional<std::vector<uint8_t>> lateReply_;
  WireLogRing wireLog_;
  struct WaitingReader {
    SimulatedInterface target;
    HANDLE arrival;
  };
  // The reads waiting in real time. Input wakes only the readers of its own interface: a reply to
  // a command must not wake the reader waiting on the key interface a hundred times a second.
  std::vector<WaitingReader> waitingReaders_;
  std::function<void(const uint8_t*)> observer_;
  bool refusesOutputReports_ = false;
  SimulatedHeadsetLeds headsetLeds_;
  int openHandles_ = 0;
};
