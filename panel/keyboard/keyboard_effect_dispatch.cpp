// Which effect step runs for (model, mode), and the pause before it: the thread's own pause for
// some modes plus the pause a few steps make before they draw.
#include <iterator>

#include "keyboard_effects.h"

namespace {
const KeyboardEffectEntry kRgbModel0[] = {
    {StepKeyboardWaveEffect, 0},        {StepKeyboardSpectrumEffect, 20},      {StepKeyboardBreathingEffect, 0},
    {StepKeyboardStaticEffect, 0},      {StepKeyboardKeyRainbowEffect, 12},    {StepKeyboardRippleEffect, 40},
    {StepKeyboardSequenceEffect, 15},   {StepKeyboardPathEffect, 1},           {StepKeyboardCustomEffect, 0},
    {StepKeyboardTwinkleEffect, 0},     {StepKeyboardRowBandEffect, 0},        {StepKeyboardKeyCycleEffect, 0},
    {StepKeyboardRandomFillEffect, 0},  {StepKeyboardSpiralEffect, 10},        {StepKeyboardColumnBreathEffect, 0},
    {StepKeyboardPlaneScrollEffect, 50},
};

const KeyboardEffectEntry kRgbModel2[] = {
    {StepKeyboardWaveEffectModel2, 0},       {StepKeyboardSpectrumEffect, 20},
    {StepKeyboardBreathingEffect, 0},        {StepKeyboardStaticEffect, 0},
    {StepKeyboardKeyRainbowEffect, 12},      {StepKeyboardRippleEffect, 40},
    {StepKeyboardSequenceEffect, 15},        {StepKeyboardPathEffectModel2, 1},
    {StepKeyboardCustomEffectModel2, 0},     {StepKeyboardTwinkleEffectModel2, 0},
    {StepKeyboardRowBandEffect, 0},          {StepKeyboardKeyCycleEffectModel2, 0},
    {StepKeyboardRandomFillEffectModel2, 0}, {ClearKeyboardPreviewFrame, 0},
    {ClearKeyboardPreviewFrame, 0},          {ClearKeyboardPreviewFrame, 0},
    {ClearKeyboardPreviewFrame, 0},          {StepKeyboardSpiralEffectModel2, 10},
    {StepKeyboardPlaneScrollEffectModel2, 50},
};

const KeyboardEffectEntry kOneColor[] = {
    {StepKeyboardOneColorWaveEffect, 0},      {StepKeyboardOneColorBreathingEffect, 0},
    {StepKeyboardOneColorStaticEffect, 0},    {StepKeyboardOneColorRippleEffect, 80},
    {StepKeyboardOneColorSequenceEffect, 15}, {StepKeyboardOneColorPathEffect, 1},
    {StepKeyboardOneColorCustomEffect, 0},    {StepKeyboardOneColorTwinkleEffect, 100},
    {StepKeyboardOneColorKeyCycleEffect, 0},  {StepKeyboardOneColorKeyCycleEffect, 0},
    {StepKeyboardOneColorRandomFillEffect, 0},
};

template <size_t N>
KeyboardEffectEntry Lookup(const KeyboardEffectEntry (&table)[N], uint8_t mode) {
  return mode < N ? table[mode] : KeyboardEffectEntry{nullptr, 0};
}
}  // namespace

KeyboardEffectEntry KeyboardEffectFor(int model, uint8_t mode) {
  switch (model) {
    case KEYBOARD_MODEL_RGB: return Lookup(kRgbModel0, mode);
    case KEYBOARD_MODEL_ONECOLOR: return Lookup(kOneColor, mode);
    case KEYBOARD_MODEL_RGB2: return Lookup(kRgbModel2, mode);
    default: return {nullptr, 0};
  }
}
