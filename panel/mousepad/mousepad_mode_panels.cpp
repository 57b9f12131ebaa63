#include "mousepad_mode_panels.h"

#include <array>

const LightingPanelNames MOUSEPAD_PANEL_NAMES = {L"mp_deng_fx_layout",   L"mp_deng_color_layout",
                                                 L"mp_deng_7colorselect_layout", L"mp_deng_speed_layout",
                                                 L"mp_deng_same_mode",   nullptr,
                                                 nullptr};

namespace {
constexpr PanelState O = PanelState::Disabled;
constexpr PanelState I = PanelState::Enabled;
constexpr PanelState L = PanelState::Leave;

constexpr std::array<LightingPlanRow, 10> kRows = {{
    {I, I, I, I, I, nullptr, nullptr},  // wave
    {O, O, O, I, I, nullptr, nullptr},  // spectrum
    {O, I, I, I, I, nullptr, nullptr},  // breathing
    {O, I, O, O, I, nullptr, nullptr},  // static
    {I, I, I, I, O, nullptr, nullptr},  // fill
    {I, I, I, I, O, nullptr, nullptr},  // ripple
    {I, O, O, I, O, nullptr, nullptr},  // sweep
    {O, I, I, I, O, nullptr, nullptr},  // trail
    {O, I, I, O, O, nullptr, nullptr},  // reactive
    {O, I, I, L, O, nullptr, nullptr},  // the combo's item 9: no effect
}};
constexpr int kShownModes = 9;
}  // namespace

const LightingPlanRow* MousePadShownModePanels(int mode) {
  return mode >= 0 && mode < kShownModes ? &kRows[mode] : nullptr;
}

const LightingPlanRow* MousePadPickedModePanels(int item) {
  return item >= 0 && item < static_cast<int>(kRows.size()) ? &kRows[item] : nullptr;
}
