#pragma once
#include <cstddef>
#include <cstdint>

#include "headset_state.h"
#include "lighting_state.h"

// The four software lighting effects of the headsets. Both families run them, each over its own
// effect state and with its own frame size (13 LEDs for the first family, 8 for the K27).

// The phases an effect keeps between passes, beside the wave phase of the family's LightPhaseState.
struct HeadsetEffectState {
  uint8_t cycleIndex;   // colour cycle, 0..191
  uint8_t breathPhase;  // breathing, 0..127
};

extern HeadsetEffectState HeadsetEffect;
extern HeadsetEffectState HeadsetK27Effect;

// What a family's generators work on: its wave phase and scratch colour, the step and scale
// operations over them, and the phases above.
struct HeadsetLightFamily {
  LightPhaseState& waveState;
  uint8_t (*stepWavePhase)(uint8_t forward, uint8_t limit);
  void (*scaleScratch)(uint16_t factor);
  HeadsetEffectState& effect;
};

extern const HeadsetLightFamily kFirstHeadsetLighting;
extern const HeadsetLightFamily kK27HeadsetLighting;

// Each fills `count` LEDs of `leds`. Breathing also moves the record's breathing wheel index.
void GenerateHeadsetWaveFrame(const HeadsetLightFamily& family, const HeadsetLightSettings& light,
                              LedColor* leds, size_t count);
void GenerateHeadsetSpectrumFrame(const HeadsetLightFamily& family, const HeadsetLightSettings& light,
                                  LedColor* leds, size_t count);
void GenerateHeadsetBreathFrame(const HeadsetLightFamily& family, HeadsetLightSettings& light,
                                LedColor* leds, size_t count);
void GenerateHeadsetStaticFrame(const HeadsetLightSettings& light, LedColor* leds, size_t count);

// Zeroes both families' effect phases; for test fixtures.
void ResetHeadsetEffects();
