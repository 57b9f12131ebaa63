#include "device_command_channel.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int kAttempts = 4;
constexpr DWORD kWriteTimeoutMs = 1000;
constexpr DWORD kReadTimeoutMs = 300;

CommandReport PaddedReport(const uint8_t* request, size_t requestLength) {
  CommandReport report{};
  std::memcpy(report.data(), request, std::min(requestLength, report.size()));
  return report;
}
}  // namespace

DeviceCommandChannel::DeviceCommandChannel(HidBackend& backend) : m_device(backend) {}

DeviceCommandChannel::~DeviceCommandChannel() { SetIdentity(0, 0, 0, 0); }

void DeviceCommandChannel::SetIdentity(uint16_t vendorId, uint16_t productId, uint16_t usage, uint16_t usagePage) {
  m_vendorId = vendorId;
  m_productId = productId;
  m_usage = usage;
  m_usagePage = usagePage;
  m_connected = 0;
}

int DeviceCommandChannel::SetTransferSize(uint16_t size) {
  if (size > kMaxTransferSize) return 0;
  m_transferSize = size;
  return 1;
}

int DeviceCommandChannel::Transact(const uint8_t* request, size_t requestLength, uint8_t* reply, size_t replyLength,
                                   DWORD* replyCount) {
  if (replyCount) *replyCount = 0;
  if (!m_connected) return DEVICE_RESULT_NO_ANSWER;
  const CommandReport report = PaddedReport(request, requestLength);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    // Replies carry no echo: a reply that came after its read timed out would otherwise be taken
    // as the answer to this request and shift every later reply by one.
    m_device.FlushInput();
    if (!m_device.WriteReport(report.data(), report.size(), nullptr, kWriteTimeoutMs))
      return DEVICE_RESULT_WRITE_FAILED;
    if (m_device.ReadReport(reply, static_cast<DWORD>(replyLength), replyCount, kReadTimeoutMs))
      return DEVICE_RESULT_OK;
  }
  return DEVICE_RESULT_NO_ANSWER;
}

int DeviceCommandChannel::TransactOnce(const uint8_t* request, size_t requestLength) {
  if (!m_connected) return DEVICE_RESULT_NO_ANSWER;
  const CommandReport report = PaddedReport(request, requestLength);
  CommandReport scratch{};
  std::lock_guard<std::recursive_mutex> lock(m_lock);
  m_device.FlushInput();
  m_device.WriteReport(report.data(), report.size(), nullptr, kWriteTimeoutMs);
  return m_device.ReadReport(scratch.data(), scratch.size(), nullptr, kReadTimeoutMs);
}
