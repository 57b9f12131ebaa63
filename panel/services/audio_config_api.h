#pragma once
#include <cstdint>

#include "audio_library_records.h"

// The entry points of the audio configuration library that the panel calls, as the library
// exports them. The loader calls through these types and the stand-in library is checked against
// them, so the two cannot disagree on a signature or a calling convention.

// The library's documentation names no calling convention; plain C (the caller removes the
// arguments) is assumed.
#define AUDIO_CONFIG_CALL __cdecl

namespace audio_config {
using ConfLibInit = int AUDIO_CONFIG_CALL();
using CreateDeviceList = int AUDIO_CONFIG_CALL();
using GetDeviceCount = int AUDIO_CONFIG_CALL(int list, int32_t* count);
using GetDeviceById = int AUDIO_CONFIG_CALL(int list, int32_t index, ConfLibDevice* device);
using PropertyControl = int AUDIO_CONFIG_CALL(ConfLibDevice device, const wchar_t* name,
                                              void** value, void** second, int direction);
}  // namespace audio_config
