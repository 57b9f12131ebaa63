#include <atomic>

#include "hid_windows_backend.h"

namespace {
std::atomic<HidBackend*> installedBackend{nullptr};
}

HidBackend& CurrentHidBackend() {
  static WindowsHidBackend windowsBackend;
  HidBackend* installed = installedBackend.load();
  return installed ? *installed : windowsBackend;
}

void InstallHidBackend(HidBackend* backend) { installedBackend.store(backend); }
