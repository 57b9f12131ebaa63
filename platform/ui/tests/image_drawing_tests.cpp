#include <gtest/gtest.h>

#include <string>

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

}  // namespace

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
