#pragma once
#include <windows.h>

// Hue (0..360), saturation and brightness (0..1) of the colour palette, from and to ARGB.
struct HsbColor {
  double hue = 0;
  double saturation = 0;
  double brightness = 0;
};

HsbColor ArgbToHsb(DWORD argb);
// Opaque (alpha 0xFF).
DWORD HsbToArgb(const HsbColor& hsb);
