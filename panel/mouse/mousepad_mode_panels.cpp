#include "mousepad_mode_panels.h"

const std::array<const wchar_t*, MOUSEPAD_PANEL_COUNT> MOUSEPAD_PANEL_NAMES = {
    L"mp_deng_fx_layout", L"mp_deng_color_layout", L"mp_deng_7colorselect_layout", L"mp_deng_speed_layout",
    L"mp_deng_same_mode"};

namespace {
constexpr PanelState O = PanelState::Disabled;
constexpr PanelState I = PanelState::Enabled;
constexpr PanelState K = PanelState::Kept;

constexpr std::array<MousePadPanelRow, 10> kRows = {{
    {I, I, I, I, I},  // wave
    {O, O, O, I, I},  // spectrum
    {O, I, I, I, I},  // breathing
    {O, I, O, O, I},  // static
    {I, I, I, I, O},  // fill
    {I, I, I, I, O},  // ripple
    {I, O, O, I, O},  // sweep
    {O, I, I, I, O},  // trail
    {O, I, I, O, O},  // reactive
    {O, I, I, K, O},  // the combo's item 9: no effect
}};
constexpr int kShownModes = 9;
}  // namespace

const MousePadPanelRow* MousePadRefreshPanels(uint8_t mode) { return mode < kShownModes ? &kRows[mode] : nullptr; }

const MousePadPanelRow* MousePadSelectionPanels(int item) {
  return item >= 0 && item < static_cast<int>(kRows.size()) ? &kRows[item] : nullptr;
}
