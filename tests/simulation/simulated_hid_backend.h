#pragma once
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "hid_backend.h"
#include "simulated_device.h"

// The simulation side of the seam below HidDevice: a bus of simulated devices whose interfaces
// are listed, opened and probed by path like real HID interfaces.
class SimulatedHidBackend : public HidBackend {
 public:
  static constexpr uint16_t kVendorId = 0x0C45;

  // Connects the device (listed after those attached before it); its command interface's path.
  std::wstring Attach(std::shared_ptr<SimulatedDevice> device);
  std::wstring PathOf(const SimulatedDevice& device, SimulatedInterface target) const;

  // The next walk cannot read this interface's path, as when it vanishes during the walk.
  void FailPathQueryOnce(const std::wstring& path);
  // No interface list can be had at all.
  void SetListFails(bool fails);
  // Interfaces opened from now on wait out the time-out of an empty hardware-sync read (the demo
  // run); tests leave it off, so nothing sleeps.
  void SetEmptySyncReadsWait(bool wait) { emptySyncReadsWait_ = wait; }

  std::unique_ptr<HidInterfaceList> ListPresentInterfaces() override;
  std::unique_ptr<HidConnection> Open(const std::wstring& path, const HidOpenMode& mode) override;
  bool IsPresent(const std::wstring& path) override;

 private:
  struct Endpoint {
    std::shared_ptr<SimulatedDevice> device;
    SimulatedInterface target;
    std::wstring path;
  };
  const Endpoint* Find(const std::wstring& path) const;

  mutable std::mutex mutex_;
  std::vector<Endpoint> endpoints_;
  std::set<std::wstring> failingQueries_;
  bool listFails_ = false;
  bool emptySyncReadsWait_ = false;
};
