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

bool ViewSurfaceOf(HDC dc, SurfaceView& view) {
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  DIBSECTION dib{};
  if (!IsOwnSurface(bitmap) || GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib)) return false;
  view.pixels = static_cast<uint32_t*>(dib.dsBm.bmBits);
  view.width = dib.dsBm.bmWidth;
  view.height = dib.dsBm.bmHeight;
  RECT bounds{0, 0, view.width, view.height};
  if (GetClipBox(dc, &view.clip) == ERROR || !IntersectRect(&view.clip, &view.clip, &bounds)) view.clip = RECT{};
  GdiFlush();  // what GDI drew before must be in the pixels first
  return true;
}
