#pragma once
#include <cstdint>

#include "audio_library_records.h"

// The entry points of the audio control library that the panel calls, as the library exports
// them. The loader calls through these types and the stand-in library is checked against them, so
// the two cannot disagree on a signature or a calling convention.

// Plain C: the caller removes the arguments.
#define AUDIO_CONTROL_CALL __cdecl

namespace audio_control {
using Harkin_Search_Present_Device = int AUDIO_CONTROL_CALL(PresentDeviceList* list);
using Harkin_SetEncOnOff = int AUDIO_CONTROL_CALL(int on);
using Harkin_SetMagicSoundOnOff = int AUDIO_CONTROL_CALL(int on);
using Harkin_SetMagicSound_Level = int AUDIO_CONTROL_CALL(int level);
using Harkin_SetSoundField_OnOff = int AUDIO_CONTROL_CALL(int on);
using Harkin_SetSoundField = int AUDIO_CONTROL_CALL(int mode);
using Harkin_SetVirtual7ch1_OnOff = int AUDIO_CONTROL_CALL(int on);
using Harkin_SetVirtual7ch1 = int AUDIO_CONTROL_CALL(const Virtual7ch1Params* params);
using Harkin_SetMicVolume = int AUDIO_CONTROL_CALL(int volume);
using Harkin_SetSpeakerMasterVolume = int AUDIO_CONTROL_CALL(int volume);
using Harkin_SetSpeakerChannelVolume = int AUDIO_CONTROL_CALL(int left, int right);
using Harkin_Write_I2C_ById = int AUDIO_CONTROL_CALL(int slave, int reg, const uint8_t* data,
                                                     int length, int timeoutMs, int deviceId);
using Harkin_Config3D_ById = int AUDIO_CONTROL_CALL(int value);
using Harkin_Set3D_OnOff_ById = int AUDIO_CONTROL_CALL(int on, int deviceId);
}  // namespace audio_control
