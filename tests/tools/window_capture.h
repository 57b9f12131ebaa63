#pragma once
#include <windows.h>

#include "png_writer.h"

// What the screen shows in `rect` (screen coordinates).
RgbImage CaptureScreen(const RECT& rect);
// The window as the screen shows it, written as a PNG file; false when it cannot be written.
bool CaptureWindowPng(HWND window, const char* file);
