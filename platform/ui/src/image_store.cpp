#include "image_store.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "bounded_cache.h"
#include "diagnostics.h"
#include "surfaces.h"
#include "ui/tint.h"

namespace {

// Tinted copies are made per LED colour for DCs that are not our own surfaces; a running light
// effect makes many, so the least recently used go once the copies hold this much.
constexpr size_t kMaxTintedBytes = 4 * 1024 * 1024;
// Stretched copies are made per drawn size; a window being resized makes many.
constexpr size_t kMaxFittedBytes = 8 * 1024 * 1024;

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

size_t BytesOf(const StoredImage& image) { return size_t(image.width) * image.height * 4; }

// What an image reference shows at a drawn size; only a fitted copy is owned.
struct DrawnEntry {
  ImagePtr fitted;
  DrawnImage shown;
};
// An entry that shows a decoded image costs the cache about this much.
constexpr size_t kDrawnEntryBytes = 256;
size_t BytesOf(const ImagePtr& image) { return BytesOf(*image); }
size_t BytesOf(const DrawnEntry& entry) { return entry.fitted ? BytesOf(*entry.fitted) : kDrawnEntryBytes; }

using TintKey = std::tuple<std::wstring, DWORD, int>;
BoundedCache<TintKey, ImagePtr>& TintedImages() {
  static auto* cache = new BoundedCache<TintKey, ImagePtr>(kMaxTintedBytes, BytesOf);
  return *cache;
}
// The reference's text, then the drawn width and height.
using DrawnKey = std::tuple<std::wstring, int, int>;
BoundedCache<DrawnKey, DrawnEntry>& DrawnImages() {
  static auto* cache = new BoundedCache<DrawnKey, DrawnEntry>(kMaxFittedBytes, BytesOf);
  return *cache;
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
      FindOpaqueRuns(*image);
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

void FindOpaqueRuns(StoredImage& image) {
  image.opaque = true;
  image.opaqueRuns.assign(image.height, {0, 0});
  for (int y = 0; y < image.height; ++y) {
    const uint32_t* row = image.pixels + size_t(y) * image.width;
    std::pair<int, int>& longest = image.opaqueRuns[y];
    for (int x = 0, first = 0; x <= image.width; ++x) {
      if (x < image.width && (row[x] >> 24) == 0xFF) continue;
      if (x - first > longest.second - longest.first) longest = {first, x};
      first = x + 1;
    }
    image.opaque = image.opaque && longest.second - longest.first == image.width;
  }
}

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

RECT BoundedSource(RECT source, const StoredImage& image) {
  if (source.right <= source.left || source.bottom <= source.top) return RECT{0, 0, image.width, image.height};
  source.left = std::max<long>(source.left, 0);
  source.top = std::max<long>(source.top, 0);
  source.right = std::min<long>(source.right, image.width);
  source.bottom = std::min<long>(source.bottom, image.height);
  return source;
}

const StoredImage* FindTintedImage(const std::wstring& fullPath, DWORD packedLedColor, int level) {
  std::lock_guard<std::mutex> lock(StoreMutex());
  const StoredImage* source = FindLocked(fullPath);
  if (!source) return nullptr;
  const TintKey key{fullPath, packedLedColor & 0xFFFFFF, level};
  if (const ImagePtr* found = TintedImages().Find(key)) return found->get();
  ImagePtr image = CreateBlankImage(source->width, source->height);
  if (!image) return nullptr;
  for (size_t i = 0, n = size_t(source->width) * source->height; i < n; ++i)
    image->pixels[i] = TintPixel(source->pixels[i], packedLedColor, level);
  FindOpaqueRuns(*image);
  return TintedImages().Add(key, std::move(image)).get();
}

const DrawnImage* FindDrawnImage(std::wstring reference, int width, int height, const ImageLocator& locate,
                                 const ImageFitter& fit) {
  if (width <= 0 || height <= 0) return nullptr;
  std::lock_guard<std::mutex> lock(StoreMutex());
  const DrawnKey key{std::move(reference), width, height};
  if (const DrawnEntry* found = DrawnImages().Find(key)) return &found->shown;
  const ImagePart part = locate();
  const StoredImage* decoded = FindLocked(part.path);
  if (!decoded) return nullptr;
  const RECT source = BoundedSource(part.source, *decoded);
  if (source.right <= source.left || source.bottom <= source.top) return nullptr;
  DrawnEntry entry;
  if (width == source.right - source.left && height == source.bottom - source.top) {
    entry.shown = DrawnImage{decoded, POINT{source.left, source.top}};
  } else {
    entry.fitted = CreateBlankImage(width, height);
    if (!entry.fitted) return nullptr;
    std::fill_n(entry.fitted->pixels, size_t(width) * height, 0u);
    fit(*decoded, source, part.corner, *entry.fitted);
    FindOpaqueRuns(*entry.fitted);
    entry.shown = DrawnImage{entry.fitted.get(), POINT{0, 0}};
  }
  return &DrawnImages().Add(key, std::move(entry)).shown;
}

void ForgetDrawnImages() {
  std::lock_guard<std::mutex> lock(StoreMutex());
  DrawnImages().Clear();
}

size_t TintedImageBytes() {
  std::lock_guard<std::mutex> lock(StoreMutex());
  return TintedImages().Bytes();
}

void ClearImageStore() {
  std::lock_guard<std::mutex> lock(StoreMutex());
  TintedImages().Clear();
  DrawnImages().Clear();
  Images().clear();
}
