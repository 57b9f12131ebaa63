#pragma once
// What each keyboard lighting mode shows on the page and how its effect starts, as data.
#include <cstdint>

#include "lighting_plan.h"

struct KeyboardModePlan {
  LightingPlanRow row;
  void (*seed)();  // run after the effect state is cleared; null: none
};

// The plan of (model, mode); null for a mode the model does not have.
const KeyboardModePlan* KeyboardModePlanFor(int model, uint8_t mode);
// The seed of (model, mode), where it has one.
void SeedKeyboardMode(int model, uint8_t mode);
