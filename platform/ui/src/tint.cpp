#include "ui/tint.h"

LedRgb UnpackLedColor(DWORD packed) {
  return LedRgb{static_cast<BYTE>(packed & 0xFF), static_cast<BYTE>((packed >> 16) & 0xFF),
                static_cast<BYTE>((packed >> 8) & 0xFF)};
}

uint32_t TintPixel(uint32_t pixel, DWORD packedLedColor, int level) {
  if (level < 0) level = 0;
  if (level > 255) level = 255;
  LedRgb tint = UnpackLedColor(packedLedColor);
  auto scale = [level](uint32_t channel, uint32_t by) {
    return (channel * by * static_cast<uint32_t>(level)) / (255u * 255u);
  };
  uint32_t blue = scale(pixel & 0xFF, tint.blue);
  uint32_t green = scale((pixel >> 8) & 0xFF, tint.green);
  uint32_t red = scale((pixel >> 16) & 0xFF, tint.red);
  return (pixel & 0xFF000000u) | (red << 16) | (green << 8) | blue;
}
