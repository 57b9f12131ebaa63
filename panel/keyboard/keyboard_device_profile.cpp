#include "keyboard_device_profile.h"

#include <vector>

#include "file_name_check.h"
#include "ini_values.h"
#include "keyboard_profile_lists.h"
#include "keyboard_profile_payloads.h"
#include "profile_store.h"

namespace {
const wchar_t* const kNames = L"PROFILEDEVICENAME";
const wchar_t* const kSelection = L"PROFILEDEVICESELECT";

std::wstring ProfilePath(const std::wstring& folder, const std::wstring& name) {
  return FileInFolder(folder, name, L".kconfig");
}
}  // namespace

std::wstring KeyboardProfileIndexFile(const std::wstring& folder) { return folder + L"kbProfile.ini"; }

int ReadKeyboardDeviceSelection(const std::wstring& folder) {
  return ReadIniNumber(KeyboardProfileIndexFile(folder), kSelection, L"select");
}

int LoadKeyboardDeviceProfile(KeyboardState& state, const std::wstring& folder, int index) {
  std::vector<uint8_t> payload;
  const int result = ReadKeyboardListedProfile(KeyboardDeviceProfiles(), folder, index, payload);
  // A file that is there but unreadable stays as the user left it: no change is saved over it.
  state.loadedDeviceProfile = result == -1 ? -1 : index;
  if (result != 0) return result;
  ApplyKeyboardDeviceProfile(state, payload.data());
  return result;
}

int SaveKeyboardDeviceProfile(KeyboardState& state, const std::wstring& folder) {
  if (state.loadedDeviceProfile < 0) return 1;
  const std::wstring indexFile = KeyboardProfileIndexFile(folder);
  const std::wstring name = ReadIniText(indexFile, kNames, std::to_wstring(state.loadedDeviceProfile));
  const std::vector<uint8_t> payload = EncodeKeyboardDeviceProfile(state);
  return WriteProfileFile(ProfilePath(folder, name), payload.data(), payload.size(), PROFILE_KIND_KEYBOARD);
}
