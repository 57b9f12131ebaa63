#include "ui/render_engine.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "image_store.h"
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

// TintPixel's rule as three tables, built once per drawn image rather than per pixel: a preview
// frame draws over a hundred of them, so the tables are filled by steps, not by divisions.
struct TintTables {
  uint8_t red[256], green[256], blue[256];
  TintTables(DWORD packedLedColor, int level) {
    const uint32_t bounded = static_cast<uint32_t>(level < 0 ? 0 : level > 255 ? 255 : level);
    const LedRgb tint = UnpackLedColor(packedLedColor);
    Fill(red, tint.red * bounded);
    Fill(green, tint.green * bounded);
    Fill(blue, tint.blue * bounded);
  }
  // table[v] = v x factor / (255 x 255), rounded down, kept as a quotient and a remainder.
  static void Fill(uint8_t* table, uint32_t factor) {
    constexpr uint32_t kDivisor = 255u * 255u;
    const uint32_t stepQuotient = factor / kDivisor, stepRemainder = factor % kDivisor;
    uint32_t quotient = 0, remainder = 0;
    for (int v = 0; v < 256; ++v) {
      table[v] = static_cast<uint8_t>(quotient);
      quotient += stepQuotient;
      remainder += stepRemainder;
      if (remainder >= kDivisor) {
        remainder -= kDivisor;
        ++quotient;
      }
    }
  }
  uint32_t Apply(uint32_t pixel) const {
    return (pixel & 0xFF000000u) | (uint32_t(red[(pixel >> 16) & 0xFF]) << 16) |
           (uint32_t(green[(pixel >> 8) & 0xFF]) << 8) | blue[pixel & 0xFF];
  }
};

// A piece straight into one of our surfaces, each destination pixel from the nearest source
// pixel (as GDI stretches), tinted on the way when asked: no GDI call per image, and no tinted
// copy of the image, whatever the colour.
void DrawPieceInto(const SurfaceView& view, const StoredImage& image, const RECT& dest, const RECT& source,
                   const TintTables* tint) {
  RECT area;
  if (IsEmptyRect(dest) || IsEmptyRect(source) || !IntersectRect(&area, &dest, &view.clip)) return;
  const long dw = dest.right - dest.left, dh = dest.bottom - dest.top;
  const long sw = source.right - source.left, sh = source.bottom - source.top;
  const long width = area.right - area.left;
  if (!tint && image.opaque && dw == sw && dh == sh) {
    for (long y = area.top; y < area.bottom; ++y)
      std::copy_n(image.pixels + (source.top + y - dest.top) * image.width + source.left + area.left - dest.left, width,
                  view.pixels + y * view.width + area.left);
    return;
  }
  std::vector<long> columns(width);
  for (long x = 0; x < width; ++x) columns[x] = source.left + (area.left + x - dest.left) * sw / dw;
  for (long y = area.top; y < area.bottom; ++y) {
    const uint32_t* from = image.pixels + (source.top + (y - dest.top) * sh / dh) * image.width;
    uint32_t* to = view.pixels + y * view.width + area.left;
    for (long x = 0; x < width; ++x) {
      uint32_t pixel = from[columns[x]];
      if ((pixel >> 24) == 0) continue;
      to[x] = Over(tint ? tint->Apply(pixel) : pixel, to[x]);
    }
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

}  // namespace

bool CRenderEngine::DrawImageString(HDC dc, CPaintManagerUI*, const RECT& item, const RECT& paint,
                                    LPCTSTR image, LPCTSTR modify, HINSTANCE, DWORD tintColor,
                                    int level, bool tint) {
  if (!image || !*image) return false;
  RECT visible;
  if (!IntersectRect(&visible, &item, &paint)) return true;
  std::wstring text = image;
  if (modify && *modify) {
    if (text.find(L'=') == std::wstring::npos) text = L"file='" + text + L"'";
    text += L" ";
    text += modify;
  }
  ImageDescriptor descriptor = ParseImageDescriptor(text);
  std::wstring path = ResolveImagePath(descriptor.file);
  // Into our own surfaces the library draws (and tints) itself; other DCs get GDI's blending and
  // a cached tinted copy.
  SurfaceView view;
  const bool ownSurface = ViewSurfaceOf(dc, view);
  const StoredImage* stored = tint && !ownSurface ? FindTintedImage(path, tintColor, level) : FindStoredImage(path);
  if (!stored) return false;
  RECT source = descriptor.source;
  if (IsEmptyRect(source)) source = RECT{0, 0, stored->width, stored->height};
  source.right = std::min<long>(source.right, stored->width);
  source.bottom = std::min<long>(source.bottom, stored->height);
  if (ownSurface) {
    const std::optional<TintTables> tables = tint ? std::optional<TintTables>(std::in_place, tintColor, level)
                                                  : std::nullopt;
    const TintTables* applied = tables ? &*tables : nullptr;
    ForEachSlice(item, source, descriptor.corner,
                 [&](const RECT& dest, const RECT& from) { DrawPieceInto(view, *stored, dest, from, applied); });
  } else {
    ForEachSlice(item, source, descriptor.corner,
                 [&](const RECT& dest, const RECT& from) { BlendPiece(dc, *stored, dest, from); });
  }
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
  HGDIOBJ previous = SelectObject(dc, manager->GetFont(font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(argb));
  ::DrawTextW(dc, text, -1, &rc, style | DT_NOPREFIX);
  SelectObject(dc, previous);
}
