#include "ui/render_engine.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "image_store.h"
#include "surfaces.h"
#include "ui/attribute_parsers.h"
#include "ui/paint_manager.h"

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

// Nine pieces: the corners keep their size, edges and middle stretch.
void DrawSliced(HDC dc, const StoredImage& image, const RECT& dest, const RECT& source, const RECT& corner) {
  const long dx[4] = {dest.left, dest.left + corner.left, dest.right - corner.right, dest.right};
  const long dy[4] = {dest.top, dest.top + corner.top, dest.bottom - corner.bottom, dest.bottom};
  const long sx[4] = {source.left, source.left + corner.left, source.right - corner.right, source.right};
  const long sy[4] = {source.top, source.top + corner.top, source.bottom - corner.bottom, source.bottom};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      BlendPiece(dc, image, RECT{dx[col], dy[row], dx[col + 1], dy[row + 1]},
                 RECT{sx[col], sy[row], sx[col + 1], sy[row + 1]});
}

COLORREF ToColorRef(DWORD argb) {
  return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

// Blends a translucent colour straight into one of our surfaces selected into the DC (the back
// buffer always is one): much faster than GDI's stretched AlphaBlend. False for any other DC.
bool BlendIntoSurface(HDC dc, RECT rc, DWORD argb) {
  HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
  DIBSECTION dib{};
  if (!IsOwnSurface(bitmap) || GetObjectW(bitmap, sizeof(dib), &dib) != sizeof(dib)) return false;
  RECT clip;
  if (GetClipBox(dc, &clip) == ERROR || !IntersectRect(&rc, &rc, &clip)) return true;
  const long width = dib.dsBm.bmWidth, height = dib.dsBm.bmHeight;
  RECT bounds{0, 0, width, height};
  if (!IntersectRect(&rc, &rc, &bounds)) return true;
  GdiFlush();
  const uint32_t alpha = argb >> 24, keep = 255 - alpha;
  const uint32_t red = ((argb >> 16) & 0xFF) * alpha, green = ((argb >> 8) & 0xFF) * alpha, blue = (argb & 0xFF) * alpha;
  auto* pixels = static_cast<uint32_t*>(dib.dsBm.bmBits);
  auto div255 = [](uint32_t v) { return (v + 1 + (v >> 8)) >> 8; };  // exact for v < 65536
  // Backgrounds repeat colours along a row, so the last result is reused.
  uint32_t lastIn = 0, lastOut = 0;
  bool haveLast = false;
  for (long y = rc.top; y < rc.bottom; ++y) {
    uint32_t* row = pixels + y * width;
    for (long x = rc.left; x < rc.right; ++x) {
      uint32_t p = row[x];
      if (haveLast && p == lastIn) {
        row[x] = lastOut;
        continue;
      }
      uint32_t r = div255(((p >> 16) & 0xFF) * keep + red);
      uint32_t g = div255(((p >> 8) & 0xFF) * keep + green);
      uint32_t b = div255((p & 0xFF) * keep + blue);
      uint32_t a = div255((p >> 24) * keep) + alpha;
      lastIn = p;
      lastOut = row[x] = (a << 24) | (r << 16) | (g << 8) | b;
      haveLast = true;
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
  const StoredImage* stored = tint ? FindTintedImage(path, tintColor, level) : FindStoredImage(path);
  if (!stored) return false;
  RECT source = descriptor.source;
  if (IsEmptyRect(source)) source = RECT{0, 0, stored->width, stored->height};
  source.right = std::min<long>(source.right, stored->width);
  source.bottom = std::min<long>(source.bottom, stored->height);
  DrawSliced(dc, *stored, item, source, descriptor.corner);
  return true;
}

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
