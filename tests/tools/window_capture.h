#pragma once
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "png_writer.h"

// What the screen shows in `rect` (screen coordinates).
RgbImage CaptureScreen(const RECT& rect);
// The window as the screen shows it, written as a PNG file; false when it cannot be written.
bool CaptureWindowPng(HWND window, const char* file);
// What the screen shows of a rectangle of the window's client area, such as a control's position.
RgbImage CaptureClientRect(HWND window, const RECT& clientRect);

// How many different colours the picture holds: an area drawn as one blank surface has one or two.
size_t DistinctColours(const RgbImage& image);
// Red, green and blue of the picture's centre pixel.
std::array<uint8_t, 3> CentreColour(const RgbImage& image);
// The share of pixels (0 to 1) in which two pictures differ; 1 when their sizes differ.
double ShareOfDifferentPixels(const RgbImage& a, const RgbImage& b);
