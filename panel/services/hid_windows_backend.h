#pragma once
#include "hid_backend.h"

// The real side of the seam: SetupAPI enumeration, overlapped file I/O and the HidD_/HidP_ calls.
class WindowsHidBackend : public HidBackend {
 public:
  std::unique_ptr<HidInterfaceList> ListPresentInterfaces() override;
  std::unique_ptr<HidConnection> Open(const std::wstring& path, const HidOpenMode& mode) override;
  bool IsPresent(const std::wstring& path) override;
};
