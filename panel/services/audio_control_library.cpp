#include "audio_control_library.h"

#include "diagnostics.h"
#include "system_dialogs.h"

namespace {
const char* const kEntryNames[] = {
#define AUDIO_ENTRY_POINT(name) #name,
#include "audio_control_entry_points.inc"
#undef AUDIO_ENTRY_POINT
};
constexpr size_t kEntryCount = static_cast<size_t>(AudioControlEntry::Count);
static_assert(sizeof(kEntryNames) / sizeof(kEntryNames[0]) == kEntryCount, "one name per entry");

constexpr uint16_t kFirstHeadsetVendorId = 0x2B9E;
constexpr uint16_t kFirstHeadsetProductId = 0x7330;
}  // namespace

bool ListsFirstHeadset(const PresentDeviceList& list) {
  return list.count >= 1 && list.vendorIds[0] == kFirstHeadsetVendorId &&
         list.productIds[0] == kFirstHeadsetProductId;
}

AudioControlLibraryLoader::AudioControlLibraryLoader() : library_(kEntryNames, kEntryCount) {}

int AudioControlLibraryLoader::Load(const std::wstring& fileName) {
  if (!library_.Open(fileName)) {
    ShowLastErrorBox();
    return 1;
  }
  for (size_t index = 0; index < kEntryCount; ++index) {
    if (library_.Resolve(index)) continue;
    // The two version queries are optional enough not to be worth a line.
    if (index >= 2) DebugLine(L"***** " + FromUtf8(library_.Name(index)) + L" *****\n");
    return static_cast<int>(index) + 2;
  }
  return 0;
}

int AudioControlLibraryLoader::Harkin_Search_Present_Device(PresentDeviceList* list) const {
  return Call<audio_control::Harkin_Search_Present_Device>(
      AudioControlEntry::Harkin_Search_Present_Device, list);
}
int AudioControlLibraryLoader::Harkin_SetEncOnOff(int on) const {
  return Call<audio_control::Harkin_SetEncOnOff>(AudioControlEntry::Harkin_SetEncOnOff, on);
}
int AudioControlLibraryLoader::Harkin_SetMagicSoundOnOff(int on) const {
  return Call<audio_control::Harkin_SetMagicSoundOnOff>(
      AudioControlEntry::Harkin_SetMagicSoundOnOff, on);
}
int AudioControlLibraryLoader::Harkin_SetMagicSound_Level(int level) const {
  return Call<audio_control::Harkin_SetMagicSound_Level>(
      AudioControlEntry::Harkin_SetMagicSound_Level, level);
}
int AudioControlLibraryLoader::Harkin_SetSoundField_OnOff(int on) const {
  return Call<audio_control::Harkin_SetSoundField_OnOff>(
      AudioControlEntry::Harkin_SetSoundField_OnOff, on);
}
int AudioControlLibraryLoader::Harkin_SetSoundField(int mode) const {
  return Call<audio_control::Harkin_SetSoundField>(AudioControlEntry::Harkin_SetSoundField, mode);
}
int AudioControlLibraryLoader::Harkin_SetVirtual7ch1_OnOff(int on) const {
  return Call<audio_control::Harkin_SetVirtual7ch1_OnOff>(
      AudioControlEntry::Harkin_SetVirtual7ch1_OnOff, on);
}
int AudioControlLibraryLoader::Harkin_SetVirtual7ch1(Virtual7ch1Params* params) const {
  return Call<audio_control::Harkin_SetVirtual7ch1>(AudioControlEntry::Harkin_SetVirtual7ch1,
                                                    params);
}
int AudioControlLibraryLoader::Harkin_SetMicVolume(int volume) const {
  return Call<audio_control::Harkin_SetMicVolume>(AudioControlEntry::Harkin_SetMicVolume, volume);
}
int AudioControlLibraryLoader::Harkin_SetSpeakerMasterVolume(int volume) const {
  return Call<audio_control::Harkin_SetSpeakerMasterVolume>(
      AudioControlEntry::Harkin_SetSpeakerMasterVolume, volume);
}
int AudioControlLibraryLoader::Harkin_SetSpeakerChannelVolume(int left, int right) const {
  return Call<audio_control::Harkin_SetSpeakerChannelVolume>(
      AudioControlEntry::Harkin_SetSpeakerChannelVolume, left, right);
}
int AudioControlLibraryLoader::Harkin_Write_I2C_ById(int slave, int reg, unsigned char* data,
                                                     int length, int timeoutMs,
                                                     int deviceId) const {
  return Call<audio_control::Harkin_Write_I2C_ById>(AudioControlEntry::Harkin_Write_I2C_ById, slave,
                                                    reg, data, length, timeoutMs, deviceId);
}
int AudioControlLibraryLoader::Harkin_Config3D_ById(int value) const {
  return Call<audio_control::Harkin_Config3D_ById>(AudioControlEntry::Harkin_Config3D_ById, value);
}
int AudioControlLibraryLoader::Harkin_Set3D_OnOff_ById(int on, int deviceId) const {
  return Call<audio_control::Harkin_Set3D_OnOff_ById>(AudioControlEntry::Harkin_Set3D_OnOff_ById,
                                                      on, deviceId);
}

AudioControlLibraryLoader& AudioControlLibrary() {
  static AudioControlLibraryLoader loader;
  return loader;
}

void ShowLastErrorBox() {
  DWORD code = GetLastError();
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                     FORMAT_MESSAGE_ALLOCATE_BUFFER,
                 nullptr, code, 0x400, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message =
      L"error " + std::to_wstring(static_cast<int>(code)) + L": " + (text ? text : L"");
  LocalFree(text);
  SystemMessageBox(nullptr, message, L"Error", MB_OK);
}
