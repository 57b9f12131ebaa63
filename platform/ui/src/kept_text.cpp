#include "kept_text.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "bounded_cache.h"

namespace {

// Enough for every label of a few windows; a list scrolled through many rows drops the oldest.
constexpr size_t kMaxKeptTextBytes = 4 * 1024 * 1024;

// The text, the font's description (a handle may be reused for another font), colour, style, size.
using TextKey = std::tuple<std::wstring, std::string, COLORREF, UINT, long, long>;
struct KeptText {
  std::vector<uint32_t> under;
  std::vector<uint32_t> drawn;
};
size_t BytesOf(const KeptText& kept) { return (kept.under.size() + kept.drawn.size()) * sizeof(uint32_t); }

std::mutex& KeptMutex() {
  static std::mutex mutex;
  return mutex;
}
BoundedCache<TextKey, KeptText>& KeptTexts() {
  static auto* cache = new BoundedCache<TextKey, KeptText>(kMaxKeptTextBytes, BytesOf);
  return *cache;
}

std::vector<uint32_t> ReadPixels(const SurfaceView& view, const RECT& rc) {
  std::vector<uint32_t> pixels;
  pixels.reserve(size_t(rc.right - rc.left) * (rc.bottom - rc.top));
  for (long y = rc.top; y < rc.bottom; ++y) {
    const uint32_t* row = view.pixels + y * view.width;
    pixels.insert(pixels.end(), row + rc.left, row + rc.right);
  }
  return pixels;
}

void WritePixels(const SurfaceView& view, const RECT& rc, const std::vector<uint32_t>& pixels) {
  const long width = rc.right - rc.left;
  for (long y = rc.top; y < rc.bottom; ++y)
    std::copy_n(pixels.data() + (y - rc.top) * width, width, view.pixels + y * view.width + rc.left);
}

std::string FontDescription(HFONT font) {
  LOGFONTW description{};
  if (!GetObjectW(font, sizeof(description), &description)) return std::string();
  return std::string(reinterpret_cast<const char*>(&description), sizeof(description));
}

}  // namespace

void DrawKeptText(const SurfaceView& view, const RECT& rc, const TextLook& look, const std::function<void()>& draw) {
  const TextKey key{look.text, FontDescription(look.font), look.colour, look.style, rc.right - rc.left,
                    rc.bottom - rc.top};
  std::vector<uint32_t> under = ReadPixels(view, rc);
  {
    std::lock_guard<std::mutex> lock(KeptMutex());
    const KeptText* kept = KeptTexts().Find(key);
    if (kept && kept->under == under) {
      WritePixels(view, rc, kept->drawn);
      return;
    }
  }
  draw();
  GdiFlush();  // GDI's text must be in the pixels before they are kept
  KeptText made{std::move(under), ReadPixels(view, rc)};
  std::lock_guard<std::mutex> lock(KeptMutex());
  KeptTexts().Add(key, std::move(made));
}
