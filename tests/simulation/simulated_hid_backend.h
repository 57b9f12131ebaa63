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
  // Connects the device (listed after those attached before it); the path of its first interface
  // (the command interface, or the headset's only one).
  std::wstring Attach(std::shared_ptr<SimulatedDevice> device);
  std::wstring PathOf(const SimulatedDevice& device, SimulatedInterface target) const;

  // Interfaces opened from now on wait in real time for input reports (up to the read's time-out,
  // ended early by an abort), as a long-running program needs; by default a read with nothing to
  // deliver reports its time-out at once, so that tests never sleep.
  void SetReadsWaitInRealTime(bool wait);

  // The next walk cannot read this interface's path, as when it vanishes during the walk.
  void FailPathQueryOnce(const std::wstring& path);
  // No interface list can be had at all.
  void SetListFails(bool fails);
  // The list answers "unavailable" for every index past its interfaces instead of its end.
  void SetListNeverEnds(bool neverEnds);
  // The next walk runs out of memory while it reads the second interface's path.
  void FailAllocationInNextWalk();

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
  bool listNeverEnds_ = false;
  bool allocationFails_ = false;
  bool readsWait_ = false;
};
