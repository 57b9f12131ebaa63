#pragma once
#include "audio_control_library.h"
#include "headset_state.h"

// The first family's voice settings on their way to the headset through the audio control library.

// The block Harkin_SetVirtual7ch1 reads; all zero until first filled.
extern Virtual7ch1Params HeadsetVirtualBlock;

// Speaker i's entries from its slider values: distance x 0.017, angle x 0.0628 (a full turn at 100).
void SetVirtualSpeaker(Virtual7ch1Params& block, int speaker, int distanceValue, int angleValue);
// All sixteen entries from the record.
void FillVirtual7ch1Params(const HeadsetVoiceState& voice, Virtual7ch1Params& block);

// The ten calls that apply a whole voice record, in the headset's order.
void SendHeadsetVoiceSettings(const AudioControlLibraryLoader& library, const HeadsetVoiceState& voice,
                              Virtual7ch1Params& block);
// The four calls of one sound scene.
void SendHeadsetSoundScene(const AudioControlLibraryLoader& library, const HeadsetSoundScene& scene);
// The block, then the switch.
void SendHeadsetVirtual(const AudioControlLibraryLoader& library, Virtual7ch1Params& block, int on);

// The magic voice level of effect 0..3 (-6, +6, -3, +3); false for any other effect.
bool HeadsetMagicLevel(int effect, int& level);
