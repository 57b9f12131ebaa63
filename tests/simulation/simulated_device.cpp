#include "simulated_device.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kChangeReportSize = 3;  // report id, usage low, usage high
}

SimulatedDevice::SimulatedDevice(SimulatedDeviceModel model) : model_(model), firmware_(std::move(model)) {}

void SimulatedDevice::Plug() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (plugged_) return;
  plugged_ = true;
  ++generation_;
}

void SimulatedDevice::Unplug() {
  std::lock_guard<std::mutex> lock(mutex_);
  VanishLocked();
}

void SimulatedDevice::VanishLocked() {
  plugged_ = false;
  commandInput_.clear();
  syncInput_.clear();
  lateReply_.reset();
}

bool SimulatedDevice::IsPlugged() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return plugged_;
}

uint32_t SimulatedDevice::Generation() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return generation_;
}

void SimulatedDevice::InjectFault(SimulatedFault fault, unsigned afterRequests, unsigned times) {
  std::lock_guard<std::mutex> lock(mutex_);
  faults_.push_back({fault, requestCount_ + afterRequests, times});
}

void SimulatedDevice::SendChangeReport(uint16_t usage) {
  std::vector<uint8_t> report = {kChangeReportId, static_cast<uint8_t>(usage), static_cast<uint8_t>(usage >> 8)};
  std::lock_guard<std::mutex> lock(mutex_);
  if (!plugged_ || !model_.hasSyncInterface) return;
  wireLog_.push_back({WireEvent::ChangeReport, report});
  syncInput_.push_back(std::move(report));
}

void SimulatedDevice::SetRequestObserver(std::function<void(const uint8_t*)> observer) {
  std::lock_guard<std::mutex> lock(mutex_);
  observer_ = std::move(observer);
}

std::vector<WireRecord> SimulatedDevice::WireLog() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return wireLog_;
}

std::vector<CommandReport> SimulatedDevice::Requests() const {
  std::vector<CommandReport> requests;
  for (const WireRecord& record : WireLog()) {
    if (record.event != WireEvent::Request) continue;
    CommandReport report{};
    std::copy(record.bytes.begin(), record.bytes.end(), report.begin());
    requests.push_back(report);
  }
  return requests;
}

void SimulatedDevice::ClearWireLog() {
  std::lock_guard<std::mutex> lock(mutex_);
  wireLog_.clear();
}

SimulatedMemory SimulatedDevice::Memory() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return firmware_.Memory();
}

void SimulatedDevice::EditMemory(const std::function<void(SimulatedMemory&)>& edit) {
  std::lock_guard<std::mutex> lock(mutex_);
  edit(firmware_.Memory());
}

std::optional<SimulatedFault> SimulatedDevice::TakeFault() {
  const uint64_t request = requestCount_++;
  for (ScheduledFault& scheduled : faults_) {
    if (scheduled.remaining == 0 || request < scheduled.firstRequest) continue;
    if (scheduled.remaining != kEveryTime) --scheduled.remaining;
    return scheduled.fault;
  }
  return std::nullopt;
}

bool SimulatedDevice::Write(SimulatedInterface target, uint32_t generation, const uint8_t* report, size_t length) {
  std::function<void(const uint8_t*)> observer;
  std::optional<SimulatedFault> fault;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    // The sync interface has no output report; a command report has exactly 64 bytes.
    if (!IsLive(generation) || target != SimulatedInterface::Command || length != HID_COMMAND_REPORT_SIZE)
      return false;
    fault = TakeFault();
    if (fault == SimulatedFault::Unplug) {
      VanishLocked();
      return false;
    }
    if (fault == SimulatedFault::WriteFails) return false;
    wireLog_.push_back({WireEvent::Request, std::vector<uint8_t>(report, report + length)});
    observer = observer_;
  }
  if (observer) observer(report);
  std::lock_guard<std::mutex> lock(mutex_);
  if (IsLive(generation)) Answer(report, fault);
  return true;
}

void SimulatedDevice::Answer(const uint8_t* request, std::optional<SimulatedFault> fault) {
  if (fault == SimulatedFault::NoReply) return;
  CommandReport reply{};
  if (fault == SimulatedFault::StatusFF || fault == SimulatedFault::StatusFE) {
    reply[COMMAND_FIELD_REPORT_ID] = HID_COMMAND_REPORT_ID;
    reply[COMMAND_FIELD_STATUS] = fault == SimulatedFault::StatusFF ? DEVICE_STATUS_REFUSED : DEVICE_STATUS_REJECTED;
  } else {
    reply = firmware_.Answer(request);
  }
  std::vector<uint8_t> bytes(reply.begin(), reply.end());
  if (fault == SimulatedFault::LateReply)
    lateReply_ = std::move(bytes);
  else
    commandInput_.push_back(std::move(bytes));
}

bool SimulatedDevice::Read(SimulatedInterface target, uint32_t generation, uint8_t* buffer, size_t length,
                           size_t& transferred) {
  std::lock_guard<std::mutex> lock(mutex_);
  transferred = 0;
  if (!IsLive(generation) || length < InputReportLength(target)) return false;
  std::deque<std::vector<uint8_t>>& queue = Queue(target);
  if (queue.empty()) {
    // The read times out; a late reply arrives just after, where the next read would find it.
    if (target == SimulatedInterface::Command && lateReply_) {
      commandInput_.push_back(std::move(*lateReply_));
      lateReply_.reset();
    }
    return false;
  }
  const std::vector<uint8_t> report = std::move(queue.front());
  queue.pop_front();
  std::memcpy(buffer, report.data(), report.size());
  transferred = report.size();
  if (target == SimulatedInterface::Command) wireLog_.push_back({WireEvent::Reply, report});
  return true;
}

void SimulatedDevice::FlushInput(SimulatedInterface target, uint32_t generation) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!IsLive(generation)) return;
  std::deque<std::vector<uint8_t>>& queue = Queue(target);
  for (std::vector<uint8_t>& report : queue)
    if (target == SimulatedInterface::Command) wireLog_.push_back({WireEvent::Discarded, std::move(report)});
  queue.clear();
}

size_t SimulatedDevice::InputReportLength(SimulatedInterface target) const {
  return target == SimulatedInterface::Command ? HID_COMMAND_REPORT_SIZE : kChangeReportSize;
}

std::deque<std::vector<uint8_t>>& SimulatedDevice::Queue(SimulatedInterface target) {
  return target == SimulatedInterface::Command ? commandInput_ : syncInput_;
}
