#include "ui/render_engine.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "image_store.h"
#include "kept_text.h"
#include "surfaces.h"
#include "ui/attribute_parsers.h"
#include "ui/paint_manager.h"
#include "ui/tint.h"

namespace {

bool IsAbsolutePath(const std::wstring& path) {
  return path.size() > 1 && (path[1] == L':' || (path[0] == L'\\' && path[1] == L'\\'));
}

std::wstring ResolveImagePath(const std::wstring& file) {
  if (IsAbsolutePath(file)) return file;
  std::wstring path = CPaintManagerUI::GetResourcePath().str() + file;
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  return path;
}

bool IsEmptyRect(const RECT& rc) { return rc.right <= rc.left || rc.bottom <= rc.top; }

void BlendPiece(HDC dc, const StoredImage& image, const RECT& dest, const RECT& source) {
  if (IsEmptyRect(dest) || IsEmptyRect(source)) return;
  int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  int sw = source.right - source.left, sh = source.bottom - source.top;
  if (image.opaque) {
    if (dw == sw && dh == sh)
      BitBlt(dc, dest.left, dest.top, dw, dh, image.dc, source.left, source.top, SRCCOPY);
    else
      StretchBlt(dc, dest.left, dest.top, dw, dh, image.dc, source.left, source.top, sw, sh, SRCCOPY);
    return;
  }
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, dest.left, dest.top, dw, dh, image.dc, source.left, source.top, sw, sh, blend);
}

// Nine pieces: the corners keep their size, edges and middle stretch. `draw` gets each piece's
// destination and source.
template <class DrawPiece>
void ForEachSlice(const RECT& dest, const RECT& source, const RECT& corner, DrawPiece draw) {
  const long dx[4] = {dest.left, dest.left + corner.left, dest.right - corner.right, dest.right};
  const long dy[4] = {dest.top, dest.top + corner.top, dest.bottom - corner.bottom, dest.bottom};
  const long sx[4] = {source.left, source.left + corner.left, source.right - corner.right, source.right};
  const long sy[4] = {source.top, source.top + corner.top, source.bottom - corner.bottom, source.bottom};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      draw(RECT{dx[col], dy[row], dx[col + 1], dy[row + 1]}, RECT{sx[col], sy[row], sx[col + 1], sy[row + 1]});
}

