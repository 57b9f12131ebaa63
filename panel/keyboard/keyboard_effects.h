#pragma once
// The software lighting effects of the keyboards: one step per (model, mode), run once per pass
// of the keyboard lighting thread, and the seeds that a mode selection runs after clearing the
// keyboard's effect state.
#include "keyboard_effect_context.h"

using KeyboardEffectStep = void (*)(KeyboardEffectContext& context);

// RGB models (model 0 unless the name says model 2).
void StepKeyboardWaveEffect(KeyboardEffectContext& context);
void StepKeyboardWaveEffectModel2(KeyboardEffectContext& context);
void StepKeyboardColumnBreathEffect(KeyboardEffectContext& context);
void StepKeyboardRowBandEffect(KeyboardEffectContext& context);  // both models
void StepKeyboardSpectrumEffect(KeyboardEffectContext& context);
void StepKeyboardBreathingEffect(KeyboardEffectContext& context);
void StepKeyboardStaticEffect(KeyboardEffectContext& context);  // both models
void ClearKeyboardPreviewFrame(KeyboardEffectContext& context);
void StepKeyboardKeyRainbowEffect(KeyboardEffectContext& context);
void StepKeyboardKeyCycleEffect(KeyboardEffectContext& context);
void StepKeyboardKeyCycleEffectModel2(KeyboardEffectContext& context);
void StepKeyboardPathEffect(KeyboardEffectContext& context);
void StepKeyboardPathEffectModel2(KeyboardEffectContext& context);
void StepKeyboardSpiralEffect(KeyboardEffectContext& context);  // also paints the previews
void StepKeyboardSpiralEffectModel2(KeyboardEffectContext& context);
void StepKeyboardRippleEffect(KeyboardEffectContext& context);
void StepKeyboardPlaneScrollEffect(KeyboardEffectContext& context);
void StepKeyboardPlaneScrollEffectModel2(KeyboardEffectContext& context);
void StepKeyboardSequenceEffect(KeyboardEffectContext& context);
void StepKeyboardTwinkleEffect(KeyboardEffectContext& context);
void StepKeyboardTwinkleEffectModel2(KeyboardEffectContext& context);
void StepKeyboardRandomFillEffect(KeyboardEffectContext& context);
void StepKeyboardRandomFillEffectModel2(KeyboardEffectContext& context);
void StepKeyboardCustomEffect(KeyboardEffectContext& context);
void StepKeyboardCustomEffectModel2(KeyboardEffectContext& context);

// The one-colour model: each step paints the previews and fills the level frame.
void StepKeyboardOneColorWaveEffect(KeyboardEffectContext& context);
void StepKeyboardOneColorBreathingEffect(KeyboardEffectContext& context);
void StepKeyboardOneColorStaticEffect(KeyboardEffectContext& context);
void StepKeyboardOneColorRippleEffect(KeyboardEffectContext& context);
void StepKeyboardOneColorSequenceEffect(KeyboardEffectContext& context);
void StepKeyboardOneColorPathEffect(KeyboardEffectContext& context);
void StepKeyboardOneColorCustomEffect(KeyboardEffectContext& context);
void StepKeyboardOneColorTwinkleEffect(KeyboardEffectContext& context);
void StepKeyboardOneColorKeyCycleEffect(KeyboardEffectContext& context);  // modes 8 and 9
void StepKeyboardOneColorRandomFillEffect(KeyboardEffectContext& context);

// Seeds.
void SeedKeyboardKeyPhases();
void SeedKeyboardRipplePlanes();
void SeedKeyboardColumnPhases();
void SeedKeyboardScrollPlanes();
void SeedKeyboardOneColorPhases();
void SeedKeyboardOneColorGradient();

// The step of (model, mode) and the pause the thread makes before it; null: the mode runs none.
struct KeyboardEffectEntry {
  KeyboardEffectStep step;
  unsigned pauseMs;
};
KeyboardEffectEntry KeyboardEffectFor(int model, uint8_t mode);
