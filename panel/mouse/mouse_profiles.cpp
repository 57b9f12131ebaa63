#include "mouse_profiles.h"

#include <algorithm>
#include <atomic>

#include "diagnostics.h"
#include "file_name_check.h"
#include "ini_values.h"
#include "mouse_state.h"
#include "named_profile_list.h"
#include "profile_store.h"

namespace {

const MouseProfileListKeys kDeviceKeys{L"PROFILEDEVICENAME", L"PROFILEDEVICESELECT", L".config", L".config",
                                       L"msdevicedefault.config", MOUSE_DEVICE_PAYLOAD_SIZE};
const MouseProfileListKeys kLightKeys{L"PROFILEDENGNAME", L"PROFILEDENGSELECT", L".led", L".led",
                                      L"msdengdefault.Led", MOUSE_LIGHT_PAYLOAD_SIZE};
const MouseProfileListKeys kKeyKeys{L"PROFILENAME", L"PROFILESELECT", L".PRO", L".pro", L"mskeydefault.pro",
                                    MOUSE_KEY_PAYLOAD_SIZE};

bool CarriesSettings(MouseProfileKind kind) { return kind != MouseProfileKind::Key; }
bool CarriesKeys(MouseProfileKind kind) { return kind != MouseProfileKind::Light; }

void FoldWorkingValuesIntoBlock0() {
  MouseSettingsBlock& block = MouseSettingsBlocks[0];
  StoreMouseLiveSettings(block);
  block[MOUSE_BLOCK_POINTER_SPEED] = MousePointerSpeed;
  block[MOUSE_BLOCK_WHEEL_LINES] = MouseWheelLines;
}

uint8_t AtLeastOne(uint8_t value) { return value == 0 ? 1 : value; }

constexpr int kNoneLoaded = -1;
// By kind: the list index of the profile that the working state was last loaded from. The window,
// detection and watcher threads load and save without a lock; each index is one atomic value.
std::atomic<int> loadedProfiles[] = {kNoneLoaded, kNoneLoaded, kNoneLoaded};

std::atomic<int>& LoadedProfile(MouseProfileKind kind) { return loadedProfiles[static_cast<int>(kind)]; }

}  // namespace

const MouseProfileListKeys& MouseProfileKeys(MouseProfileKind kind) {
  switch (kind) {
    case MouseProfileKind::Device: return kDeviceKeys;
    case MouseProfileKind::Light: return kLightKeys;
    case MouseProfileKind::Key: break;
  }
  return kKeyKeys;
}

std::wstring MouseProfileIndexFile(const std::wstring& folder) { return folder + L"msProfile.ini"; }

int ReadMouseDeviceSelection(const std::wstring& folder, int count) {
  return SavedProfileIndex(MouseProfileIndexFile(folder), kDeviceKeys.selectSection, count);
}

std::vector<uint8_t> EncodeMouseProfile(MouseProfileKind kind) {
  std::vector<uint8_t> payload;
  payload.reserve(MouseProfileKeys(kind).payloadSize);
  if (CarriesKeys(kind)) payload.insert(payload.end(), MouseKeyTables[0].begin(), MouseKeyTables[0].end());
  if (CarriesSettings(kind)) {
    FoldWorkingValuesIntoBlock0();
    payload.insert(payload.end(), MouseSettingsBlocks[0].begin(), MouseSettingsBlocks[0].end());
  }
  return payload;
}

void ApplyMouseProfile(MouseProfileKind kind, const std::vector<uint8_t>& payload) {
  if (payload.size() != MouseProfileKeys(kind).payloadSize) return;
  auto at = payload.begin();
  if (CarriesKeys(kind)) {
    std::copy(at, at + MOUSE_KEY_TABLE_SIZE, MouseKeyTables[0].begin());
    at += MOUSE_KEY_TABLE_SIZE;
  }
  if (!CarriesSettings(kind)) return;
  MouseSettingsBlock& block = MouseSettingsBlocks[0];
  std::copy(at, at + MOUSE_SETTINGS_BLOCK_SIZE, block.begin());
  BoundMouseProfileByte(block);
  TakeMouseLiveSettings(block);
  MousePointerSpeed = AtLeastOne(block[MOUSE_BLOCK_POINTER_SPEED]);
  MouseWheelLines = AtLeastOne(block[MOUSE_BLOCK_WHEEL_LINES]);
}

int LoadMouseProfile(MouseProfileKind kind, const std::wstring& folder, int index) {
  const MouseProfileListKeys& keys = MouseProfileKeys(kind);
  const std::wstring name = ReadIniText(MouseProfileIndexFile(folder), keys.nameSection, std::to_wstring(index));
  std::vector<uint8_t> payload(keys.payloadSize, 0);
  const int result =
      ReadProfileFile(FileInFolder(folder, name, keys.loadExtension), payload.data(), payload.size(), PROFILE_KIND_MOUSE);
  if (result == 1) DebugLine(L"\u914d\u7f6e\u6587\u4ef6\u4e22\u5931");  // "profile file missing"
  if (result == -1) DebugLine(L"\u914d\u7f6e\u6587\u4ef6\u683c\u5f0f\u9519\u8bef");  // "profile file malformed"
  if (result != 0) return result;
  ApplyMouseProfile(kind, payload);
  LoadedProfile(kind) = index;
  return result;
}

int SaveMouseProfile(MouseProfileKind kind, const std::wstring& folder) {
  const MouseProfileListKeys& keys = MouseProfileKeys(kind);
  const std::wstring indexFile = MouseProfileIndexFile(folder);
  const int loaded = LoadedProfile(kind);
  const std::wstring key =
      loaded == kNoneLoaded ? ReadIniText(indexFile, keys.selectSection, L"select") : std::to_wstring(loaded);
  const std::wstring name = ReadIniText(indexFile, keys.nameSection, key);
  const std::vector<uint8_t> payload = EncodeMouseProfile(kind);
  return WriteProfileFile(FileInFolder(folder, name, keys.saveExtension), payload.data(), payload.size(),
                          PROFILE_KIND_MOUSE);
}

bool MouseProfileLoaded(MouseProfileKind kind) { return LoadedProfile(kind) != kNoneLoaded; }

void ForgetLoadedMouseProfiles() {
  for (std::atomic<int>& loaded : loadedProfiles) loaded = kNoneLoaded;
}
