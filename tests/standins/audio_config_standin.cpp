// The stand-in audio configuration library: a plausible K27 headset with one output (render) and
// one input (capture) device, each with a store of named properties. Values are kept as the text
// a read returns; a write takes a 32-bit integer or float from the first four bytes of the value
// buffer, as the property's form says. Tests steer it through the Standin* exports.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "audio_config_api.h"
#include "standin_call_log.h"
#include "standin_declaration_check.h"

namespace {
enum class Form { Integer, Float, Text };

struct Property {
  Form form;
  bool readOnly;
  bool readable;
  std::wstring text;
};

enum Store { kOutputStore = 0, kInputStore = 1 };
const char* const kStoreNames[] = {"output", "input"};
// What a read may leave in the caller's buffer: the pages' 1024-byte buffers.
constexpr size_t kMaxTextChars = 511;
constexpr int kDone = 0;
constexpr int kFailed = 1;

std::mutex stateLock;
int initResult = kDone;
std::vector<ConfLibDevice> deviceLists[2];
std::map<std::wstring, Property> stores[2];
// A store switched off answers no read at all, whatever its properties hold; writes still land.
bool storeReadable[2] = {true, true};

Property Integer(int value) { return {Form::Integer, false, true, std::to_wstring(value)}; }
Property Float(float value) {
  wchar_t text[32];
  swprintf(text, 32, L"%f", value);
  return {Form::Float, false, true, text};
}
Property ReadOnly(const wchar_t* text) { return {Form::Text, true, true, text}; }

void ListHeadsetDevices(bool present) {
  deviceLists[kOutputStore] = present ? std::vector<ConfLibDevice>{{0x0100, 1, 0, 1}} : std::vector<ConfLibDevice>{};
  deviceLists[kInputStore] = present ? std::vector<ConfLibDevice>{{0x0200, 2, 0, 1}} : std::vector<ConfLibDevice>{};
}

// A fresh load lists the headset's devices, unless the process that loads it was started with
// STANDIN_K27=absent (a whole program run without the headset).
bool HeadsetPresentAtLoad() {
  char value[16] = "";
  const DWORD length = GetEnvironmentVariableA("STANDIN_K27", value, sizeof value);
  return !(length > 0 && strcmp(value, "absent") == 0);
}

void ResetState() {
  initResult = kDone;
  storeReadable[kOutputStore] = storeReadable[kInputStore] = true;
  ListHeadsetDevices(HeadsetPresentAtLoad());

  auto& output = stores[kOutputStore];
  output = {{L"GetSupportFeature", ReadOnly(L"0,0,0,0,0,0,0")},
            {L"VirtualSurroundEffectControl", Integer(0)},
            {L"Enable_EQ_GFX", Integer(0)},
            {L"Enable_RFX_GFX", Integer(0)},
            {L"RFX_ENVIRONMENT", Integer(0)},
            {L"RFX_ROOMSIZE", Integer(0)}};
  for (int band = 1; band <= 10; ++band) output[L"EQ_Slider" + std::to_wstring(band)] = Integer(0);

  stores[kInputStore] = {{L"GetSupportFeature", ReadOnly(L"131072,0,0,0,0,0,0")},
                         {L"GetAAMaxVol", ReadOnly(L"100")},
                         {L"Enable_ENC_LFX", Integer(0)},
                         {L"VolumeControl", Float(0.0f)},
                         {L"MuteControl", Integer(0)},
                         {L"VolumeScalarControl", Float(0.5f)},
                         {L"AAVolumeControl", Float(0.0f)},
                         {L"AAMuteControl", Integer(0)},
                         {L"AAVolumeScalarControl", Float(0.5f)},
                         {L"Enable_MAGICVOICE", Integer(0)},
                         {L"MagicVoice_Selection", Integer(0)},
                         {L"Enable_MICECHO", Integer(0)}};
}

struct InitialState {
  InitialState() { ResetState(); }
} initialState;

// Output devices come in several types; the capture device is of type 2.
int StoreOf(const ConfLibDevice& device) {
  if (device.type == 2) return kInputStore;
  if (device.type == 1 || device.type == 12 || device.type == 7 || device.type == 4)
    return kOutputStore;
  return -1;
}

// The second argument points at a channel (one 32-bit integer) or, for the surround effect, at a
// parameter of three.
std::string SecondText(const wchar_t* name, void** second) {
  if (!second || !*second) return "";
  const int32_t* values = static_cast<const int32_t*>(*second);
  char text[64];
  if (wcscmp(name, L"VirtualSurroundEffectControl") == 0)
    snprintf(text, sizeof text, ", parameter %d %d %d", values[0], values[1], values[2]);
  else
    snprintf(text, sizeof text, ", channel %d", values[0]);
  return text;
}

int ReadProperty(const Property* property, wchar_t* buffer) {
  if (!property || !property->readable || !buffer) return kFailed;
  size_t n = std::min(property->text.size(), kMaxTextChars);
  wmemcpy(buffer, property->text.data(), n);
  buffer[n] = L'\0';
  return kDone;
}

int WriteProperty(Property* property, const void* buffer) {
  if (!property || property->readOnly || !buffer) return kFailed;
  if (property->form == Form::Float)
    *property = Float(*static_cast<const float*>(buffer));
  else
    *property = Integer(*static_cast<const int32_t*>(buffer));
  return kDone;
}
}  // namespace

