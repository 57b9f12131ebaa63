#pragma once
#include <windows.h>

// The window as the screen shows it, written as a PNG file; false when it cannot be written.
bool CaptureWindowPng(HWND window, const char* file);
