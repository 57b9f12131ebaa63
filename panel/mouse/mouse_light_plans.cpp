#include "mouse_light_plans.h"

namespace {
constexpr PanelState E = PanelState::Enabled;
constexpr PanelState D = PanelState::Disabled;
constexpr PanelState H = PanelState::Hidden;  // variant 1 hides the panel as it disables it

// Columns: direction, colour, multicolour, speed, same mode.
constexpr LightingPlanRow kVariant0[] = {
    {D, D, D, E, D, nullptr, nullptr}, {D, E, E, E, D, nullptr, nullptr}, {D, E, E, E, D, nullptr, nullptr},
    {D, E, D, D, D, nullptr, nullptr}, {E, E, E, E, D, nullptr, nullptr}, {E, E, E, E, D, nullptr, nullptr},
};
constexpr LightingPlanRow kVariant1[] = {
    {E, E, E, E, D, nullptr, nullptr}, {H, E, E, E, D, nullptr, nullptr}, {H, E, D, H, D, nullptr, nullptr},
    {D, E, D, D, D, nullptr, nullptr}, {E, E, E, E, D, nullptr, nullptr}, {E, E, E, E, D, nullptr, nullptr},
};
constexpr LightingPlanRow kVariant2[] = {
    {E, E, E, E, E, nullptr, nullptr}, {D, D, D, E, E, nullptr, nullptr}, {D, E, E, E, E, nullptr, nullptr},
    {D, E, D, D, E, nullptr, nullptr}, {E, E, E, E, D, nullptr, nullptr}, {E, E, E, E, D, nullptr, nullptr},
    {D, E, E, E, D, nullptr, nullptr},
};

struct Variant {
  const LightingPlanRow* rows;
  int count;
};
constexpr Variant kVariants[MOUSE_MODE_VARIANTS] = {{kVariant0, 6}, {kVariant1, 6}, {kVariant2, 7}};
}  // namespace

const LightingPlanRow* MouseModePlan(int variant, int mode) {
  if (variant < 0 || variant >= MOUSE_MODE_VARIANTS) return nullptr;
  const Variant& v = kVariants[variant];
  return mode >= 0 && mode < v.count ? &v.rows[mode] : nullptr;
}
