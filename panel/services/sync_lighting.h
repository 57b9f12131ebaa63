#pragma once
// Synchronised lighting: one phase drives the LED records of keyboard, mouse and mouse pad
// together. The steps are plain functions over the devices' frames; the thread that calls them, the
// frame senders and the lighting-sync flags belong to their owners.
#include <cstdint>

#include "lighting_state.h"

// Bytes 1 to 8 of the leading device's lighting record, in this order.
struct SyncLightSettings {
  uint8_t effect;       // 0 wave, 1 spectrum, 2 breathing, 3 static; other values run nothing
  uint8_t brightness;   // 0..4
  uint8_t speed;        // the synchronised-lighting thread's pause per pass, ms
  uint8_t direction;    // non-zero forward
  uint8_t multicolour;  // non-zero: colours from the colour wheel
  uint8_t red;
  uint8_t green;
  uint8_t blue;
};
static_assert(sizeof(SyncLightSettings) == 8, "copied byte for byte from a lighting record");

enum SyncLightEffect : uint8_t {
  SYNC_LIGHT_WAVE = 0,
  SYNC_LIGHT_SPECTRUM = 1,
  SYNC_LIGHT_BREATHING = 2,
  SYNC_LIGHT_STATIC = 3,
};

// One device that the steps may write. isSynced(channel) is asked again before every group of
// records, so a device whose lighting-sync flag is cleared mid-step is not written any further.
struct SyncLightTarget {
  LedColor* leds;
  const void* channel;
  bool (*isSynced)(const void* channel);
};

// Frames of KEYBOARD_LED_COUNT (by UI key index), MOUSE_LED_COUNT and MOUSEPAD_LED_COUNT records.
struct SyncLightTargets {
  SyncLightTarget keyboard;
  SyncLightTarget mouse;
  SyncLightTarget mousePad;
};

// Each step advances SyncLightState's phase and writes the records of the synchronised devices.
// The settings are taken by value: the window thread may rewrite them while a step runs.
void StepSyncWaveEffect(SyncLightSettings settings, const SyncLightTargets& targets);
void StepSyncSpectrumEffect(SyncLightSettings settings, const SyncLightTargets& targets);
void StepSyncBreathingEffect(SyncLightSettings settings, const SyncLightTargets& targets);
void StepSyncStaticEffect(SyncLightSettings settings, const SyncLightTargets& targets);

// Runs the step named by settings.effect; false (nothing written) for an effect above 3.
bool StepSyncLightEffect(SyncLightSettings settings, const SyncLightTargets& targets);
