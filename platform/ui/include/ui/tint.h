#pragma once
#include <windows.h>

#include <cstdint>

// LED preview colours travel packed as red | blue << 8 | green << 16.
struct LedRgb {
  BYTE red;
  BYTE green;
  BYTE blue;
};
LedRgb UnpackLedColor(DWORD packed);

// The tint of one premultiplied BGRA pixel: each colour channel becomes
// channel x tint channel x level / (255 x 255); alpha is kept, so the image's shape stays.
// The level is bounded to 0..255.
uint32_t TintPixel(uint32_t premultipliedBgra, DWORD packedLedColor, int level);
