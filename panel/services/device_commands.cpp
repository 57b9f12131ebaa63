// The device commands: each builds its request reports on the channel's transactions.
#include <windows.h>

#include <cstring>

#include "clock.h"
#include "device_command_channel.h"

namespace {
constexpr int kHighestBank = 4;
constexpr DWORD kEndTransferPauseMs = 10;

int StatusResult(const uint8_t* reply) {
  switch (reply[COMMAND_FIELD_STATUS]) {
    case DEVICE_STATUS_REFUSED: return DEVICE_RESULT_STATUS_FF;
    case DEVICE_STATUS_REJECTED: return DEVICE_RESULT_STATUS_FE;
    default: return DEVICE_RESULT_OK;
  }
}

bool IsBank(int bank) { return bank >= 0 && bank <= kHighestBank; }
}  // namespace

// One chunked command: its data goes or comes in reports of at most 56 bytes.
struct DeviceCommandChannel::ChunkedTransfer {
  uint8_t command;
  uint16_t baseOffset;
  const uint8_t* source;   // data to send, or null
  uint8_t* destination;    // where reply data goes, or null
  size_t length;           // ignored when followsTransferSize
  bool followsTransferSize;  // the total is the channel's transfer size, read before every chunk
  bool isLedFrame;         // a failed transaction does not end a frame
};

int DeviceCommandChannel::SendSingleCommand(uint8_t command, uint8_t length, uint16_t offset, const uint8_t* data,
                                            uint8_t* replyData) {
  const CommandReport request = BuildCommandRequest(command, length, offset, data, data ? length : 0);
  CommandReport reply{};
  int result = Transact(request.data(), request.size(), reply.data(), reply.size(), nullptr);
  if (result != DEVICE_RESULT_OK) return result;
  result = StatusResult(reply.data());
  if (result != DEVICE_RESULT_OK) return result;
  if (replyData) std::memcpy(replyData, &reply[COMMAND_FIELD_DATA], length);
  return DEVICE_RESULT_OK;
}

int DeviceCommandChannel::SendChunks(const ChunkedTransfer& transfer) {
  CommandReport request{};
  request[COMMAND_FIELD_REPORT_ID] = HID_COMMAND_REPORT_ID;
  request[COMMAND_FIELD_COMMAND] = transfer.command;
  size_t chunk = 0;
  for (size_t done = 0;; done += chunk) {
    const size_t total = transfer.followsTransferSize ? m_transferSize.load() : transfer.length;
    if (done >= total) break;
    chunk = done + HID_COMMAND_CHUNK_SIZE < total ? HID_COMMAND_CHUNK_SIZE : total - done;
    request[COMMAND_FIELD_LENGTH] = static_cast<uint8_t>(chunk);
    StoreCommandOffset(request, static_cast<uint16_t>(transfer.baseOffset + done));
    if (transfer.source) std::memcpy(&request[COMMAND_FIELD_DATA], transfer.source + done, chunk);
    StoreCommandChecksum(request);
    CommandReport reply{};
    int result = Transact(request.data(), request.size(), reply.data(), reply.size(), nullptr);
    if (result != DEVICE_RESULT_OK) {
      if (transfer.isLedFrame) continue;
      return result;
    }
    result = StatusResult(reply.data());
    if (result != DEVICE_RESULT_OK) return result;
    if (transfer.destination) std::memcpy(transfer.destination + done, &reply[COMMAND_FIELD_DATA], chunk);
  }
  return DEVICE_RESULT_OK;
}

// These two reports go out with every byte but the report id and the command left 0, the
// checksum included, and their reply is not examined.
int DeviceCommandChannel::SendWithoutChecksum(uint8_t command) {
  CommandReport request{};
  request[COMMAND_FIELD_REPORT_ID] = HID_COMMAND_REPORT_ID;
  request[COMMAND_FIELD_COMMAND] = command;
  return TransactOnce(request.data(), request.size());
}

int DeviceCommandChannel::BeginTransfer() {
  return SendSingleCommand(DEVICE_COMMAND_BEGIN_TRANSFER, 0, 0, nullptr, nullptr);
}

int DeviceCommandChannel::EndTransfer() {
  CurrentClock().Sleep(kEndTransferPauseMs);
  return SendSingleCommand(DEVICE_COMMAND_END_TRANSFER, 0, 0, nullptr, nullptr);
}

int DeviceCommandChannel::ReadDeviceInfo(DeviceInfo& info) {
  return SendSingleCommand(DEVICE_COMMAND_READ_DEVICE_INFO, DeviceInfo::kSize, 0, nullptr, info.bytes);
}

// A settings transfer longer than one chunk would run past the 64-byte report.
int DeviceCommandChannel::ReadSettings(uint8_t* destination, size_t length, uint16_t offset) {
  if (length > HID_COMMAND_CHUNK_SIZE) return DEVICE_RESULT_NO_ANSWER;
  return SendSingleCommand(DEVICE_COMMAND_READ_SETTINGS, static_cast<uint8_t>(length), offset, nullptr, destination);
}

int DeviceCommandChannel::WriteSettings(const uint8_t* source, size_t length, uint16_t offset) {
  if (length > HID_COMMAND_CHUNK_SIZE) return DEVICE_RESULT_NO_ANSWER;
  m_lightingSync = 0;
  return SendSingleCommand(DEVICE_COMMAND_WRITE_SETTINGS, static_cast<uint8_t>(length), offset, source, nullptr);
}

int DeviceCommandChannel::ReadFactoryKeyTable(uint8_t* destination) {
  return SendChunks({DEVICE_COMMAND_READ_FACTORY_KEY_TABLE, 0, nullptr, destination, 0, true, false});
}

int DeviceCommandChannel::ReadKeyTable(uint8_t* destination, int bank) {
  if (!IsBank(bank)) return DEVICE_RESULT_BANK_OUT_OF_RANGE;
  return SendChunks({DEVICE_COMMAND_READ_KEY_TABLE, static_cast<uint16_t>(bank * kKeyBankStride), nullptr,
                     destination, 0, true, false});
}

int DeviceCommandChannel::WriteKeyTable(const uint8_t* source, int bank) {
  if (!IsBank(bank)) return DEVICE_RESULT_BANK_OUT_OF_RANGE;
  return SendChunks({DEVICE_COMMAND_WRITE_KEY_TABLE, static_cast<uint16_t>(bank * kKeyBankStride), source, nullptr, 0,
                     true, false});
}

int DeviceCommandChannel::SendRestoreDefaults() { return SendWithoutChecksum(DEVICE_COMMAND_RESTORE_DEFAULTS); }

int DeviceCommandChannel::SendLedFrame(const uint8_t* frame, size_t length) {
  if (!m_frameSendEnabled) return DEVICE_RESULT_OK;
  return SendChunks({DEVICE_COMMAND_LED_FRAME, 0, frame, nullptr, length, false, true});
}

int DeviceCommandChannel::SendHardwareLightingCommand() {
  return SendWithoutChecksum(DEVICE_COMMAND_HARDWARE_LIGHTING);
}

int DeviceCommandChannel::WriteMacroMemory(const uint8_t* image, size_t length) {
  return SendChunks({DEVICE_COMMAND_WRITE_MACRO_MEMORY, 0, image, nullptr, length, false, false});
}

int DeviceCommandChannel::WriteScriptMemory(const uint8_t* image, size_t length) {
  return SendChunks({DEVICE_COMMAND_WRITE_SCRIPT_MEMORY, 0, image, nullptr, length, false, false});
}
