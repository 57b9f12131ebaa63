#include "simulated_hid_backend.h"

#include <cwctype>

#include "simulated_report_parser.h"

namespace {

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring InterfacePath(uint16_t productId, SimulatedInterface target, size_t instance) {
  wchar_t path[160];
  swprintf(path, 160, L"\\\\?\\hid#vid_%04x&pid_%04x&mi_%02d#8&sim&%zu&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
           SimulatedHidBackend::kVendorId, productId, target == SimulatedInterface::Command ? 0 : 1, instance);
  return path;
}

class SimulatedConnection : public HidConnection {
 public:
  SimulatedConnection(std::shared_ptr<SimulatedDevice> device, SimulatedInterface target, const HidOpenMode& mode,
                      bool emptySyncReadsWait)
      : device_(std::move(device)), target_(target), mode_(mode), generation_(device_->Generation()),
        emptySyncReadsWait_(emptySyncReadsWait) {}

  bool GetAttributes(HIDD_ATTRIBUTES& attributes) override {
    attributes = HIDD_ATTRIBUTES{sizeof(HIDD_ATTRIBUTES), SimulatedHidBackend::kVendorId, device_->ProductId(), 0x0105};
    return device_->IsPlugged();
  }
  std::unique_ptr<HidReportParser> GetParser() override { return std::make_unique<SimulatedReportParser>(target_); }
  bool Read(void* buffer, DWORD length, DWORD timeoutMs, const HidIoEvents& events, DWORD& transferred) override {
    size_t count = 0;
    bool read = mode_.read && device_->Read(target_, generation_, static_cast<uint8_t*>(buffer), length, count);
    transferred = static_cast<DWORD>(count);
    // A reader of change reports loops on its reads: in a running program it must be held up for
    // the time-out, as a real device holds it, or it spins.
    if (!read && emptySyncReadsWait_ && target_ == SimulatedInterface::Sync)
      WaitForSingleObject(events.abort, timeoutMs);
    return read;
  }
  bool Write(const void* buffer, DWORD length, DWORD, const HidIoEvents&, DWORD& transferred) override {
    bool written = mode_.write && device_->Write(target_, generation_, static_cast<const uint8_t*>(buffer), length);
    transferred = written ? length : 0;
    return written;
  }
  void FlushInput() override { device_->FlushInput(target_, generation_); }

 private:
  std::shared_ptr<SimulatedDevice> device_;
  SimulatedInterface target_;
  HidOpenMode mode_;
  uint32_t generation_;
  bool emptySyncReadsWait_;
};

// A snapshot of the bus taken when the walk starts, as SetupAPI takes one.
class SimulatedInterfaceList : public HidInterfaceList {
 public:
  explicit SimulatedInterfaceList(std::vector<std::wstring> paths) : paths_(std::move(paths)) {}
  InterfaceQuery Query(uint32_t index, std::wstring& path) override {
    if (index >= paths_.size()) return InterfaceQuery::NoMoreItems;
    if (paths_[index].empty()) return InterfaceQuery::Unavailable;
    path = paths_[index];
    return InterfaceQuery::Found;
  }

 private:
  std::vector<std::wstring> paths_;  // empty: the query of that interface fails
};

}  // namespace

std::wstring SimulatedHidBackend::Attach(std::shared_ptr<SimulatedDevice> device) {
  std::lock_guard<std::mutex> lock(mutex_);
  const size_t instance = endpoints_.size();
  const uint16_t productId = device->ProductId();
  const std::wstring commandPath = InterfacePath(productId, SimulatedInterface::Command, instance);
  endpoints_.push_back({device, SimulatedInterface::Command, commandPath});
  if (device->Model().hasSyncInterface)
    endpoints_.push_back({device, SimulatedInterface::Sync, InterfacePath(productId, SimulatedInterface::Sync, instance)});
  return commandPath;
}

std::wstring SimulatedHidBackend::PathOf(const SimulatedDevice& device, SimulatedInterface target) const {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const Endpoint& endpoint : endpoints_)
    if (endpoint.device.get() == &device && endpoint.target == target) return endpoint.path;
  return {};
}

void SimulatedHidBackend::FailPathQueryOnce(const std::wstring& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  failingQueries_.insert(Lower(path));
}

void SimulatedHidBackend::SetListFails(bool fails) {
  std::lock_guard<std::mutex> lock(mutex_);
  listFails_ = fails;
}

std::unique_ptr<HidInterfaceList> SimulatedHidBackend::ListPresentInterfaces() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (listFails_) return nullptr;
  std::vector<std::wstring> paths;
  for (const Endpoint& endpoint : endpoints_) {
    if (!endpoint.device->IsPlugged()) continue;
    paths.push_back(failingQueries_.erase(Lower(endpoint.path)) ? std::wstring() : endpoint.path);
  }
  return std::make_unique<SimulatedInterfaceList>(std::move(paths));
}

// Paths compare without regard to case, as Windows compares them.
const SimulatedHidBackend::Endpoint* SimulatedHidBackend::Find(const std::wstring& path) const {
  const std::wstring wanted = Lower(path);
  for (const Endpoint& endpoint : endpoints_)
    if (Lower(endpoint.path) == wanted && endpoint.device->IsPlugged()) return &endpoint;
  return nullptr;
}

std::unique_ptr<HidConnection> SimulatedHidBackend::Open(const std::wstring& path, const HidOpenMode& mode) {
  std::lock_guard<std::mutex> lock(mutex_);
  const Endpoint* endpoint = Find(path);
  if (!endpoint) return nullptr;
  return std::make_unique<SimulatedConnection>(endpoint->device, endpoint->target, mode, emptySyncReadsWait_);
}

bool SimulatedHidBackend::IsPresent(const std::wstring& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  return Find(path) != nullptr;
}
