#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

#include "connection_flag.h"
#include "device_command_report.h"
#include "device_info.h"
#include "hid_device.h"

// The panel's link to one device: its HID identity, presence and lighting flags, and the 64-byte
// command protocol. Every report is one locked transaction: the lock is held across the write of
// a request and the read of its reply, so no other thread's report comes between them. Results
// are the DeviceResult codes.
class DeviceCommandChannel {
 public:
  static constexpr uint16_t kMaxTransferSize = 512;
  // Key bank b starts at b × this in the device's key memory, so a table written whole reaches
  // into the banks after it.
  static constexpr uint16_t kKeyBankStride = 126;

  explicit DeviceCommandChannel(HidBackend& backend = CurrentHidBackend());
  ~DeviceCommandChannel();
  DeviceCommandChannel(const DeviceCommandChannel&) = delete;
  DeviceCommandChannel& operator=(const DeviceCommandChannel&) = delete;

  // Stores the identity that detection matches and marks the channel not connected.
  void SetIdentity(uint16_t vendorId, uint16_t productId, uint16_t usage, uint16_t usagePage);
  // 0 and no change above kMaxTransferSize, else 1.
  int SetTransferSize(uint16_t size);
  int IsConnected() const { return m_connected; }

  // Writes the request as one 64-byte report (padded or cut) and reads the reply, up to four
  // attempts. 1 when a reply was read; 0 when not connected or never answered; -1 when a write failed.
  int Transact(const uint8_t* request, size_t requestLength, uint8_t* reply, size_t replyLength,
               DWORD* replyCount);
  // One write and one read, no retry; nonzero when a reply was read.
  int TransactOnce(const uint8_t* request, size_t requestLength);

  // The device commands. Tables (key tables, their destinations and sources) are up to
  // kMaxTransferSize bytes: the channel's transfer size.
  int BeginTransfer();
  int EndTransfer();
  int ReadDeviceInfo(DeviceInfo& info);
  int ReadSettings(uint8_t* destination, size_t length, uint16_t offset);  // length at most 56
  int WriteSettings(const uint8_t* source, size_t length, uint16_t offset);  // length at most 56
  int ReadFactoryKeyTable(uint8_t* destination);
  int ReadKeyTable(uint8_t* destination, int bank);
  int WriteKeyTable(const uint8_t* source, int bank);
  int SendRestoreDefaults();
  int SendLedFrame(const uint8_t* frame, size_t length);
  int SendHardwareLightingCommand();
  int WriteMacroMemory(const uint8_t* image, size_t length);
  int WriteScriptMemory(const uint8_t* image, size_t length);

  std::atomic<uint16_t> m_transferSize{kMaxTransferSize};
  uint16_t m_vendorId = 0;
  uint16_t m_productId = 0;
  uint16_t m_usage = 0;
  uint16_t m_usagePage = 0;
  // Flags shared by the threads without the lock; a change takes effect at the next test.
  ConnectionFlag m_connected;             // written only by the device's detection thread
  std::atomic<int> m_lightingSync{0};
  std::atomic<int> m_frameSendEnabled{1};  // honoured by SendLedFrame only
  HidDevice m_device;
  std::recursive_mutex m_lock;  // a detection thread holds it for its whole pass

 private:
  struct ChunkedTransfer;
  int SendSingleCommand(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data, uint8_t* replyData);
  int SendChunks(const ChunkedTransfer& transfer);
  int SendWithoutChecksum(uint8_t command);
};
