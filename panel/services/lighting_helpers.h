#pragma once
// Small operations of the software lighting effects over the process-wide states of
// lighting_state.h. They work in place, allocate nothing, take no lock and never fail.
#include <cstdint>

#include "lighting_state.h"

// Phase counters. Forward: +1, and 0 at count or more. Backward: -1 as a byte, and count - 1 at
// count or more, so a phase left out of range by another effect comes back on the next step.
uint8_t StepKeyboardLightPhase(uint8_t forward, uint8_t count);
uint8_t StepMouseLightPhase(uint8_t forward, uint8_t count);
uint8_t StepMousePadLightPhase(uint8_t forward, uint8_t count);
uint8_t StepSyncLightPhase(uint8_t forward, uint8_t count);

// Headset wave phases move by 3: forward subtracts limit at limit or more, backward gives limit
// - 3.
uint8_t StepHeadsetLightPhase(uint8_t forward, uint8_t limit);
uint8_t StepHeadsetK27LightPhase(uint8_t forward, uint8_t limit);

// The next value of a phase kept by the caller: forward value + step, 0 at limit or more; backward
// value - step as a byte, limit - step at limit or more.
uint8_t StepLightPhase(uint8_t forward, uint8_t limit, uint8_t value, uint8_t step);

// Scratch colour := component * f >> 8 in 16 bits. The keyboard uses f = factor; the others use
// factor + 1, so that 255 keeps their colour.
void ScaleKeyboardLightColor(uint16_t factor);
void ScaleSyncLightColor(uint16_t factor);
void ScaleMouseLightColor(uint16_t factor);
void ScaleMousePadLightColor(uint16_t factor);
void ScaleHeadsetLightColor(uint16_t factor);
void ScaleHeadsetK27LightColor(uint16_t factor);

// Lowers fade[led] one step; mode 5 (ripple) fades faster. An LED past the state's table is
// ignored.
void FadeKeyboardKey(uint8_t led, uint8_t mode);
void FadeMouseLed(uint8_t led, uint8_t mode);
void FadeMousePadLed(uint8_t led, uint8_t mode);

// Forward moves every ring byte one place up and the last to place 0; backward the other way.
void RotateMouseLightRing(uint8_t forward);
void RotateMousePadLightRing(uint8_t forward);

// Ripples over the key grid: mark a key in all four planes, spread the planes one cell outward,
// then write fade levels for the marked cells.
void MarkKeyboardGridKey(uint8_t key);
void SpreadKeyboardGridPlanes();
void RenderKeyboardGridPlanes(uint8_t value, uint8_t keep);

// The LED of a UI key through the key and LED orders; NO_KEY for a key that is not in the order.
uint8_t LookupKeyboardLed(uint8_t key);

// Zero a state for a new mode; scratch colours, KeyboardOneColorPhases and EffectColorCounter stay.
void ClearKeyboardLightState();
void ClearMouseLightState();
void ClearMousePadLightState();

void ZeroLightBuffer(uint8_t* buffer, uint32_t count);
