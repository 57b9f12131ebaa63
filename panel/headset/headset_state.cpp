#include "headset_state.h"

#include <algorithm>

HeadsetLightSettings HeadsetLight;
HeadsetLightSettings HeadsetK27Light;
HeadsetVoiceState HeadsetVoice;

namespace {
uint8_t Below(uint8_t value, int count) { return static_cast<uint8_t>(std::min<int>(value, count - 1)); }
int Within(int32_t value, int count) { return std::clamp<int32_t>(value, 0, count - 1); }
}  // namespace

void ResetHeadsetStates() {
  HeadsetLight = {};
  HeadsetK27Light = {};
  HeadsetVoice = {};
}

uint8_t HeadsetMode(const HeadsetLightSettings& light) { return Below(light.mode, kHeadsetModeCount); }
uint8_t HeadsetBrightness(const HeadsetLightSettings& light) {
  return Below(light.brightness, kHeadsetLevelCount);
}
uint8_t HeadsetSpeed(const HeadsetLightSettings& light) { return Below(light.speed, kHeadsetLevelCount); }
int HeadsetSpeaker(const HeadsetVoiceState& voice) {
  return Within(voice.selectedSpeaker, kHeadsetSpeakerCount);
}
int HeadsetScene(const HeadsetVoiceState& voice) { return Within(voice.selectedScene, kHeadsetSceneCount); }
const HeadsetSoundScene& SelectedHeadsetScene(const HeadsetVoiceState& voice) {
  return voice.scenes[HeadsetScene(voice)];
}

void BoundHeadsetLight(HeadsetLightSettings& light) {
  light.mode = HeadsetMode(light);
  light.brightness = HeadsetBrightness(light);
  light.speed = HeadsetSpeed(light);
  light.direction = light.direction ? 1 : 0;
  light.multicolour = light.multicolour ? 1 : 0;
}

void BoundHeadsetVoice(HeadsetVoiceState& voice) {
  voice.selectedSpeaker = HeadsetSpeaker(voice);
  voice.selectedScene = HeadsetScene(voice);
}
