// The stand-in audio control library: a plausible first headset behind the entry points the panel
// calls. It is listed in the present-device list, has the two LED controllers as I2C register files
// (slaves 0x11 and 0x22) and takes every setting while it is present; the last arguments of every
// setting stay readable. Tests steer it through the Standin* exports.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "audio_control_api.h"
#include "standin_call_log.h"
#include "standin_declaration_check.h"

namespace {
constexpr uint16_t kVendorId = 0x2B9E;
constexpr uint16_t kProductId = 0x7330;
constexpr int kSlaves[] = {0x11, 0x22};
constexpr int kRegisterCount = 256;

constexpr int kDone = 0;
constexpr int kHeadsetAbsent = -1;
constexpr int kBadArgument = -2;

constexpr int kListCapacity = 128;
// A result that is not injected: the stand-in answers by itself.
constexpr int kNoInjectedResult = 0x7FFFFFFF;

PresentDeviceList HeadsetListAt(int position) {
  PresentDeviceList list{};
  if (position < 0) return list;
  list.count = static_cast<uint16_t>(position + 1);
  list.vendorIds[position] = kVendorId;
  list.productIds[position] = kProductId;
  return list;
}

// A fresh load lists the headset, unless the process that loads it was started with
// STANDIN_HEADSET=absent (a whole program run without the headset).
PresentDeviceList FreshDeviceList() {
  char value[16] = "";
  const DWORD length = GetEnvironmentVariableA("STANDIN_HEADSET", value, sizeof value);
  return HeadsetListAt(length > 0 && strcmp(value, "absent") == 0 ? -1 : 0);
}

std::mutex stateLock;
PresentDeviceList deviceList = FreshDeviceList();
bool lastPollAnswer = false;
bool pollAnswered = false;
uint8_t registers[2][kRegisterCount];
std::map<std::string, std::vector<int>> lastSettings;
Virtual7ch1Params lastVirtualBlock;
int injectedI2CResult = kNoInjectedResult;
int injectedMagicSwitchResult = kNoInjectedResult;

// The headset takes settings while it is listed anywhere; the panel only looks at the first entry.
bool HeadsetListed() {
  for (int i = 0; i < deviceList.count && i < kListCapacity; ++i)
    if (deviceList.vendorIds[i] == kVendorId && deviceList.productIds[i] == kProductId) return true;
  return false;
}

int SlaveIndex(int slave) {
  for (int i = 0; i < 2; ++i)
    if (kSlaves[i] == slave) return i;
  return -1;
}

int SettingResult(const char* name, std::vector<int> arguments) {
  std::lock_guard<std::mutex> guard(stateLock);
  lastSettings[name] = std::move(arguments);
  return HeadsetListed() ? kDone : kHeadsetAbsent;
}

int LogSetting(const char* name, int value) {
  LogStandinCall("%s(%d)", name, value);
  return SettingResult(name, {value});
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

// The detection thread polls many times a second: a poll is logged only when its answer changes.
int Harkin_Search_Present_Device(PresentDeviceList* list) {
  if (!list) {
    LogStandinCall("Harkin_Search_Present_Device(null)");
    return kBadArgument;
  }
  std::lock_guard<std::mutex> guard(stateLock);
  *list = deviceList;
  const bool answer = HeadsetListed();
  if (!pollAnswered || answer != lastPollAnswer)
    LogStandinCall("Harkin_Search_Present_Device() -> %s", answer ? "headset" : "no headset");
  pollAnswered = true;
  lastPollAnswer = answer;
  return kDone;
}

int Harkin_SetEncOnOff(int on) { return LogSetting("Harkin_SetEncOnOff", on); }
int Harkin_SetMagicSoundOnOff(int on) {
  const int result = LogSetting("Harkin_SetMagicSoundOnOff", on);
  std::lock_guard<std::mutex> guard(stateLock);
  return injectedMagicSwitchResult == kNoInjectedResult ? result : injectedMagicSwitchResult;
}
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
  return SettingResult("Harkin_SetSpeakerChannelVolume", {left, right});
}

int Harkin_Set3D_OnOff_ById(int on, int deviceId) {
  LogStandinCall("Harkin_Set3D_OnOff_ById(%d, %d)", on, deviceId);
  return SettingResult("Harkin_Set3D_OnOff_ById", {on, deviceId});
}

int Harkin_SetVirtual7ch1(const Virtual7ch1Params* params) {
  if (!params) {
    LogStandinCall("Harkin_SetVirtual7ch1(null)");
    return kBadArgument;
  }
  LogStandinCall("Harkin_SetVirtual7ch1(%d; distance %s; angle %s)", params->reserved,
                 FloatList(params->distance, 8).c_str(), FloatList(params->angle, 8).c_str());
  {
    std::lock_guard<std::mutex> guard(stateLock);
    lastVirtualBlock = *params;
  }
  return SettingResult("Harkin_SetVirtual7ch1", {params->reserved});
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
  if (injectedI2CResult != kNoInjectedResult) return injectedI2CResult;
  if (!HeadsetListed()) return kHeadsetAbsent;
  memcpy(&registers[index][reg], data, length);
  return kDone;
}

// Steering, for tests and the demo run.

void StandinReset() {
  {
    std::lock_guard<std::mutex> guard(stateLock);
    deviceList = FreshDeviceList();
    pollAnswered = false;
    memset(registers, 0, sizeof registers);
    lastSettings.clear();
    lastVirtualBlock = Virtual7ch1Params{};
    injectedI2CResult = kNoInjectedResult;
    injectedMagicSwitchResult = kNoInjectedResult;
  }
  ClearStandinCallLog();
}

// The headset alone in the list, or an empty list.
void StandinSetHeadsetPresent(int present) {
  std::lock_guard<std::mutex> guard(stateLock);
  deviceList = HeadsetListAt(present ? 0 : -1);
}

// The headset listed at `position` behind other devices of the maker; -1 for an empty list.
void StandinListHeadsetAt(int position) {
  std::lock_guard<std::mutex> guard(stateLock);
  deviceList = HeadsetListAt(position >= 0 && position < kListCapacity ? position : -1);
}

// What Harkin_Write_I2C_ById and Harkin_SetMagicSoundOnOff answer from now on (nothing is stored
// by a refused write); 0x7FFFFFFF returns to the stand-in's own answers.
void StandinInjectI2CWriteResult(int result) {
  std::lock_guard<std::mutex> guard(stateLock);
  injectedI2CResult = result;
}
void StandinInjectMagicSwitchResult(int result) {
  std::lock_guard<std::mutex> guard(stateLock);
  injectedMagicSwitchResult = result;
}

// Argument `index` of the last call of setting `name`; -1 when it has not been called (tests choose
// other values).
int StandinLastSetting(const char* name, int index) {
  std::lock_guard<std::mutex> guard(stateLock);
  auto found = lastSettings.find(name ? name : "");
  if (found == lastSettings.end() || index < 0 || index >= static_cast<int>(found->second.size()))
    return -1;
  return found->second[index];
}

void StandinLastVirtualBlock(Virtual7ch1Params* block) {
  std::lock_guard<std::mutex> guard(stateLock);
  if (block) *block = lastVirtualBlock;
}

// The register's value, or -1 for a slave or register the headset does not have.
int StandinReadI2CRegister(int slave, int reg) {
  int index = SlaveIndex(slave);
  if (index < 0 || reg < 0 || reg >= kRegisterCount) return -1;
  std::lock_guard<std::mutex> guard(stateLock);
  return registers[index][reg];
}

}  // extern "C"

// Each modelled entry point is exactly what the panel calls.
#define AUDIO_ENTRY_POINT(name) STANDIN_MATCHES_DECLARATION(audio_control, name);
#include "audio_control_standin_modelled.inc"
#undef AUDIO_ENTRY_POINT
