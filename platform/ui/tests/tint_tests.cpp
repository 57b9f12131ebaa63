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
  DibCanvas canvas(36, 36);
  RECT rc{0, 0, 36, 36};
  CRenderEngine::DrawImageString(canvas.dc(), nullptr, rc, rc, image, nullptr, nullptr, packed, level, tint);
  return canvas.Pixels();
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

// In a window the tint is applied while drawing into the back buffer: the same pixels.
TEST(LedTint, DrawnInAWindowAsIntoAnyOtherDc) {
  UseDemoSkin();
  auto* window = new DemoWindow;
  window->Open();
  window->Find<CTabLayoutUI>(L"pages")->SelectItem(1);
  const size_t cachedBefore = CRenderEngine::GetTintCacheBytes();
  struct Case {
    DWORD packed;
    int level;
    COLORREF centre;
  } cases[] = {{0x00FF00, 255, RGB(0, 0, 255)},
               {0x0000FF, 128, RGB(128, 0, 0)},
               {0xFF0000, 0, RGB(0, 0, 0)},
               {0x4080C0, 77, RGB(192 * 77 / 255, 64 * 77 / 255, 128 * 77 / 255)}};  // rounded down
  for (const Case& c : cases) {
    CControlUI* led = window->Find<CControlUI>(L"led_2");
    led->SetChangerColor(c.packed);
    led->SetChangerAlpha(c.level);
    RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    POINT centre = window->CentreOf(L"led_2");
    HDC dc = GetDC(window->GetHWND());
    EXPECT_EQ(GetPixel(dc, centre.x, centre.y), c.centre) << std::hex << c.packed;
    ReleaseDC(window->GetHWND(), dc);
  }
  EXPECT_EQ(CRenderEngine::GetTintCacheBytes(), cachedBefore) << "no tinted copies were made for the window";
  DestroyWindow(window->GetHWND());
  delete window;
}
