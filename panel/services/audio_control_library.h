#pragma once
#include <windows.h>

#include <string>

#include "audio_control_api.h"
#include "audio_library_module.h"
#include "audio_library_records.h"

// The maker's audio control library drives the first headset family: presence, volumes, surround,
// sound field, 3D, noise cancelling, voice effects and the I2C registers of its LED controllers.

// The library's entry points, in the order the loader resolves them.
enum class AudioControlEntry : int {
#define AUDIO_ENTRY_POINT(name) name,
#include "audio_control_entry_points.inc"
#undef AUDIO_ENTRY_POINT
  Count
};
static_assert(static_cast<int>(AudioControlEntry::Count) == 252, "the library has 252 entry points");

// True when the list names the first headset (vendor 0x2B9E, product 0x7330) in its first entry.
bool ListsFirstHeadset(const PresentDeviceList& list);

class AudioControlLibraryLoader {
 public:
  AudioControlLibraryLoader();

  // Loads the library by bare file name (the standard search order starts in the program's
  // folder) and resolves its entry points in order. 0 all resolved; 1 the library did not load
  // (after the error box); n + 1 the entry point at position n (from 1) is missing, and it and
  // the ones after it stay unresolved.
  int Load(const std::wstring& fileName);

  // The entry points the panel calls. Each returns the library's result, or kAudioCallSkipped
  // without calling when the entry point did not resolve.
  int Harkin_Search_Present_Device(PresentDeviceList* list) const;
  int Harkin_SetEncOnOff(int on) const;
  int Harkin_SetMagicSoundOnOff(int on) const;
  int Harkin_SetMagicSound_Level(int level) const;
  int Harkin_SetSoundField_OnOff(int on) const;
  int Harkin_SetSoundField(int mode) const;
  int Harkin_SetVirtual7ch1_OnOff(int on) const;
  int Harkin_SetVirtual7ch1(Virtual7ch1Params* params) const;
  int Harkin_SetMicVolume(int volume) const;
  int Harkin_SetSpeakerMasterVolume(int volume) const;
  int Harkin_SetSpeakerChannelVolume(int left, int right) const;
  int Harkin_Write_I2C_ById(int slave, int reg, unsigned char* data, int length, int timeoutMs,
                            int deviceId) const;
  int Harkin_Config3D_ById(int value) const;
  int Harkin_Set3D_OnOff_ById(int on, int deviceId) const;

 private:
  template <typename Function, typename... Args>
  int Call(AudioControlEntry entry, Args... args) const {
    return library_.Call<Function>(static_cast<size_t>(entry), args...);
  }

  AudioLibraryModule library_;
};

// The panel's one loader; the main window loads it once at start-up and it is never unloaded.
AudioControlLibraryLoader& AudioControlLibrary();

// "error <code>: <system text>" for the calling thread's last error, in a box titled "Error".
void ShowLastErrorBox();
