#include "window_capture.h"

#include <algorithm>
#include <set>
#include <vector>

RgbImage CaptureScreen(const RECT& rect) {
  const int width = std::max(0L, rect.right - rect.left), height = std::max(0L, rect.bottom - rect.top);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<uint8_t> bgra(static_cast<size_t>(width) * height * 4);
  GetDIBits(memory, bitmap, 0, height, bgra.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  RgbImage image(width, height, 0);
  for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
    image.pixels[3 * i] = bgra[4 * i + 2];
    image.pixels[3 * i + 1] = bgra[4 * i + 1];
    image.pixels[3 * i + 2] = bgra[4 * i];
  }
  return image;
}

bool CaptureWindowPng(HWND window, const char* file) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return WritePng(file, CaptureScreen(rect));
}

RgbImage CaptureClientRect(HWND window, const RECT& clientRect) {
  POINT corners[2] = {{clientRect.left, clientRect.top}, {clientRect.right, clientRect.bottom}};
  MapWindowPoints(window, nullptr, corners, 2);
  return CaptureScreen(RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y});
}

size_t DistinctColours(const RgbImage& image) {
  std::set<uint32_t> colours;
  for (size_t i = 0; i + 2 < image.pixels.size(); i += 3)
    colours.insert(image.pixels[i] << 16 | image.pixels[i + 1] << 8 | image.pixels[i + 2]);
  return colours.size();
}

std::array<uint8_t, 3> CentreColour(const RgbImage& image) {
  if (image.width == 0 || image.height == 0) return {0, 0, 0};
  const size_t at = 3 * (static_cast<size_t>(image.height / 2) * image.width + image.width / 2);
  return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]};
}

double ShareOfDifferentPixels(const RgbImage& a, const RgbImage& b) {
  if (a.width != b.width || a.height != b.height || a.pixels.empty()) return 1.0;
  size_t different = 0;
  for (size_t i = 0; i + 2 < a.pixels.size(); i += 3)
    if (!std::equal(a.pixels.begin() + i, a.pixels.begin() + i + 3, b.pixels.begin() + i)) ++different;
  return static_cast<double>(different) / (a.pixels.size() / 3);
}
