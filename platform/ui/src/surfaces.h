#pragma once
#include <windows.h>

#include <cstdint>

// 32-bit top-down DIB sections: the back buffers and decoded images. The library remembers which
// bitmaps are its own, because only for those it knows the row order and may write pixels itself.
HBITMAP CreateSurface(int width, int height, uint32_t** pixels);
void DestroySurface(HBITMAP surface);

// The pixels of the library's own surface selected into a DC, and the part of it that drawing may
// touch (the DC's clip box within the surface). False for any other DC.
struct SurfaceView {
  uint32_t* pixels = nullptr;  // top-down rows of `width` pixels
  long width = 0;
  long height = 0;
  RECT clip{};
};
bool ViewSurfaceOf(HDC dc, SurfaceView& view);
