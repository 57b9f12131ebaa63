#include "hid_device.h"

#include <new>

HidDevice::HidDevice(HidBackend& backend)
    : m_backend(backend),
      m_readEvent(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      m_writeEvent(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      m_abortEvent(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

HidDevice::~HidDevice() {
  Close();
  FreePathList();
  CloseHandle(m_readEvent);
  CloseHandle(m_writeEvent);
  CloseHandle(m_abortEvent);
}

int HidDevice::BeginEnumeration() {
  m_pathCursor = 0;
  uint32_t count = 0;
  return EnumerateInterfacePaths(count);
}

int HidDevice::EnumerateInterfacePaths(uint32_t& count) {
  FreePathList();
  count = 0;
  // A path that cannot be stored fails this walk only; an escaping exception would end the
  // detection thread, and with it the process.
  try {
    std::unique_ptr<HidInterfaceList> list = m_backend.ListPresentInterfaces();
    if (!list) return 0;
    // An interface that vanishes during the walk leaves an empty entry; the walk goes on, because
    // the detection threads end for good when an enumeration fails. A list that never reports its
    // end is cut at the bound with what it gave so far, for the same reason.
    for (uint32_t index = 0; index < kMaxInterfaceIndex; ++index) {
      std::wstring path;
      InterfaceQuery query = list->Query(index, path);
      if (query == InterfaceQuery::NoMoreItems) break;
      m_paths.push_back(query == InterfaceQuery::Found ? std::move(path) : std::wstring());
    }
  } catch (const std::bad_alloc&) {
    FreePathList();
    return 0;
  }
  count = m_pathCount = static_cast<uint32_t>(m_paths.size());
  return 1;
}

const wchar_t* HidDevice::NextPath() {
  while (m_pathCursor < m_pathCount) {
    const std::wstring& path = m_paths[m_pathCursor++];
    if (!path.empty()) return path.c_str();
  }
  return nullptr;
}

void HidDevice::FreePathList() {
  m_paths.clear();
  m_pathCount = 0;
  m_pathCursor = 0;
}

int HidDevice::Open(const std::wstring& path, bool read, bool write, bool overlapped, bool exclusive) {
  m_openMode = HidOpenMode{read, write, overlapped, exclusive};
  m_devicePath = path;
  return Reopen();
}

int HidDevice::Reopen() {
  AbortPendingTransfers();
  std::lock_guard<std::mutex> gate(m_ioGate);
  CloseHoldingGate();
  m_connection = m_backend.Open(m_devicePath, m_openMode);
  if (!m_connection) return 0;
  if (ReadCapabilities()) return 1;
  CloseHoldingGate();
  return 0;
}

void HidDevice::Close() {
  AbortPendingTransfers();
  std::lock_guard<std::mutex> gate(m_ioGate);
  CloseHoldingGate();
}

void HidDevice::AbortPendingTransfers() {
  if (m_readPending || m_writePending) SetEvent(m_abortEvent);
}

void HidDevice::CloseHoldingGate() {
  FreeCapabilities();
  m_connection.reset();
  // Every transfer has ended by now; a signal none of them took must not cut the next one short.
  ResetEvent(m_abortEvent);
}

bool HidDevice::IsDevicePathPresent() const { return !m_devicePath.empty() && m_backend.IsPresent(m_devicePath); }

int HidDevice::ReadCapabilities() {
  if (!m_connection || !m_connection->GetAttributes(m_attributes)) return 0;
  m_parser = m_connection->GetParser();
  if (!m_parser || m_parser->GetCaps(m_capabilities) != HIDP_STATUS_SUCCESS) {
    FreeCapabilities();
    return 0;
  }
  const HIDP_CAPS& caps = m_capabilities;
  BuildHidReportSet(*m_parser, HidP_Input, caps.InputReportByteLength, caps.NumberInputButtonCaps,
                    caps.NumberInputValueCaps, m_inputReport);
  BuildHidReportSet(*m_parser, HidP_Output, caps.OutputReportByteLength, caps.NumberOutputButtonCaps,
                    caps.NumberOutputValueCaps, m_outputReport);
  BuildHidReportSet(*m_parser, HidP_Feature, caps.FeatureReportByteLength, caps.NumberFeatureButtonCaps,
                    caps.NumberFeatureValueCaps, m_featureReport);
  return 1;
}

void HidDevice::FreeCapabilities() {
  m_inputReport = HidReportSet{};
  m_outputReport = HidReportSet{};
  m_featureReport = HidReportSet{};
  m_parser.reset();
  m_capabilities = HIDP_CAPS{};
}

int HidDevice::ReadReport(void* buffer, DWORD length, DWORD* transferred, DWORD timeoutMs) {
  return RunTransfer(m_readPending, transferred, [&](HidConnection& connection, DWORD& count) {
    return connection.Read(buffer, length, timeoutMs, HidIoEvents{m_readEvent, m_abortEvent}, count);
  });
}

int HidDevice::WriteReport(const void* buffer, DWORD length, DWORD* transferred, DWORD timeoutMs) {
  return RunTransfer(m_writePending, transferred, [&](HidConnection& connection, DWORD& count) {
    return connection.Write(buffer, length, timeoutMs, HidIoEvents{m_writeEvent, m_abortEvent}, count);
  });
}

int HidDevice::RunTransfer(std::atomic<int>& pending, DWORD* transferred,
                           const std::function<bool(HidConnection&, DWORD&)>& transfer) {
  pending = 1;
  std::lock_guard<std::mutex> gate(m_ioGate);
  DWORD count = 0;
  const bool completed = m_connection && transfer(*m_connection, count);
  // Both written before the gate opens: a destructor waiting on it on another thread may free this
  // object as soon as it does.
  if (transferred) *transferred = completed ? count : 0;
  pending = 0;
  return completed ? 1 : 0;
}

int HidDevice::SetOutputReport(const void* report, DWORD length) {
  std::lock_guard<std::mutex> gate(m_ioGate);
  return m_connection && m_connection->SetOutputReport(report, length) ? 1 : 0;
}

void HidDevice::FlushInput() {
  std::lock_guard<std::mutex> gate(m_ioGate);
  if (m_connection) m_connection->FlushInput();
}
