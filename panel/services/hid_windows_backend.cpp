#include "hid_windows_backend.h"

#include <setupapi.h>

namespace {

class WindowsInterfaceList : public HidInterfaceList {
 public:
  WindowsInterfaceList(HDEVINFO set, const GUID& guid) : set_(set), guid_(guid) {}
  ~WindowsInterfaceList() override { SetupDiDestroyDeviceInfoList(set_); }

  InterfaceQuery Query(uint32_t index, std::wstring& path) override {
    SP_DEVICE_INTERFACE_DATA data{};
    data.cbSize = sizeof data;
    if (!SetupDiEnumDeviceInterfaces(set_, nullptr, &guid_, index, &data))
      return GetLastError() == ERROR_NO_MORE_ITEMS ? InterfaceQuery::NoMoreItems : InterfaceQuery::Unavailable;
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(set_, &data, nullptr, 0, &size, nullptr);
    // An interface removed since the walk began answers the size query with nothing usable.
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return InterfaceQuery::Unavailable;
    std::vector<DWORD> storage((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(set_, &data, detail, size, nullptr, nullptr))
      return InterfaceQuery::Unavailable;
    path = detail->DevicePath;
    return InterfaceQuery::Found;
  }

 private:
  HDEVINFO set_;
  GUID guid_;
};

class WindowsHidParser : public HidReportParser {
 public:
  explicit WindowsHidParser(PHIDP_PREPARSED_DATA data) : data_(data) {}
  ~WindowsHidParser() override { HidD_FreePreparsedData(data_); }

  NTSTATUS GetCaps(HIDP_CAPS& caps) const override { return HidP_GetCaps(data_, &caps); }
  NTSTATUS GetButtonCaps(HIDP_REPORT_TYPE type, HIDP_BUTTON_CAPS* caps, USHORT& count) const override {
    return HidP_GetSpecificButtonCaps(type, 0, 0, 0, caps, &count, data_);
  }
  NTSTATUS GetValueCaps(HIDP_REPORT_TYPE type, HIDP_VALUE_CAPS* caps, USHORT& count) const override {
    return HidP_GetSpecificValueCaps(type, 0, 0, 0, caps, &count, data_);
  }
  ULONG MaxUsageListLength(HIDP_REPORT_TYPE type, USAGE usagePage) const override {
    return HidP_MaxUsageListLength(type, usagePage, data_);
  }
  NTSTATUS GetUsages(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE* usages, ULONG& count, const uint8_t* report,
                     ULONG reportLength) const override {
    return HidP_GetUsages(type, usagePage, 0, usages, &count, data_, Report(report), reportLength);
  }
  NTSTATUS GetUsageValue(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE usage, ULONG& value, const uint8_t* report,
                         ULONG reportLength) const override {
    return HidP_GetUsageValue(type, usagePage, 0, usage, &value, data_, Report(report), reportLength);
  }
  NTSTATUS GetScaledUsageValue(HIDP_REPORT_TYPE type, USAGE usagePage, USAGE usage, LONG& value,
                               const uint8_t* report, ULONG reportLength) const override {
    return HidP_GetScaledUsageValue(type, usagePage, 0, usage, &value, data_, Report(report), reportLength);
  }

 private:
  // The parser only reads the report; the API merely lacks the const.
  static PCHAR Report(const uint8_t* report) { return reinterpret_cast<PCHAR>(const_cast<uint8_t*>(report)); }
  PHIDP_PREPARSED_DATA data_;
};

class WindowsHidConnection : public HidConnection {
 public:
  explicit WindowsHidConnection(HANDLE handle) : handle_(handle) {}
  ~WindowsHidConnection() override { CloseHandle(handle_); }

  bool GetAttributes(HIDD_ATTRIBUTES& attributes) override {
    attributes.Size = sizeof attributes;
    return HidD_GetAttributes(handle_, &attributes);
  }
  std::unique_ptr<HidReportParser> GetParser() override {
    PHIDP_PREPARSED_DATA data = nullptr;
    if (!HidD_GetPreparsedData(handle_, &data)) return nullptr;
    return std::make_unique<WindowsHidParser>(data);
  }
  bool Read(void* buffer, DWORD length, DWORD timeoutMs, const HidIoEvents& events, DWORD& transferred) override {
    OVERLAPPED overlapped{};
    overlapped.hEvent = events.completion;
    BOOL started = ReadFile(handle_, buffer, length, nullptr, &overlapped);
    return Finish(started, overlapped, timeoutMs, events, transferred);
  }
  bool Write(const void* buffer, DWORD length, DWORD timeoutMs, const HidIoEvents& events,
             DWORD& transferred) override {
    OVERLAPPED overlapped{};
    overlapped.hEvent = events.completion;
    BOOL started = WriteFile(handle_, buffer, length, nullptr, &overlapped);
    return Finish(started, overlapped, timeoutMs, events, transferred);
  }
  bool SetOutputReport(const void* report, DWORD length) override {
    // The call only reads the report; the API merely lacks the const.
    return HidD_SetOutputReport(handle_, const_cast<void*>(report), length);
  }
  void FlushInput() override { HidD_FlushQueue(handle_); }

 private:
  // Waits for the transfer or the abort event. A transfer that did not complete is cancelled and
  // its end awaited, so that it can never complete into the caller's buffer or OVERLAPPED later.
  bool Finish(BOOL started, OVERLAPPED& overlapped, DWORD timeoutMs, const HidIoEvents& events, DWORD& transferred) {
    transferred = 0;
    if (!started && GetLastError() != ERROR_IO_PENDING) return false;
    HANDLE waits[2] = {events.abort, events.completion};
    if (WaitForMultipleObjects(2, waits, FALSE, timeoutMs) == WAIT_OBJECT_0 + 1)
      return GetOverlappedResult(handle_, &overlapped, &transferred, TRUE);
    CancelIoEx(handle_, &overlapped);
    DWORD ignored = 0;
    GetOverlappedResult(handle_, &overlapped, &ignored, TRUE);
    return false;
  }

  HANDLE handle_;
};

}  // namespace

std::unique_ptr<HidInterfaceList> WindowsHidBackend::ListPresentInterfaces() {
  GUID guid;
  HidD_GetHidGuid(&guid);
  HDEVINFO set = SetupDiGetClassDevsW(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<WindowsInterfaceList>(set, guid);
}

std::unique_ptr<HidConnection> WindowsHidBackend::Open(const std::wstring& path, const HidOpenMode& mode) {
  DWORD access = (mode.read ? GENERIC_READ : 0) | (mode.write ? GENERIC_WRITE : 0);
  DWORD share = mode.exclusive ? FILE_SHARE_READ : FILE_SHARE_READ | FILE_SHARE_WRITE;
  HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                              mode.overlapped ? FILE_FLAG_OVERLAPPED : 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<WindowsHidConnection>(handle);
}

bool WindowsHidBackend::IsPresent(const std::wstring& path) {
  HANDLE handle = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}
