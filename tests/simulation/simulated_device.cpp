#include "simulated_device.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kChangeReportSize = 3;  // report id, usage low, usage high

// What the headset's LED controllers do with a light report: 0xAA .. 0xAC set one colour of LEDs
// 0 .. 6 from bytes 4 .. 10, 0xAD .. 0xAF that colour of LED 7 from byte 4, 0x23 the controller's
// own effect from byte 3.
void ApplyHeadsetReport(SimulatedHeadsetLeds& leds, const uint8_t* report) {
  for (size_t c = 0; c < SimulatedHeadsetLeds::kControllers; ++c) {
    if (report[1] != SimulatedHeadsetLeds::kTargets[c]) continue;
    const uint8_t command = report[2];
    if (command >= 0xAA && command <= 0xAC) {
      for (size_t led = 0; led < 7; ++led) leds.colours[c][led][command - 0xAA] = report[4 + led];
    } else if (command >= 0xAD && command <= 0xAF) {
      leds.colours[c][7][command - 0xAD] = report[4];
    } else if (command == 0x23) {
      leds.effect[c] = report[3];
    }
  }
}
}  // namespace

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
  for (Queue& queue : input_) queue.clear();
  lateReply_.reset();
  WakeReadersLocked();
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
  if (!plugged_ || !model_.Has(SimulatedInterface::Sync)) return;
  wireLog_.Append(WireEvent::ChangeReport, report.data(), report.size());
  QueueInputLocked(SimulatedInterface::Sync, std::move(report));
}

void SimulatedDevice::PressProfileButton() {
  constexpr int kProfiles = 5;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!plugged_) return;
    uint8_t& active = firmware_.Memory().settings[0];
    active = static_cast<uint8_t>((active + 1) % kProfiles);
  }
  SendChangeReport(0x401);
}

void SimulatedDevice::SetRefusesOutputReports(bool refuses) {
  std::lock_guard<std::mutex> lock(mutex_);
  refusesOutputReports_ = refuses;
}

SimulatedHeadsetLeds SimulatedDevice::HeadsetLeds() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return headsetLeds_;
}

int SimulatedDevice::OpenHandles() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return openHandles_;
}

void SimulatedDevice::CountHandle(int change) {
  std::lock_guard<std::mutex> lock(mutex_);
  openHandles_ += change;
}

void SimulatedDevice::SetRequestObserver(std::function<void(const uint8_t*)> observer) {
  std::lock_guard<std::mutex> lock(mutex_);
  observer_ = std::move(observer);
}

std::vector<WireRecord> SimulatedDevice::WireLog() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return wireLog_.Records();
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

std::vector<std::vector<uint8_t>> SimulatedDevice::OutputReports() const {
  std::vector<std::vector<uint8_t>> reports;
  for (WireRecord& record : WireLog())
    if (record.event == WireEvent::OutputReport) reports.push_back(std::move(record.bytes));
  return reports;
}

void SimulatedDevice::ClearWireLog() {
  std::lock_guard<std::mutex> lock(mutex_);
  wireLog_.Clear();
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
    // Only the command interface takes written reports, each of exactly 64 bytes.
    if (!IsLive(generation) || target != SimulatedInterface::Command || length != HID_COMMAND_REPORT_SIZE)
      return false;
    fault = TakeFault();
    if (fault == SimulatedFault::Unplug) {
      VanishLocked();
      return false;
    }
    if (fault == SimulatedFault::WriteFails) return false;
    wireLog_.Append(WireEvent::Request, report, length);
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
    QueueInputLocked(SimulatedInterface::Command, std::move(bytes));
}

bool SimulatedDevice::SetOutputReport(SimulatedInterface target, uint32_t generation, const uint8_t* report,
                                      size_t length) {
  std::lock_guard<std::mutex> lock(mutex_);
  // Only the headset interface declares an output report for the class driver: 17 bytes, id 0xFF.
  if (!IsLive(generation) || target != SimulatedInterface::Headset || length != kHeadsetReportSize ||
      report[0] != kHeadsetReportId || refusesOutputReports_)
    return false;
  const std::optional<SimulatedFault> fault = TakeFault();
  if (fault == SimulatedFault::Unplug) VanishLocked();
  if (fault == SimulatedFault::Unplug || fault == SimulatedFault::WriteFails) return false;
  wireLog_.Append(WireEvent::OutputReport, report, length);
  ApplyHeadsetReport(headsetLeds_, report);
  return true;
}

