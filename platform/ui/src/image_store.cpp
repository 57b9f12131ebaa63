#include "image_store.h"

#include <objidl.h>
#include <gdiplus.h>

#include <list>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "diagnostics.h"
#include "surfaces.h"
#include "ui/tint.h"

namespace {

// Tinted copies are made per LED colour for DCs that are not our own surfaces; a running light
// effect makes many, so the least recently used go once the copies hold this much.
constexpr size_t kMaxTintedBytes = 4 * 1024 * 1024;

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
struct TintCache {
  std::list<std::pair<TintKey, ImagePtr>> byUse;  // most recently used first
  std::map<TintKey, decltype(byUse)::iterator> byKey;
  size_t bytes = 0;

  void Clear() {
    byKey.clear();
    byUse.clear();
    bytes = 0;
  }
};
TintCache& TintedImages() {
  static auto* cache = new TintCache;
  return *cache;
}

size_t BytesOf(const StoredImage& image) { return size_t(image.width) * image.height * 4; }

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
  TintCache& cache = TintedImages();
  TintKey key{fullPath, packedLedColor & 0xFFFFFF, level};
  auto found = cache.byKey.find(key);
  if (found != cache.byKey.end()) {
    cache.byUse.splice(cache.byUse.begin(), cache.byUse, found->second);
    return found->second->second.get();
  }
  ImagePtr image = CreateBlankImage(source->width, source->height);
  if (!image) return nullptr;
  for (size_t i = 0, n = size_t(source->width) * source->height; i < n; ++i)
    image->pixels[i] = TintPixel(source->pixels[i], packedLedColor, level);
  image->opaque = source->opaque;
  cache.bytes += BytesOf(*image);
  cache.byUse.emplace_front(key, std::move(image));
  cache.byKey[key] = cache.byUse.begin();
  // The newest stays even when it alone is larger than the bound: it is about to be drawn.
  while (cache.bytes > kMaxTintedBytes && cache.byUse.size() > 1) {
    cache.bytes -= BytesOf(*cache.byUse.back().second);
    cache.byKey.erase(cache.byUse.back().first);
    cache.byUse.pop_back();
  }
  return cache.byUse.front().second.get();
}

size_t TintedImageBytes() {
  std::lock_guard<std::mutex> lock(StoreMutex());
  return TintedImages().bytes;
}

void ClearImageStore() {
  std::lock_guard<std::mutex> lock(StoreMutex());
  TintedImages().Clear();
  Images().clear();
}
