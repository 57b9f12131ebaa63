#pragma once
// Which panels of the pad's lighting page each mode enables (direction, colour, multicolour, speed
// and the same-mode button), as plan rows of the lighting-page kit.
#include "lighting_plan.h"

extern const LightingPanelNames MOUSEPAD_PANEL_NAMES;

// The row for a mode the page shows (0..8); null for any other mode, which changes no panel.
const LightingPlanRow* MousePadShownModePanels(int mode);
// The row for an item picked in the mode combo: 0..8 as above, 9 (no effect) leaves the speed
// panel as it is; null above 9.
const LightingPlanRow* MousePadPickedModePanels(int item);
