#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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
  // Per row, the longest run of opaque pixels [first, end): copied rather than blended.
  std::vector<std::pair<int, int>> opaqueRuns;
};
// Works out `opaque` and `opaqueRuns` from the pixels.
void FindOpaqueRuns(StoredImage& image);

// The part of an image that a reference names: an empty `source` is the whole image; the
// `corner`s keep their size when it is stretched.
struct ImagePart {
  std::wstring path;
  RECT source{};
  RECT corner{};
};
// `source` within the image; an empty one is the whole image.
RECT BoundedSource(RECT source, const StoredImage& image);

// What an image reference shows at a drawn size: `image`'s pixels from `origin` on.
struct DrawnImage {
  const StoredImage* image = nullptr;
  POINT origin{};
};

// Process-wide cache of decoded images by full path, of their tinted variants, and of what image
// references show at a size. Decoded images stay valid until ClearImageStore; the others until
// the next call that finds one of their kind, so callers draw them at once (painting is under the
// model lock, one paint at a time).
const StoredImage* FindStoredImage(const std::wstring& fullPath);
const StoredImage* FindTintedImage(const std::wstring& fullPath, DWORD packedLedColor, int level);
// Found by the reference's text (anything that names one drawing), so a repaint neither parses nor
// stretches: the first time, `locate` says which part of which image it is, and a part that must
// be stretched is drawn once by `fit` into a transparent width x height image.
using ImageLocator = std::function<ImagePart()>;
using ImageFitter =
    std::function<void(const StoredImage& decoded, const RECT& source, const RECT& corner, StoredImage& fitted)>;
const DrawnImage* FindDrawnImage(std::wstring reference, int width, int height, const ImageLocator& locate,
                                 const ImageFitter& fit);
// Image references name files in the resource folder: when it changes, they are located again.
void ForgetDrawnImages();
size_t TintedImageBytes();
void ClearImageStore();

// Starts GDI+ once for the process; the library needs it for decoding and custom controls paint
// with it.
void EnsureGdiplusStarted();
