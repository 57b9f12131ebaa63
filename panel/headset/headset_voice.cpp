#include "headset_voice.h"

Virtual7ch1Params HeadsetVirtualBlock;

namespace {
constexpr double kDistanceScale = 0.017;
constexpr double kAngleScale = 0.0628;
constexpr int kMagicLevels[] = {-6, 6, -3, 3};
}  // namespace

void SetVirtualSpeaker(Virtual7ch1Params& block, int speaker, int distanceValue, int angleValue) {
  if (speaker < 0 || speaker >= kHeadsetSpeakerCount) return;
  block.distance[speaker] = static_cast<float>(distanceValue * kDistanceScale);
  block.angle[speaker] = static_cast<float>(angleValue * kAngleScale);
}

void FillVirtual7ch1Params(const HeadsetVoiceState& voice, Virtual7ch1Params& block) {
  block.reserved = 0;
  for (int i = 0; i < kHeadsetSpeakerCount; ++i)
    SetVirtualSpeaker(block, i, voice.distance[i], voice.angle[i]);
}

void SendHeadsetSoundScene(const AudioControlLibraryLoader& library, const HeadsetSoundScene& scene) {
  library.Harkin_SetSoundField(scene.soundMode);
  library.Harkin_SetSoundField_OnOff(scene.soundField);
  library.Harkin_Config3D_ById(0);
  library.Harkin_Set3D_OnOff_ById(scene.threeD, 0);
}

void SendHeadsetVirtual(const AudioControlLibraryLoader& library, Virtual7ch1Params& block, int on) {
  library.Harkin_SetVirtual7ch1(&block);
  library.Harkin_SetVirtual7ch1_OnOff(on);
}

void SendHeadsetVoiceSettings(const AudioControlLibraryLoader& library, const HeadsetVoiceState& voice,
                              Virtual7ch1Params& block) {
  library.Harkin_SetSpeakerChannelVolume(voice.left, voice.right);
  library.Harkin_SetSpeakerMasterVolume(voice.master);
  library.Harkin_SetMicVolume(voice.micVolume);
  SendHeadsetVirtual(library, block, voice.virtualOn);
  SendHeadsetSoundScene(library, SelectedHeadsetScene(voice));
  library.Harkin_SetEncOnOff(voice.noiseCancelling);
}

bool HeadsetMagicLevel(int effect, int& level) {
  if (effect < 0 || effect > 3) return false;
  level = kMagicLevels[effect];
  return true;
}