COLORREF ToColorRef(DWORD argb) {
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

uint32_t Div255(uint32_t v) { return (v + 1 + (v >> 8)) >> 8; }  // exact for v < 65536

// Premultiplied "over": the source pixel, then what shows through it. Two channels at a time; a
// premultiplied channel is never above its alpha, so no sum overflows.
uint32_t Over(uint32_t source, uint32_t dest) {
  const uint32_t alpha = source >> 24;
  if (alpha == 255) return source;
  const uint32_t keep = 255 - alpha;
  auto scale = [keep](uint32_t pair) {  // two channels in bytes 0 and 2, each times keep / 255
    uint32_t t = pair * keep + 0x00800080u;
    return ((t + ((t >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  };
  return source + (scale(dest & 0x00FF00FFu) | (scale((dest >> 8) & 0x00FF00FFu) << 8));
}

// A piece into a surface's pixels, each destination pixel from the nearest source pixel (as GDI
// stretches).
void DrawPieceInto(const SurfaceView& view, const StoredImage& image, const RECT& dest, const RECT& source) {
  RECT area;
  if (IsEmptyRect(dest) || IsEmptyRect(source) || !IntersectRect(&area, &dest, &view.clip)) return;
  const long dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  const long sw = source.right - source.left, sh = source.bottom - source.top;
  const long width = area.right - area.left;
  std::vector<long> columns(width);
  for (long x = 0; x < width; ++x) columns[x] = source.left + (area.left + x - dest.left) * sw / dw;
  for (long y = area.top; y < area.bottom; ++y) {
    const uint32_t* from = image.pixels + (source.top + (y - dest.top) * sh / dh) * image.width;
    uint32_t* to = view.pixels + y * view.width + area.left;
    for (long x = 0; x < width; ++x) {
      const uint32_t pixel = from[columns[x]];
      if ((pixel >> 24) != 0) to[x] = Over(pixel, to[x]);
    }
  }
}

// The image's `source` part stretched over the whole of `fitted`, corners kept.
void FitInto(const StoredImage& decoded, const RECT& source, const RECT& corner, StoredImage& fitted) {
  SurfaceView view;
  view.pixels = fitted.pixels;
  view.width = fitted.width;
  view.height = fitted.height;
  view.clip = RECT{0, 0, fitted.width, fitted.height};
  ForEachSlice(view.clip, source, corner,
               [&](const RECT& dest, const RECT& from) { DrawPieceInto(view, decoded, dest, from); });
}

// TintPixel's rule, worked out once per run of equal source pixels: an LED image is mostly one
// colour, so a preview costs little more than an untinted image.
class RunTint {
 public:
  RunTint(DWORD packedLedColor, int level) : color_(packedLedColor), level_(level) {}
  uint32_t Apply(uint32_t pixel) {
    if (pixel != lastIn_) {
      lastIn_ = pixel;
      lastOut_ = TintPixel(pixel, color_, level_);
    }
    return lastOut_;
  }

 private:
  DWORD color_;
  int level_;
  uint32_t lastIn_ = 0, lastOut_ = 0;  // the tint of a clear pixel is clear
};

// Pixels of one image row onto a surface row, each over what is there, tinted on the way when asked.
void BlendRow(const uint32_t* from, uint32_t* to, long count, RunTint* tint) {
  for (long x = 0; x < count; ++x) {
    const uint32_t pixel = from[x];
    if ((pixel >> 24) != 0) to[x] = Over(tint ? tint->Apply(pixel) : pixel, to[x]);
  }
}

// An unscaled image, from its pixel `origin` on, onto `dest` of a surface, tinted on the way when
// asked: no GDI call and no tinted copy, whatever the colour. Each row's opaque run replaces what
// is there; only the rest is blended.
void DrawUnscaledInto(const SurfaceView& view, const StoredImage& image, POINT origin, const RECT& dest,
                      RunTint* tint) {
  RECT area;
  if (!IntersectRect(&area, &dest, &view.clip)) return;
  const long left = origin.x + area.left - dest.left, right = left + area.right - area.left;
  for (long y = area.top; y < area.bottom; ++y) {
    const long row = origin.y + y - dest.top;
    const uint32_t* from = image.pixels + row * image.width;
    uint32_t* to = view.pixels + y * view.width + area.left;
    const long runFirst = std::clamp<long>(image.opaqueRuns[row].first, left, right);
    const long runEnd = std::clamp<long>(image.opaqueRuns[row].second, runFirst, right);
    BlendRow(from + left, to, runFirst - left, tint);
    if (tint)
      for (long x = runFirst; x < runEnd; ++x) to[x - left] = tint->Apply(from[x]);
    else
      std::copy(from + runFirst, from + runEnd, to + runFirst - left);
    BlendRow(from + runEnd, to + runEnd - left, right - runEnd, tint);
  }
}

// Blends a translucent colour straight into one of our surfaces selected into the DC (the back
// buffer always is one): much faster than GDI's stretched AlphaBlend. False for any other DC.
bool BlendIntoSurface(HDC dc, RECT rc, DWORD argb) {
  SurfaceView view;
  if (!ViewSurfaceOf(dc, view)) return false;
  if (!IntersectRect(&rc, &rc, &view.clip)) return true;
  const uint32_t alpha = argb >> 24;
  const uint32_t colour = (alpha << 24) | (Div255(((argb >> 16) & 0xFF) * alpha) << 16) |
                          (Div255(((argb >> 8) & 0xFF) * alpha) << 8) | Div255((argb & 0xFF) * alpha);
  // Backgrounds repeat colours along a row, so the last result is reused.
  uint32_t lastIn = 0, lastOut = Over(colour, 0);
  for (long y = rc.top; y < rc.bottom; ++y) {
    uint32_t* row = view.pixels + y * view.width;
    for (long x = rc.left; x < rc.right; ++x) {
      if (row[x] != lastIn) {
        lastIn = row[x];
        lastOut = Over(colour, lastIn);
      }
      row[x] = lastOut;
    }
  }
  return true;
}

ImagePart LocateImage(const std::wstring& image, LPCTSTR modify) {
  std::wstring text = image;
  if (modify && *modify) {
    if (text.find(L'=') == std::wstring::npos) text = L"file='" + text + L"'";
    text += L" ";
    text += modify;
  }
  const ImageDescriptor descriptor = ParseImageDescriptor(text);
  return ImagePart{ResolveImagePath(descriptor.file), descriptor.source, descriptor.corner};
}

}  // namespace

bool CRenderEngine::DrawImageString(HDC dc, CPaintManagerUI*, const RECT& item, const RECT& paint,
                                    LPCTSTR image, LPCTSTR modify, HINSTANCE, DWORD tintColor,
                                    int level, bool tint) {
  if (!image || !*image) return false;
  RECT visible;
  if (!IntersectRect(&visible, &item, &paint)) return true;
  // Into our own surfaces the library draws (and tints) itself, from what the reference shows at
  // this size; other DCs get GDI's blending and a cached tinted copy.
  SurfaceView view;
  if (ViewSurfaceOf(dc, view)) {
    std::wstring reference = image;
    if (modify && *modify) reference.append(L"\n").append(modify);
    const DrawnImage* drawn = FindDrawnImage(
        std::move(reference), item.right - item.left, item.bottom - item.top, [&] { return LocateImage(image, modify); },
        FitInto);
    if (!drawn) return false;
    std::optional<RunTint> runTint;
    if (tint) runTint.emplace(tintColor, level);
    DrawUnscaledInto(view, *drawn->image, drawn->origin, item, runTint ? &*runTint : nullptr);
    return true;
  }
  const ImagePart part = LocateImage(image, modify);
  const StoredImage* stored = tint ? FindTintedImage(part.path, tintColor, level) : FindStoredImage(part.path);
  if (!stored) return false;
  ForEachSlice(item, BoundedSource(part.source, *stored), part.corner,
               [&](const RECT& dest, const RECT& from) { BlendPiece(dc, *stored, dest, from); });
  return true;
}

size_t CRenderEngine::GetTintCacheBytes() { return TintedImageBytes(); }

void CRenderEngine::DrawColor(HDC dc, const RECT& rc, DWORD argb) {
  BYTE alpha = argb >> 24;
  if (alpha == 0 || IsEmptyRect(rc)) return;
  if (alpha == 255) {
    SetDCBrushColor(dc, ToColorRef(argb));
    FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    return;
  }
  if (BlendIntoSurface(dc, rc, argb)) return;
  // Any other surface: GDI blends a 1 x 1 premultiplied pixel stretched over the rectangle.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 1;
  info.bmiHeader.biHeight = 1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP pixel = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!pixel) return;
  auto premultiply = [alpha](DWORD channel) { return (channel * alpha) / 255; };
  *static_cast<uint32_t*>(bits) = (uint32_t(alpha) << 24) | (premultiply((argb >> 16) & 0xFF) << 16) |
                                  (premultiply((argb >> 8) & 0xFF) << 8) | premultiply(argb & 0xFF);
  HDC pixelDc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(pixelDc, pixel);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, pixelDc, 0, 0, 1, 1, blend);
  SelectObject(pixelDc, previous);
  DeleteDC(pixelDc);
  DeleteObject(pixel);
}

void CRenderEngine::DrawBorder(HDC dc, const RECT& rc, int size, DWORD argb) {
  if (size <= 0) return;
  DrawColor(dc, RECT{rc.left, rc.top, rc.right, rc.top + size}, argb);
  DrawColor(dc, RECT{rc.left, rc.bottom - size, rc.right, rc.bottom}, argb);
  DrawColor(dc, RECT{rc.left, rc.top + size, rc.left + size, rc.bottom - size}, argb);
  DrawColor(dc, RECT{rc.right - size, rc.top + size, rc.right, rc.bottom - size}, argb);
}

void CRenderEngine::DrawText(HDC dc, CPaintManagerUI* manager, RECT rc, LPCTSTR text, DWORD argb, int font,
                             UINT style) {
  if (!text || !*text || !manager) return;
  const TextLook look{text, manager->GetFont(font), ToColorRef(argb), style | DT_NOPREFIX};
  auto draw = [&] {
    HGDIOBJ previous = SelectObject(dc, look.font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look.colour);
    ::DrawTextW(dc, text, -1, &rc, look.style);
    SelectObject(dc, previous);
  };
  // Text clipped to its rectangle, all of which shows, can be kept.
  SurfaceView view;
  RECT shown;
  if (!(style & (DT_NOCLIP | DT_CALCRECT)) && !IsEmptyRect(rc) && ViewSurfaceOf(dc, view) &&
      IntersectRect(&shown, &rc, &view.clip) && EqualRect(&shown, &rc))
    DrawKeptText(view, rc, look, draw);
  else
    draw();
}
