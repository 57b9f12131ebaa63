#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <functional>

#include "audio_config_library.h"

// The Windows calls of the K27 audio set-up, replaceable by tests: there is no mixer under Wine,
// and a refused registration cannot be had on demand.
struct HeadsetK27AudioSystem {
  std::function<int()> isVistaOrLater;
  std::function<UINT()> mixerGetNumDevs;
  std::function<MMRESULT(HMIXER*, UINT, DWORD_PTR, DWORD_PTR, DWORD)> mixerOpen;
  std::function<MMRESULT(UINT_PTR, MIXERCAPSW*, UINT)> mixerGetDevCaps;
  std::function<MMRESULT(HMIXER)> mixerClose;
  std::function<HDEVNOTIFY(HANDLE, LPVOID, DWORD)> registerDeviceNotification;
  std::function<BOOL(HDEVNOTIFY)> unregisterDeviceNotification;
};
// The system's own calls.
HeadsetK27AudioSystem WindowsHeadsetK27AudioSystem();
const HeadsetK27AudioSystem& CurrentHeadsetK27AudioSystem();
// Null restores the system's calls.
void InstallHeadsetK27AudioSystem(const HeadsetK27AudioSystem* system);

// What the set-up does on Windows before Vista: mixer 0 opened with the main window as its
// callback window, and the window registered for audio device-interface notifications. No handler
// of the panel reacts to either; they are kept until the next open or registration replaces them.
class HeadsetK27LegacyAudio {
 public:
  // 1 when the mixer was opened and its capabilities read, else 0.
  int OpenMixer(HWND window);
  // 1 when there was nothing to close or the close succeeded.
  int CloseMixer();
  // 1 on success; 0 after the box "RegisterDeviceNotification failed: <error>".
  int RegisterNotification(HWND window);

  UINT m_mixerDeviceCount = 0;
  HMIXER m_mixer = nullptr;
  HDEVNOTIFY m_audioNotification = nullptr;
  MIXERCAPSW capabilities{};
};

// Starts the loaded library ("ConfLibInit called failed!" when it refuses, and the set-up goes
// on), builds its device lists and returns how many output devices it has; 0 without the library.
int StartHeadsetK27ConfLib(const ConfLibApi& api, bool loaded);
