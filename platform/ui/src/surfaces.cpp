#include "surfaces.h"

#include <map>
#include <mutex>

namespace {

std::mutex& SurfacesMutex() {
  static std::mutex mutex;
  return mutex;
}

struct SurfacePixels {
  uint32_t* pixels;
  long width;
  long height;
};
// Kept with the pixels, so that a view of a surface asks GDI nothing about the bitmap.
std::map<HGDIOBJ, SurfacePixels>& Surfaces() {
  static auto* surfaces = new std::map<HGDIOBJ, SurfacePixels>;
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
  Surfaces()[surface] = SurfacePixels{*pixels, width, height};
  return surface;
}

void DestroySurface(HBITMAP surface) {
  {
    std::lock_guard<std::mutex> lock(SurfacesMutex());
    Surfaces().erase(surface);
  }
  DeleteObject(surface);
}

bool ViewSurfaceOf(HDC dc, SurfaceView& view) {
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  {
    std::lock_guard<std::mutex> lock(SurfacesMutex());
    auto found = Surfaces().find(bitmap);
    if (found == Surfaces().end()) return false;
    view.pixels = found->second.pixels;
    view.width = found->second.width;
    view.height = found->second.height;
  }
  RECT bounds{0, 0, view.width, view.height};
  if (GetClipBox(dc, &view.clip) == ERROR || !IntersectRect(&view.clip, &view.clip, &bounds)) view.clip = RECT{};
  GdiFlush();  // what GDI drew before must be in the pixels first
  return true;
}
