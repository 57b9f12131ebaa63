#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "device_window.h"
#include "test_files.h"

namespace {

// What the window shows at a point of its client area.
COLORREF WindowPixel(HWND window, long x, long y) {
  HDC dc = GetDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

// What the window shows in a rectangle of its client area, row by row.
std::vector<uint32_t> WindowPixels(HWND window, const RECT& rc) {
  DibCanvas canvas(rc.right - rc.left, rc.bottom - rc.top);
  HDC dc = GetDC(window);
  BitBlt(canvas.dc(), 0, 0, rc.right - rc.left, rc.bottom - rc.top, dc, rc.left, rc.top, SRCCOPY);
  ReleaseDC(window, dc);
  return canvas.Pixels();
}

size_t CountOf(const std::vector<uint32_t>& pixels, uint32_t rgb) {
  return std::count_if(pixels.begin(), pixels.end(), [rgb](uint32_t pixel) { return (pixel & 0xFFFFFF) == rgb; });
}

}  // namespace

// Drawn text is kept with the pixels it was drawn over: a label whose background, text or colour
// changes must show the change, never the kept result of before.
TEST(KeptText, LabelShowsItsNewBackgroundTextAndColour) {
  DemoWindow* window = OpenDeviceWindow();
  const HWND hwnd = window->GetHWND();
  auto* title = window->Find<CLabelUI>(L"title");
  const RECT area = title->GetPos();
  auto shown = [&] {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return WindowPixels(hwnd, area);
  };
  title->SetBkColor(0xFFFF0000);
  const std::vector<uint32_t> onRed = shown();
  ASSERT_GT(CountOf(onRed, 0xFF0000), 0u);
  title->SetBkColor(0xFF0000FF);
  const std::vector<uint32_t> onBlue = shown();
  EXPECT_EQ(CountOf(onBlue, 0xFF0000), 0u) << "nothing of the red background is copied back";
  EXPECT_EQ(CountOf(onBlue, 0x0000FF), CountOf(onRed, 0xFF0000)) << "the same text over blue";
  title->SetBkColor(0xFFFF0000);
  EXPECT_EQ(shown(), onRed) << "the same text over the same pixels looks the same";
  title->SetText(L"Other pages");
  EXPECT_NE(shown(), onRed);
  title->SetText(L"Device pages");
  title->SetTextColor(0xFF00FF00);
  const std::vector<uint32_t> green = shown();
  EXPECT_GT(CountOf(green, 0x00FF00), 0u) << "the text in its new colour";
  EXPECT_EQ(CountOf(green, 0xFFFFFF), 0u) << "nothing of the white text is copied back";
  DestroyWindow(hwnd);
  delete window;
}

// Stretched images are drawn once per size and kept: a key's image must follow the key's new size
// and a new skin folder, never show what was kept for the old ones.
TEST(ImageDrawing, StretchedImageFollowsTheControlsSizeAndTheSkinFolder) {
  DemoWindow* window = OpenDeviceWindow();
  const HWND hwnd = window->GetHWND();
  auto* key = window->Find<CControlUI>(L"key_0");
  const RECT before = key->GetPos();
  const long middle = (before.top + before.bottom) / 2;
  const COLORREF edge = WindowPixel(hwnd, before.right - 2, middle);

  key->SetFixedWidth(50);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const RECT wider = key->GetPos();
  ASSERT_EQ(wider.right - wider.left, 50);
  EXPECT_EQ(WindowPixel(hwnd, wider.right - 2, middle), edge) << "the right edge moved with the key";

  // Another skin folder whose key image is a plain translucent colour.
  TempFolder skin;
  ASSERT_TRUE(CreateDirectoryW((skin / L"images").c_str(), nullptr));
  const std::wstring demo = CPaintManagerUI::GetResourcePath().GetData();
  ASSERT_TRUE(CopyFileW((demo + L"images\\tab_normal.png").c_str(), (skin / L"images\\key.png").c_str(), FALSE));
  CPaintManagerUI::SetResourcePath(skin.path().c_str());
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_NE(WindowPixel(hwnd, wider.right - 2, middle), edge) << "the new folder's key image is drawn";
  CPaintManagerUI::SetResourcePath(demo.c_str());
  DestroyWindow(hwnd);
  delete window;
}
