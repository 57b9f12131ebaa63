#include "headset_k27_audio_setup.h"

#include <dbt.h>

#include <cwchar>

#include "system_dialogs.h"

namespace {
// KSCATEGORY_AUDIO
constexpr GUID kAudioInterfaceClass = {0x6994AD04, 0x93EF, 0x11D0, {0xA3, 0xCC, 0x00, 0xA0, 0xC9, 0x22, 0x31, 0x96}};
const HeadsetK27AudioSystem* installedSystem = nullptr;
}  // namespace

HeadsetK27AudioSystem WindowsHeadsetK27AudioSystem() {
  HeadsetK27AudioSystem system;
  system.isVistaOrLater = IsVistaOrLater;
  system.mixerGetNumDevs = ::mixerGetNumDevs;
  system.mixerOpen = ::mixerOpen;
  system.mixerGetDevCaps = ::mixerGetDevCapsW;
  system.mixerClose = ::mixerClose;
  system.registerDeviceNotification = ::RegisterDeviceNotificationW;
  system.unregisterDeviceNotification = ::UnregisterDeviceNotification;
  return system;
}

const HeadsetK27AudioSystem& CurrentHeadsetK27AudioSystem() {
  static const HeadsetK27AudioSystem windows = WindowsHeadsetK27AudioSystem();
  return installedSystem ? *installedSystem : windows;
}

void InstallHeadsetK27AudioSystem(const HeadsetK27AudioSystem* system) { installedSystem = system; }

int HeadsetK27LegacyAudio::OpenMixer(HWND window) {
  const HeadsetK27AudioSystem& system = CurrentHeadsetK27AudioSystem();
  CloseMixer();
  m_mixerDeviceCount = system.mixerGetNumDevs();
  capabilities = MIXERCAPSW{};
  if (m_mixerDeviceCount == 0) return 0;
  if (system.mixerOpen(&m_mixer, 0, reinterpret_cast<DWORD_PTR>(window), 0, CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
    m_mixer = nullptr;
    return 0;
  }
  return system.mixerGetDevCaps(reinterpret_cast<UINT_PTR>(m_mixer), &capabilities, sizeof capabilities) ==
                 MMSYSERR_NOERROR
             ? 1
             : 0;
}

int HeadsetK27LegacyAudio::CloseMixer() {
  if (!m_mixer) return 1;
  const MMRESULT result = CurrentHeadsetK27AudioSystem().mixerClose(m_mixer);
  m_mixer = nullptr;
  return result == MMSYSERR_NOERROR ? 1 : 0;
}

int HeadsetK27LegacyAudio::RegisterNotification(HWND window) {
  const HeadsetK27AudioSystem& system = CurrentHeadsetK27AudioSystem();
  if (m_audioNotification) system.unregisterDeviceNotification(m_audioNotification);
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = 32;  // the filter's fixed part, as the registration has always passed it
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = kAudioInterfaceClass;
  m_audioNotification = system.registerDeviceNotification(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
  if (m_audioNotification) return 1;
  wchar_t text[64];
  swprintf(text, 64, L"RegisterDeviceNotification failed: %d\n", static_cast<int>(GetLastError()));
  SystemMessageBox(window, text, L"Registration", MB_OK);
  return 0;
}

int StartHeadsetK27ConfLib(const ConfLibApi& api, bool loaded) {
  if (!loaded) return 0;
  if (api.ConfLibInit() != 0) ProgramMessageBox(L"ConfLibInit called failed!");
  api.CreateDeviceList();
  int32_t count = 0;
  api.GetDeviceCount(kConfLibOutputList, &count);
  return count;
}
