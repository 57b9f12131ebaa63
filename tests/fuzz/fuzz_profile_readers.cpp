// The binary profile files of keyboard, mouse and mouse pad (device, light ".led" and key
// profiles), and the mouse's profile index.
#include "fuzz_readers.h"
#include "keyboard_light_settings.h"
#include "keyboard_profile_payloads.h"
#include "mouse_profiles.h"
#include "mouse_state.h"
#include "mousepad_light_profile.h"
#include "named_profile_list.h"
#include "profile_store.h"
#include "test_files.h"

namespace {

// Read as the lists read them, then applied and encoded again, so that every byte that indexes the
// state is used.
bool ReadKeyboardProfile(const std::wstring&, const std::wstring& file) {
  std::vector<uint8_t> payload;
  if (BinaryProfilePayloads(KEYBOARD_DEVICE_PAYLOAD_SIZE, PROFILE_KIND_KEYBOARD).read(file, false, payload) != 0)
    return false;
  static KeyboardState state;
  state.Reset();
  ApplyKeyboardDeviceProfile(state, payload.data());
  SelectedKeyboardLayout(state);
  EncodeKeyboardDeviceProfile(state);
  ApplyKeyboardLightProfile(state, payload.data());
  SelectedKeyboardLayout(state);
  EncodeKeyboardLightProfile(state);
  return true;
}

bool ReadMouseProfile(const std::wstring&, const std::wstring& file) {
  std::vector<uint8_t> payload;
  if (BinaryProfilePayloads(MOUSE_DEVICE_PAYLOAD_SIZE, PROFILE_KIND_MOUSE).read(file, false, payload) != 0)
    return false;
  ResetMouseState();
  for (const MouseProfileKind kind : {MouseProfileKind::Device, MouseProfileKind::Light, MouseProfileKind::Key}) {
    const std::vector<uint8_t> part(payload.begin(), payload.begin() + MouseProfileKeys(kind).payloadSize);
    ApplyMouseProfile(kind, part);
    EncodeMouseProfile(kind);
  }
  return true;
}

// The index names the profiles of each list; a device profile of the first name lies beside it.
bool ReadMouseProfileIndex(const std::wstring& folder, const std::wstring&) {
  static const std::vector<unsigned char> device = ReadBytes(L"msdevicedefault.config");
  WriteBytes(folder + L"profile1.config", device);
  ResetMouseState();
  bool loaded = false;
  for (const MouseProfileKind kind : {MouseProfileKind::Device, MouseProfileKind::Light, MouseProfileKind::Key})
    for (int index = 0; index < 3; ++index) loaded |= LoadMouseProfile(kind, folder, index) == 0;
  ReadMouseDeviceSelection(folder, 3);
  return loaded;
}

bool ReadMousePadProfile(const std::wstring& folder, const std::wstring& file) {
  static MousePadState state;
  state.Reset();
  if (LoadMousePadLightProfile(state, file) != 0) return false;
  return SaveMousePadLightProfile(state, folder + L"saved.led") == 0;
}

}  // namespace

std::vector<FuzzReader> ProfileFileReaders() {
  return {
      {"KeyboardProfile", L"keyboard_profile", false, ReadKeyboardProfile, L"p.kconfig"},
      {"MouseProfile", L"mouse_profile", false, ReadMouseProfile, L"p.config"},
      {"MouseProfileIndex", L"mouse_profile_index", true, ReadMouseProfileIndex, L"msProfile.ini"},
      {"MousePadProfile", L"mousepad_profile", false, ReadMousePadProfile, L"p.led"},
  };
}
