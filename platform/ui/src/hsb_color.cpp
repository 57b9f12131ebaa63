#include "ui/hsb_color.h"

#include <algorithm>
#include <cmath>

HsbColor ArgbToHsb(DWORD argb) {
  double red = ((argb >> 16) & 0xFF) / 255.0, green = ((argb >> 8) & 0xFF) / 255.0, blue = (argb & 0xFF) / 255.0;
  double top = std::max({red, green, blue}), bottom = std::min({red, green, blue});
  double spread = top - bottom;
  HsbColor hsb;
  hsb.brightness = top;
  hsb.saturation = top > 0 ? spread / top : 0;
  if (spread > 0) {
    double hue;
    if (top == red) hue = std::fmod((green - blue) / spread, 6.0);
    else if (top == green) hue = (blue - red) / spread + 2;
    else hue = (red - green) / spread + 4;
    hsb.hue = hue * 60 < 0 ? hue * 60 + 360 : hue * 60;
  }
  return hsb;
}

DWORD HsbToArgb(const HsbColor& hsb) {
  double hue = std::fmod(std::max(0.0, hsb.hue), 360.0) / 60;
  double saturation = std::min(1.0, std::max(0.0, hsb.saturation));
  double brightness = std::min(1.0, std::max(0.0, hsb.brightness));
  double chroma = brightness * saturation;
  double second = chroma * (1 - std::fabs(std::fmod(hue, 2.0) - 1));
  double red = 0, green = 0, blue = 0;
  switch (static_cast<int>(hue)) {
    case 0: red = chroma; green = second; break;
    case 1: red = second; green = chroma; break;
    case 2: green = chroma; blue = second; break;
    case 3: green = second; blue = chroma; break;
    case 4: red = second; blue = chroma; break;
    default: red = chroma; blue = second; break;
  }
  double lift = brightness - chroma;
  auto channel = [lift](double value) { return static_cast<DWORD>(std::lround((value + lift) * 255)); };
  return 0xFF000000 | channel(red) << 16 | channel(green) << 8 | channel(blue);
}
