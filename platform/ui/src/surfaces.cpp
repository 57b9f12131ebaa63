#include "surfaces.h"

#include <mutex>
#include <set>

namespace {

std::mutex& SurfacesMutex() {
  static std::mutex mutex;
  return mutex;
}

std::set<HGDIOBJ>& Surfaces() {
  static auto* surfaces = new std::set<HGDIOBJ>;
  return *surfaces;
}

}  // namespace

HBITMAP CreateSurface(int width, int height, uint32_t** pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP surface = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!surface) return nullptr;
  *pixels = static_cast<uint32_t*>(bits);
  std::lock_guard<std::mutex> lock(SurfacesMutex());
  Surfaces().insert(surface);
  return surface;
}

void DestroySurface(HBITMAP surface) {
  {
    std::lock_guard<std::mutex> lock(SurfacesMutex());
    Surfaces().erase(surface);
  }
  DeleteObject(surface);
}

bool IsOwnSurface(HGDIOBJ bitmap) {
  std::lock_guard<std::mutex> lock(SurfacesMutex());
  return Surfaces().count(bitmap) != 0;
}
