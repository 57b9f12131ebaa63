#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "hid_backend.h"
#include "hid_report_items.h"

// The panel's one access path to HID interfaces: lists the present ones, opens one by path, keeps
// its attributes, capabilities and decoded report items, and reads and writes reports with
// time-outs that another thread can cut short by closing the device.
class HidDevice {
 public:
  explicit HidDevice(HidBackend& backend = CurrentHidBackend());
  ~HidDevice();
  HidDevice(const HidDevice&) = delete;
  HidDevice& operator=(const HidDevice&) = delete;

  // A walk stops after this many indexes even if the list never reports its end.
  static constexpr uint32_t kMaxInterfaceIndex = 1024;

  // Lists the present interfaces; 1 when the list was built, else 0 (and the list is empty).
  int BeginEnumeration();
  // The next listed path, skipping entries whose path could not be read; null at the end.
  const wchar_t* NextPath();
  void FreePathList();
  uint32_t PathCount() const { return m_pathCount; }

  // 1 when the interface was opened and its capabilities read; 0 with the device closed otherwise.
  int Open(const std::wstring& path, bool read, bool write, bool overlapped, bool exclusive);
  int Reopen();
  void Close();
  bool IsOpen() const { return m_connection != nullptr; }
  // Is the interface last given to Open still there? Opens it with no access rights to find out.
  bool IsDevicePathPresent() const;

  // Nonzero when the transfer completed; 0 on failure, time-out or abort (the count is then 0).
  int ReadReport(void* buffer, DWORD length, DWORD* transferred, DWORD timeoutMs);
  int WriteReport(const void* buffer, DWORD length, DWORD* transferred, DWORD timeoutMs);
  // Sends one output report (the length is the whole report, its id included) through the class
  // driver; nonzero when the device took it, 0 when it refused it or the device is not open.
  int SetOutputReport(const void* report, DWORD length);
  // Drops input reports that arrived before now.
  void FlushInput();

  const std::wstring& DevicePath() const { return m_devicePath; }
  const HIDD_ATTRIBUTES& Attributes() const { return m_attributes; }
  const HIDP_CAPS& Capabilities() const { return m_capabilities; }
  const HidReportParser* Parser() const { return m_parser.get(); }
  HidReportSet& InputReport() { return m_inputReport; }
  HidReportSet& OutputReport() { return m_outputReport; }
  HidReportSet& FeatureReport() { return m_featureReport; }

 private:
  int EnumerateInterfacePaths(uint32_t& count);
  int ReadCapabilities();
  void FreeCapabilities();
  void AbortPendingTransfers();
  void CloseHoldingGate();
  int RunTransfer(std::atomic<int>& pending, DWORD* transferred,
                  const std::function<bool(HidConnection&, DWORD&)>& transfer);

  HidBackend& m_backend;
  std::vector<std::wstring> m_paths;
  uint32_t m_pathCount = 0;
  uint32_t m_pathCursor = 0;
  HidOpenMode m_openMode{};
  std::unique_ptr<HidConnection> m_connection;
  std::wstring m_devicePath;
  std::unique_ptr<HidReportParser> m_parser;
  HIDP_CAPS m_capabilities{};
  HIDD_ATTRIBUTES m_attributes{};
  HidReportSet m_inputReport;
  HidReportSet m_outputReport;
  HidReportSet m_featureReport;
  HANDLE m_readEvent;
  HANDLE m_writeEvent;
  HANDLE m_abortEvent;
  std::atomic<int> m_readPending{0};
  std::atomic<int> m_writePending{0};
  // Held by a transfer while it runs, and by Close and Reopen while they take the connection
  // down, so that a close from another thread waits until the aborted transfer has finished.
  std::mutex m_ioGate;
};
