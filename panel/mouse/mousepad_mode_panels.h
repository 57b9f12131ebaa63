#pragma once
// Which panels of the pad's lighting page each mode enables: direction, colour, multicolour, speed
// and the same-mode button, in that order.
#include <array>
#include <cstddef>
#include <cstdint>

enum class PanelState : int8_t { Disabled = 0, Enabled = 1, Kept = -1 };

constexpr size_t MOUSEPAD_PANEL_COUNT = 5;
extern const std::array<const wchar_t*, MOUSEPAD_PANEL_COUNT> MOUSEPAD_PANEL_NAMES;

using MousePadPanelRow = std::array<PanelState, MOUSEPAD_PANEL_COUNT>;

// The row for a mode the page shows (0..8); null for any other mode, which changes no panel.
const MousePadPanelRow* MousePadRefreshPanels(uint8_t mode);
// The row for an item picked in the mode combo: 0..8 as above, 9 (no effect) keeps the speed
// panel as it is; null above 9.
const MousePadPanelRow* MousePadSelectionPanels(int item);