extern "C" {

int ConfLibInit() {
  LogStandinCall("ConfLibInit()");
  std::lock_guard<std::mutex> guard(stateLock);
  return initResult;
}

int CreateDeviceList() {
  LogStandinCall("CreateDeviceList()");
  return kDone;
}

int GetDeviceCount(int list, int32_t* count) {
  LogStandinCall("GetDeviceCount(%d)", list);
  if (list < 0 || list > 1 || !count) return kFailed;
  std::lock_guard<std::mutex> guard(stateLock);
  *count = static_cast<int32_t>(deviceLists[list].size());
  return kDone;
}

int GetDeviceById(int list, int32_t index, ConfLibDevice* device) {
  LogStandinCall("GetDeviceById(%d, %d)", list, index);
  std::lock_guard<std::mutex> guard(stateLock);
  if (list < 0 || list > 1 || !device || index < 0 ||
      index >= static_cast<int32_t>(deviceLists[list].size()))
    return kFailed;
  *device = deviceLists[list][index];
  return kDone;
}

int PropertyControl(ConfLibDevice device, const wchar_t* name, void** value, void** second,
                    int direction) {
  int store = StoreOf(device);
  std::lock_guard<std::mutex> guard(stateLock);
  Property* property = nullptr;
  if (store >= 0 && name) {
    auto found = stores[store].find(name);
    if (found != stores[store].end()) property = &found->second;
  }
  void* buffer = value ? *value : nullptr;
  const bool readable = store >= 0 && storeReadable[store];
  int result = direction == 1 ? WriteProperty(property, buffer)
                              : ReadProperty(readable ? property : nullptr, static_cast<wchar_t*>(buffer));
  std::string where = store >= 0 ? kStoreNames[store] : "type " + std::to_string(device.type);
  // Shows the value as the property now holds it, so a write's integer or float form is visible.
  std::string shown = result == kDone ? StandinLogText(property->text.c_str()) : "?";
  if (direction == 1)
    LogStandinCall("PropertyControl(%s, %s, write %s%s) = %d", where.c_str(),
                   StandinLogText(name).c_str(), shown.c_str(), SecondText(name, second).c_str(),
                   result);
  else
    LogStandinCall("PropertyControl(%s, %s, read%s) = %d %s", where.c_str(),
                   StandinLogText(name).c_str(), SecondText(name, second).c_str(), result,
                   shown.c_str());
  return result;
}

// Steering, for tests and the demo run.

void StandinReset() {
  {
    std::lock_guard<std::mutex> guard(stateLock);
    ResetState();
  }
  ClearStandinCallLog();
}

void StandinSetInitResult(int result) {
  std::lock_guard<std::mutex> guard(stateLock);
  initResult = result;
}

// Both device lists as a fresh load has them (present) or empty.
void StandinSetHeadsetPresent(int present) {
  std::lock_guard<std::mutex> guard(stateLock);
  ListHeadsetDevices(present != 0);
}

void StandinSetDeviceList(int list, const ConfLibDevice* devices, int count) {
  if (list < 0 || list > 1 || count < 0) return;
  std::lock_guard<std::mutex> guard(stateLock);
  deviceLists[list].assign(devices, devices + count);
}

void StandinSetStoreReadable(int store, int readable) {
  if (store < 0 || store > 1) return;
  std::lock_guard<std::mutex> guard(stateLock);
  storeReadable[store] = readable != 0;
}

// Sets what a read of the property returns; null text makes it unreadable. A name the store does
// not have yet is added as a read-only text.
void StandinSetProperty(int store, const wchar_t* name, const wchar_t* text) {
  if (store < 0 || store > 1 || !name) return;
  std::lock_guard<std::mutex> guard(stateLock);
  Property& property = stores[store].emplace(name, ReadOnly(L"")).first->second;
  property.readable = text != nullptr;
  if (text) property.text = text;
}

}  // extern "C"

// Each modelled entry point is exactly what the panel calls.
#define AUDIO_ENTRY_POINT(name) STANDIN_MATCHES_DECLARATION(audio_config, name);
#include "audio_config_standin_modelled.inc"
#undef AUDIO_ENTRY_POINT
