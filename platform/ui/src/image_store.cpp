#include "image_store.h"

#include <objidl.h>
#include <gdiplus.h>

#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "diagnostics.h"
#include "surfaces.h"
#include "ui/tint.h"

namespace {

// Tinted variants are made per LED colour; a running light effect makes many, so the cache is
// emptied when it grows past this many.
constexpr size_t kMaxTintedImages = 1024;

struct ImageDeleter {
  void operator()(StoredImage* image) const {
    SelectObject(image->dc, image->previousBitmap);
    DestroySurface(image->bitmap);
    DeleteDC(image->dc);
    delete image;
  }
};
using ImagePtr = std::unique_ptr<StoredImage, ImageDeleter>;

std::mutex& StoreMutex() {
  static std::mutex mutex;
  return mutex;
}
std::map<std::wstring, ImagePtr>& Images() {
  static auto* images = new std::map<std::wstring, ImagePtr>;
  return *images;
}
using TintKey = std::tuple<std::wstring, DWORD, int>;
std::map<TintKey, ImagePtr>& TintedImages() {
  static auto* images = new std::map<TintKey, ImagePtr>;
  return *images;
}

ImagePtr CreateBlankImage(int width, int height) {
  uint32_t* pixels = nullptr;
  HBITMAP bitmap = CreateSurface(width, height, &pixels);
  if (!bitmap) return nullptr;
  ImagePtr image(new StoredImage);
  image->dc = CreateCompatibleDC(nullptr);
  image->bitmap = bitmap;
  image->previousBitmap = SelectObject(image->dc, bitmap);
  image->pixels = pixels;
  image->width = width;
  image->height = height;
  return image;
}

ImagePtr DecodeImageFile(const std::wstring& path) {
  using namespace Gdiplus;
  EnsureGdiplusStarted();
  GpBitmap* decoded = nullptr;
  if (DllExports::GdipCreateBitmapFromFile(path.c_str(), &decoded) != Ok) {
    DebugLine(L"ui: cannot load image " + path);
    return nullptr;
  }
  UINT width = 0, height = 0;
  DllExports::GdipGetImageWidth(decoded, &width);
  DllExports::GdipGetImageHeight(decoded, &height);
  ImagePtr image = width && height ? CreateBlankImage(width, height) : nullptr;
  if (image) {
    BitmapData data{};
    data.Width = width;
    data.Height = height;
    data.Stride = static_cast<INT>(width * 4);
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = image->pixels;
    Rect whole(0, 0, width, height);
    // Decoding straight into our DIB: the user buffer flag makes GDI+ write there.
    if (DllExports::GdipBitmapLockBits(decoded, &whole, ImageLockModeRead | ImageLockModeUserInputBuf,
                                       PixelFormat32bppPARGB, &data) == Ok) {
      DllExports::GdipBitmapUnlockBits(decoded, &data);
      for (size_t i = 0, n = size_t(width) * height; i < n && image->opaque; ++i)
        image->opaque = (image->pixels[i] >> 24) == 0xFF;
    } else {
      image.reset();
    }
  }
  DllExports::GdipDisposeImage(decoded);
  return image;
}

const StoredImage* FindLocked(const std::wstring& path) {
  auto& images = Images();
  auto found = images.find(path);
  if (found == images.end()) found = images.emplace(path, DecodeImageFile(path)).first;
  return found->second.get();  // a failed load is remembered as null, not retried per paint
}

}  // namespace

void EnsureGdiplusStarted() {
  static const bool started = [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  }();
  (void)started;
}

const StoredImage* FindStoredImage(const std::wstring& fullPath) {
  std::lock_guard<std::mutex> lock(StoreMutex());
  return FindLocked(fullPath);
}

const StoredImage* FindTintedImage(const std::wstring& fullPath, DWORD packedLedColor, int level) {
  std::lock_guard<std::mutex> lock(StoreMutex());
  const StoredImage* source = FindLocked(fullPath);
  if (!source) return nullptr;
  auto& tinted = TintedImages();
  TintKey key{fullPath, packedLedColor & 0xFFFFFF, level};
  auto found = tinted.find(key);
  if (found != tinted.end()) return found->second.get();
  if (tinted.size() >= kMaxTintedImages) tinted.clear();
  ImagePtr image = CreateBlankImage(source->width, source->height);
  if (!image) return nullptr;
  for (size_t i = 0, n = size_t(source->width) * source->height; i < n; ++i)
    image->pixels[i] = TintPixel(source->pixels[i], packedLedColor, level);
  image->opaque = source->opaque;
  return tinted.emplace(key, std::move(image)).first->second.get();
}

void ClearImageStore() {
  std::lock_guard<std::mutex> lock(StoreMutex());
  TintedImages().clear();
  Images().clear();
}
