#pragma once
// The keyboard lighting page's description for the lighting-page kit.
#include "lighting_page_kit.h"

const LightingPageKit& KeyboardLightingKit();
// The colour family of the lighting colour, and of the paint colour of the custom mode.
const LightingColourFamily& KeyboardLightColourFamily();
const LightingColourFamily& KeyboardPaintColourFamily();
