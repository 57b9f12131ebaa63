#pragma once
#include <cstdint>

// The live settings of both headset families: one light record per family and the first family's
// voice record. Process-wide and unlocked: the window thread, the detection threads and the
// lighting threads read and write them, and every value used as an index is bounded at its use.

constexpr int kHeadsetModeCount = 4;  // 0 wave, 1 colour cycle, 2 breathing, 3 static
constexpr int kHeadsetLevelCount = 5;  // brightness and speed 0..4
constexpr int kHeadsetSpeakerCount = 8;
constexpr int kHeadsetSceneCount = 6;
constexpr int kHeadsetBandCount = 8;

struct HeadsetLightSettings {
  uint8_t mode;
  uint8_t brightness;
  uint8_t speed;  // 0 is the fastest; the speed slider shows 4 - speed
  uint8_t direction;  // 1 "hs_Deng_FXL_check", 0 "hs_Deng_FXR_check"
  uint8_t multicolour;
  uint8_t red;
  uint8_t green;
  uint8_t blue;
  uint8_t breathWheelIndex;  // not stored in files
};

struct HeadsetSoundScene {
  int32_t threeD;
  int32_t soundField;
  int32_t soundMode;
  int32_t bands[kHeadsetBandCount];
};

struct HeadsetVoiceState {
  int32_t virtualOn;
  int32_t selectedSpeaker;
  int32_t distance[kHeadsetSpeakerCount];
  int32_t angle[kHeadsetSpeakerCount];
  int32_t selectedScene;
  int32_t micVolume;
  int32_t right;
  int32_t left;
  int32_t master;
  int32_t noiseCancelling;
  HeadsetSoundScene scenes[kHeadsetSceneCount];
};

extern HeadsetLightSettings HeadsetLight;     // first family
extern HeadsetLightSettings HeadsetK27Light;  // K27 family
extern HeadsetVoiceState HeadsetVoice;

// Every record back to zero, as at start; for test fixtures.
void ResetHeadsetStates();

// Bounded reads: a value out of range (a file, an interleaved write) reads as the nearest valid one.
uint8_t HeadsetMode(const HeadsetLightSettings& light);
uint8_t HeadsetBrightness(const HeadsetLightSettings& light);
uint8_t HeadsetSpeed(const HeadsetLightSettings& light);
int HeadsetSpeaker(const HeadsetVoiceState& voice);
int HeadsetScene(const HeadsetVoiceState& voice);
const HeadsetSoundScene& SelectedHeadsetScene(const HeadsetVoiceState& voice);

// Brings every indexing field into range, as a loaded file must be.
void BoundHeadsetLight(HeadsetLightSettings& light);
void BoundHeadsetVoice(HeadsetVoiceState& voice);
