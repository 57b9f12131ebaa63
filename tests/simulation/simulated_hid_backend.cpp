#include "simulated_hid_backend.h"

#include <cwctype>
#include <new>
#include <utility>

#include "simulated_report_parser.h"

namespace {

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring InterfacePath(const SimulatedDeviceModel& model, size_t interfaceNumber, size_t instance) {
  wchar_t path[160];
  swprintf(path, 160, L"\\\\?\\hid#vid_%04x&pid_%04x&mi_%02zu#8&sim&%zu&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
           model.vendorId, model.productId, interfaceNumber, instance);
  return path;
}

class SimulatedConnection : public HidConnection {
 public:
  SimulatedConnection(std::shared_ptr<SimulatedDevice> device, SimulatedInterface target, const HidOpenMode& mode,
                      bool readsWait)
      : device_(std::move(device)),
        target_(target),
        mode_(mode),
        readsWait_(readsWait),
        generation_(device_->Generation()) {
    device_->CountHandle(+1);
  }
  ~SimulatedConnection() override { device_->CountHandle(-1); }

  bool GetAttributes(HIDD_ATTRIBUTES& attributes) override {
    attributes = HIDD_ATTRIBUTES{sizeof(HIDD_ATTRIBUTES), device_->VendorId(), device_->ProductId(), 0x0105};
    return device_->IsPlugged();
  }
  std::unique_ptr<HidReportParser> GetParser() override { return std::make_unique<SimulatedReportParser>(target_); }
  bool Read(void* buffer, DWORD length, DWORD timeoutMs, const HidIoEvents& events, DWORD& transferred) override {
    const SimulatedReadWait wait{timeoutMs, readsWait_ ? events.completion : nullptr, events.abort};
    size_t count = 0;
    bool read = mode_.read && device_->Read(target_, generation_, static_cast<uint8_t*>(buffer), length, count, wait);
    transferred = static_cast<DWORD>(count);
    return read;
  }
  bool Write(const void* buffer, DWORD length, DWORD, const HidIoEvents&, DWORD& transferred) override {
    bool written = mode_.write && device_->Write(target_, generation_, static_cast<const uint8_t*>(buffer), length);
    transferred = written ? length : 0;
    return written;
  }
  // The class driver's call needs no access right, as on Windows.
  bool SetOutputReport(const void* report, DWORD length) override {
    return device_->SetOutputReport(target_, generation_, static_cast<const uint8_t*>(report), length);
  }
  void FlushInput() override { device_->FlushInput(target_, generation_); }

 private:
  std::shared_ptr<SimulatedDevice> device_;
  SimulatedInterface target_;
  HidOpenMode mode_;
  bool readsWait_;
  uint32_t generation_;
};

// A snapshot of the bus taken when the walk starts, as SetupAPI takes one.
class SimulatedInterfaceList : public HidInterfaceList {
 public:
  // An empty path: the query of that interface fails.
  SimulatedInterfaceList(std::vector<std::wstring> paths, bool neverEnds, bool allocationFails)
      : paths_(std::move(paths)), neverEnds_(neverEnds), allocationFails_(allocationFails) {}
  InterfaceQuery Query(uint32_t index, std::wstring& path) override {
    if (allocationFails_ && index == 1) throw std::bad_alloc();
    if (index >= paths_.size()) return neverEnds_ ? InterfaceQuery::Unavailable : InterfaceQuery::NoMoreItems;
    if (paths_[index].empty()) return InterfaceQuery::Unavailable;
    path = paths_[index];
    return InterfaceQuery::Found;
  }

 private:
  std::vector<std::wstring> paths_;
  bool neverEnds_;
  bool allocationFails_;
};

}  // namespace

std::wstring SimulatedHidBackend::Attach(std::shared_ptr<SimulatedDevice> device) {
  std::lock_guard<std::mutex> lock(mutex_);
  const size_t instance = endpoints_.size();
  const SimulatedDeviceModel& model = device->Model();
  for (size_t number = 0; number < model.interfaces.size(); ++number)
    endpoints_.push_back({device, model.interfaces[number], InterfacePath(model, number, instance)});
  return endpoints_[instance].path;
}

void SimulatedHidBackend::SetReadsWaitInRealTime(bool wait) {
  std::lock_guard<std::mutex> lock(mutex_);
  readsWait_ = wait;
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

void SimulatedHidBackend::SetListNeverEnds(bool neverEnds) {
  std::lock_guard<std::mutex> lock(mutex_);
  listNeverEnds_ = neverEnds;
}

void SimulatedHidBackend::FailAllocationInNextWalk() {
  std::lock_guard<std::mutex> lock(mutex_);
  allocationFails_ = true;
}

std::unique_ptr<HidInterfaceList> SimulatedHidBackend::ListPresentInterfaces() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (listFails_) return nullptr;
  std::vector<std::wstring> paths;
  for (const Endpoint& endpoint : endpoints_) {
    if (!endpoint.device->IsPlugged()) continue;
    paths.push_back(failingQueries_.erase(Lower(endpoint.path)) ? std::wstring() : endpoint.path);
  }
  const bool allocationFails = std::exchange(allocationFails_, false);
  return std::make_unique<SimulatedInterfaceList>(std::move(paths), listNeverEnds_, allocationFails);
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
  return std::make_unique<SimulatedConnection>(endpoint->device, endpoint->target, mode, readsWait_);
}

bool SimulatedHidBackend::IsPresent(const std::wstring& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  return Find(path) != nullptr;
}
