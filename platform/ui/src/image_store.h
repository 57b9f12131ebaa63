#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// A decoded image: premultiplied 32-bit pixels in a DIB section, selected into its own memory DC
// so that drawing it needs no per-call GDI setup.
struct StoredImage {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previousBitmap = nullptr;
  uint32_t* pixels = nullptr;  // top-down rows
  int width = 0;
  int height = 0;
  bool opaque = true;
};

// Process-wide cache of decoded images by full path, and of their tinted variants. Decoded images
// stay valid until ClearImageStore; a tinted variant until the next FindTintedImage, so callers
// draw it at once (painting is under the model lock, one paint at a time).
const StoredImage* FindStoredImage(const std::wstring& fullPath);
const StoredImage* FindTintedImage(const std::wstring& fullPath, DWORD packedLedColor, int level);
size_t TintedImageBytes();
void ClearImageStore();

// Starts GDI+ once for the process; the library needs it for decoding and custom controls paint
// with it.
void EnsureGdiplusStarted();
