#pragma once
// What each mode of the mouse's three mode combos enables on the lighting page, as data for the
// lighting-page kit. The page shows the combo of variant 2; variants 0 and 1 belong to the hidden
// pages of the mode switch.
#include <cstdint>

#include "lighting_plan.h"

constexpr int MOUSE_MODE_VARIANTS = 3;
constexpr int MOUSE_SHOWN_MODE_VARIANT = 2;

// The row of a mode in a variant; null where the variant has no such mode (it changes no panel).
const LightingPlanRow* MouseModePlan(int variant, int mode);
