#include "lighting_state.h"

LightEffectState KeyboardLightState{};
LightEffectState MouseLightState{};
LightEffectState MousePadLightState{};
LightPhaseState SyncLightState{};
LightPhaseState HeadsetLightState{};
LightPhaseState HeadsetK27LightState{};

uint8_t KeyboardOneColorPhases[KEYBOARD_LED_COUNT] = {};
uint8_t EffectColorCounter = 0;
