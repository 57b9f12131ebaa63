#pragma once
// The mouse lighting page's description for the lighting-page kit.
#include "lighting_page_kit.h"

const LightingPageKit& MouseLightingKit();
const LightingColourFamily& MouseLightColourFamily();
