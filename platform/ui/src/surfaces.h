#pragma once
#include <windows.h>

#include <cstdint>

// 32-bit top-down DIB sections: the back buffers and decoded images. The library remembers which
// bitmaps are its own, because only for those it knows the row order and may write pixels itself.
HBITMAP CreateSurface(int width, int height, uint32_t** pixels);
void DestroySurface(HBITMAP surface);
bool IsOwnSurface(HGDIOBJ bitmap);
