// The stand-in audio control library: a plausible first headset behind the entry points the panel
// calls. It is listed in the present-device list, has the two LED controllers as I2C register files
// (slaves 0x11 and 0x22) and takes every setting while it is present. Tests steer it through the
// Standin* exports.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>

#include "audio_library_records.h"
#include "standin_call_log.h"

namespace {
constexpr uint16_t kVendorId = 0x2B9E;
constexpr uint16_t kProductId = 0x7330;
constexpr int kSlaves[] = {0x11, 0x22};
constexpr int kRegisterCount = 256;

constexpr int kDone = 0;
constexpr int kHeadsetAbsent = -1;
constexpr int kBadArgument = -2;

std::mutex stateLock;
bool headsetPresent = true;
uint8_t registers[2][kRegisterCount];

int SlaveIndex(int slave) {
  for (int i = 0; i < 2; ++i)
    if (kSlaves[i] == slave) return i;
  return -1;
}

int SettingResult() {
  std::lock_guard<std::mutex> guard(stateLock);
  return headsetPresent ? kDone : kHeadsetAbsent;
}

int LogSetting(const char* name, int value) {
  LogStandinCall("%s(%d)", name, value);
  return SettingResult();
}

std::string FloatList(const float* values, int count) {
  std::string text;
  char number[32];
  for (int i = 0; i < count; ++i) {
    snprintf(number, sizeof number, "%s%g", i ? " " : "", values[i]);
    text += number;
  }
  return text;
}
}  // namespace

extern "C" {

int Harkin_Search_Present_Device(PresentDeviceList* list) {
  LogStandinCall("Harkin_Search_Present_Device()");
  if (!list) return kBadArgument;
  std::lock_guard<std::mutex> guard(stateLock);
  list->count = headsetPresent ? 1 : 0;
  if (headsetPresent) {
    list->vendorIds[0] = kVendorId;
    list->productIds[0] = kProductId;
  }
  return kDone;
}

int Harkin_SetEncOnOff(int on) { return LogSetting("Harkin_SetEncOnOff", on); }
int Harkin_SetMagicSoundOnOff(int on) { return LogSetting("Harkin_SetMagicSoundOnOff", on); }
int Harkin_SetMagicSound_Level(int level) { return LogSetting("Harkin_SetMagicSound_Level", level); }
int Harkin_SetSoundField_OnOff(int on) { return LogSetting("Harkin_SetSoundField_OnOff", on); }
int Harkin_SetSoundField(int mode) { return LogSetting("Harkin_SetSoundField", mode); }
int Harkin_SetVirtual7ch1_OnOff(int on) { return LogSetting("Harkin_SetVirtual7ch1_OnOff", on); }
int Harkin_SetMicVolume(int volume) { return LogSetting("Harkin_SetMicVolume", volume); }
int Harkin_SetSpeakerMasterVolume(int volume) {
  return LogSetting("Harkin_SetSpeakerMasterVolume", volume);
}
int Harkin_Config3D_ById(int value) { return LogSetting("Harkin_Config3D_ById", value); }

int Harkin_SetSpeakerChannelVolume(int left, int right) {
  LogStandinCall("Harkin_SetSpeakerChannelVolume(%d, %d)", left, right);
  return SettingResult();
}

int Harkin_Set3D_OnOff_ById(int on, int deviceId) {
  LogStandinCall("Harkin_Set3D_OnOff_ById(%d, %d)", on, deviceId);
  return SettingResult();
}

int Harkin_SetVirtual7ch1(const Virtual7ch1Params* params) {
  if (!params) {
    LogStandinCall("Harkin_SetVirtual7ch1(null)");
    return kBadArgument;
  }
  LogStandinCall("Harkin_SetVirtual7ch1(%d; distance %s; angle %s)", params->reserved,
                 FloatList(params->distance, 8).c_str(), FloatList(params->angle, 8).c_str());
  return SettingResult();
}

int Harkin_Write_I2C_ById(int slave, int reg, const uint8_t* data, int length, int timeoutMs,
                          int deviceId) {
  std::string bytes;
  char hex[4];
  for (int i = 0; data && i < length && i < 16; ++i) {
    snprintf(hex, sizeof hex, "%s%02X", i ? " " : "", data[i]);
    bytes += hex;
  }
  LogStandinCall("Harkin_Write_I2C_ById(0x%02X, 0x%02X, [%s], %d, %d, %d)", slave, reg,
                 bytes.c_str(), length, timeoutMs, deviceId);
  int index = SlaveIndex(slave);
  if (index < 0 || !data || length < 0 || reg < 0 || reg > kRegisterCount ||
      length > kRegisterCount - reg)
    return kBadArgument;
  std::lock_guard<std::mutex> guard(stateLock);
  if (!headsetPresent) return kHeadsetAbsent;
  memcpy(&registers[index][reg], data, length);
  return kDone;
}

// Steering, for tests and the demo run.

void StandinReset() {
  {
    std::lock_guard<std::mutex> guard(stateLock);
    headsetPresent = true;
    memset(registers, 0, sizeof registers);
  }
  ClearStandinCallLog();
}

void StandinSetHeadsetPresent(int present) {
  std::lock_guard<std::mutex> guard(stateLock);
  headsetPresent = present != 0;
}

// The register's value, or -1 for a slave or register the headset does not have.
int StandinReadI2CRegister(int slave, int reg) {
  int index = SlaveIndex(slave);
  if (index < 0 || reg < 0 || reg >= kRegisterCount) return -1;
  std::lock_guard<std::mutex> guard(stateLock);
  return registers[index][reg];
}

}  // extern "C"
