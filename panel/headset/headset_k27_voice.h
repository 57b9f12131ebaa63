#pragma once
#include <optional>

#include "headset_k27_properties.h"

// What the K27 voice page shows of the input device; a value is missing when its read failed, and
// the page then keeps what its control shows.
struct HeadsetK27VoiceReadings {
  std::optional<int32_t> micMuted;
  std::optional<int> micVolume;  // slider position 0 .. 100
  std::optional<int32_t> monitorMuted;
  std::optional<int> monitorVolume;
  // Off also when the read fails or the device has no magic voice, whatever the property holds.
  bool magicVoiceOn = false;
  std::optional<int> magicVoiceOption;  // 0 .. 3
};

// Bit of the input device's feature mask that tells it has the magic voice.
constexpr int32_t kHeadsetK27MagicVoiceFeature = 0x20000;

// The refresh's reads in order. The monitor is read only when "GetAAMaxVol" can be read, the
// magic voice switch only when the device has the magic voice.
HeadsetK27VoiceReadings ReadHeadsetK27Voice(HeadsetK27Properties& properties);
// A scalar volume 0.0 .. 1.0 as a slider position, rounded: 0.29 stored as 0.28999 shows 29.
int HeadsetK27VolumePosition(float scalar);
// The magic voice option a selection shows: 1 .. 3 as they are, anything else 0.
int HeadsetK27MagicVoiceOption(int32_t selection);
