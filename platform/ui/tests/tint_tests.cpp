#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "demo_window.h"
#include "ui/tint.h"

TEST(LedTint, UnpacksRedBlueGreen) {
  LedRgb rgb = UnpackLedColor(0x00332211);  // red 0x11, blue 0x22, green 0x33
  EXPECT_EQ(rgb.red, 0x11);
  EXPECT_EQ(rgb.blue, 0x22);
  EXPECT_EQ(rgb.green, 0x33);
}

TEST(LedTint, PixelRule) {
  struct Case {
    uint32_t pixel;   // premultiplied BGRA
    DWORD packed;     // red | blue << 8 | green << 16
    int level;
    uint32_t expected;
  } cases[] = {
      {0xFFFFFFFF, 0x0000FF, 255, 0xFFFF0000},  // white lit red
      {0xFFFFFFFF, 0x00FF00, 255, 0xFF0000FF},  // blue sits in the middle byte
      {0xFFFFFFFF, 0xFF0000, 255, 0xFF00FF00},  // green in the high byte
      {0xFFFFFFFF, 0xFFFFFF, 0, 0xFF000000},    // level 0: dark, shape kept
      {0xFFFFFFFF, 0x000000, 0, 0xFF000000},    // colour 0 and level 0: a zero tint
      {0x80808080, 0xFFFFFF, 255, 0x80808080},  // half-transparent white stays so
      {0xFFFFFFFF, 0x0000FF, 128, 0xFF800000},  // half level
      {0x00000000, 0xFFFFFF, 255, 0x00000000},  // transparent stays transparent
      {0xFFFFFFFF, 0x0000FF, 999, 0xFFFF0000},  // levels are bounded to 255
      {0xFFFFFFFF, 0x0000FF, -5, 0xFF000000},   // and to 0
  };
  for (const Case& c : cases)
    EXPECT_EQ(TintPixel(c.pixel, c.packed, c.level), c.expected)
        << std::hex << c.pixel << " " << c.packed << " " << std::dec << c.level;
}

namespace {

// Draws an image into a fresh white 36 x 36 DIB and returns its pixels.
std::vector<uint32_t> DrawInto(const wchar_t* image, DWORD packed, int level, bool tint) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = 36;
  info.bmiHeader.biHeight = -36;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  RECT rc{0, 0, 36, 36};
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  CRenderEngine::DrawImageString(dc, nullptr, rc, rc, image, nullptr, nullptr, packed, level, tint);
  GdiFlush();
  std::vector<uint32_t> pixels(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + 36 * 36);
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return pixels;
}

}  // namespace

TEST(LedTint, DrawnThroughTheRenderEngine) {
  UseDemoSkin();
  const int centre = 18 * 36 + 18, corner = 0;
  std::vector<uint32_t> plain = DrawInto(L"images/led.png", 0, 0, false);
  EXPECT_EQ(plain[centre] & 0xFFFFFF, 0xFFFFFFu);
  std::vector<uint32_t> blue = DrawInto(L"images/led.png", 0x00FF00, 255, true);
  EXPECT_EQ(blue[centre] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(blue[corner] & 0xFFFFFF, 0xFFFFFFu) << "transparent pixels leave the background";
  std::vector<uint32_t> dark = DrawInto(L"images/led.png", 0, 0, true);
  EXPECT_EQ(dark[centre] & 0xFFFFFF, 0u);
  // Drawn again from the cache, the same.
  EXPECT_EQ(DrawInto(L"images/led.png", 0x00FF00, 255, true), blue);
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_FALSE(CRenderEngine::DrawImageString(dc, nullptr, RECT{0, 0, 1, 1}, RECT{0, 0, 1, 1}, L"images/missing.png"));
  DeleteDC(dc);
}
