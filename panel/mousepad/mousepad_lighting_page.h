#pragma once
// The mouse pad's lighting page on the lighting-page kit: its controls, and the hooks that store a
// change in the live settings, mark the pad changed and save the light profile.
#include <cstdint>

#include "lighting_page_kit.h"

class CMainWnd;

const LightingPageKit& MousePadLightingKit();
const LightingColourFamily& MousePadColourFamily();

// The panels a mode enables, as shown by the page refresh (`picked` false) or by a pick in the mode
// combo; the ripple gets its running mark.
void ShowMousePadModePanels(CMainWnd& window, int mode, bool picked);