void SimulatedDevice::QueueInputLocked(SimulatedInterface target, std::vector<uint8_t> report) {
  InputOf(target).push_back(std::move(report));
  WakeReadersLocked(target);
}

void SimulatedDevice::WakeReadersLocked(std::optional<SimulatedInterface> target) {
  for (const WaitingReader& reader : waitingReaders_)
    if (!target || reader.target == *target) SetEvent(reader.arrival);
}

bool SimulatedDevice::Read(SimulatedInterface target, uint32_t generation, uint8_t* buffer, size_t length,
                           size_t& transferred, const SimulatedReadWait& wait) {
  transferred = 0;
  const ULONGLONG deadline = GetTickCount64() + wait.timeoutMs;
  std::unique_lock<std::mutex> lock(mutex_);
  if (wait.arrival) waitingReaders_.push_back({target, wait.arrival});
  bool read = false;
  for (;;) {
    const InputState state = TakeInputLocked(target, generation, buffer, length, transferred);
    if (state != InputState::Empty) {
      read = state == InputState::Delivered;
      break;
    }
    const ULONGLONG now = GetTickCount64();
    if (!wait.arrival || now >= deadline) {
      TimeOutLocked(target);
      break;
    }
    lock.unlock();
    const HANDLE events[] = {wait.arrival, wait.abort};
    const DWORD woke = WaitForMultipleObjects(wait.abort ? 2 : 1, events, FALSE, static_cast<DWORD>(deadline - now));
    lock.lock();
    if (woke != WAIT_OBJECT_0 && woke != WAIT_TIMEOUT) break;  // aborted, or the wait itself failed
  }
  if (wait.arrival)
    waitingReaders_.erase(std::find_if(waitingReaders_.begin(), waitingReaders_.end(),
                                       [&wait](const WaitingReader& reader) { return reader.arrival == wait.arrival; }));
  return read;
}

SimulatedDevice::InputState SimulatedDevice::TakeInputLocked(SimulatedInterface target, uint32_t generation,
                                                             uint8_t* buffer, size_t length, size_t& transferred) {
  if (!IsLive(generation) || length < InputReportLength(target)) return InputState::Gone;
  Queue& queue = InputOf(target);
  if (queue.empty()) return InputState::Empty;
  const std::vector<uint8_t> report = std::move(queue.front());
  queue.pop_front();
  std::memcpy(buffer, report.data(), report.size());
  transferred = report.size();
  if (target == SimulatedInterface::Command) wireLog_.Append(WireEvent::Reply, report.data(), report.size());
  return InputState::Delivered;
}

// A late reply arrives just after the host's read has timed out, where the next read finds it.
void SimulatedDevice::TimeOutLocked(SimulatedInterface target) {
  if (target != SimulatedInterface::Command || !lateReply_) return;
  InputOf(SimulatedInterface::Command).push_back(std::move(*lateReply_));
  lateReply_.reset();
}

void SimulatedDevice::FlushInput(SimulatedInterface target, uint32_t generation) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!IsLive(generation)) return;
  Queue& queue = InputOf(target);
  for (const std::vector<uint8_t>& report : queue)
    if (target == SimulatedInterface::Command) wireLog_.Append(WireEvent::Discarded, report.data(), report.size());
  queue.clear();
}

size_t SimulatedDevice::InputReportLength(SimulatedInterface target) {
  switch (target) {
    case SimulatedInterface::Command: return HID_COMMAND_REPORT_SIZE;
    case SimulatedInterface::Sync: return kChangeReportSize;
    case SimulatedInterface::Headset: return 0;  // its input reports are not modelled
    case SimulatedInterface::VendorControl: return 0;
  }
  return 0;
}
