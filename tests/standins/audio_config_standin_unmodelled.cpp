// The entry points of the audio configuration library that the panel only resolves.
#include "standin_call_log.h"

#define AUDIO_ENTRY_POINT(name) STANDIN_UNMODELLED_ENTRY_POINT(name)
#include "audio_config_standin_unmodelled.inc"
