#include "lighting_state.h"

LightEffectState KeyboardLightState{};
LightEffectState MouseLightState{};
LightEffectState MousePadLightState{};
LightPhaseState SyncLightState{};
LightPhaseState HeadsetLightState{};
LightPhaseState HeadsetK27LightState{};

uint8_t KeyboardOneColorPhases[KEYBOARD_LED_COUNT] = {};
uint8_t EffectColorCounter = 0;

void ResetLightingStates() {
  KeyboardLightState = {};
  MouseLightState = {};
  MousePadLightState = {};
  SyncLightState = {};
  HeadsetLightState = {};
  HeadsetK27LightState = {};
  for (uint8_t& phase : KeyboardOneColorPhases) phase = 0;
  EffectColorCounter = 0;
}
