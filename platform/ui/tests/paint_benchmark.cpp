// Prints how long the demo layout takes to build and the 800 x 572 window to repaint in full.
#include <gtest/gtest.h>

#include <cstdio>

#include "demo_window.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct PageBuilder : IDialogBuilderCallback {
  CPaintManagerUI* manager = nullptr;
  CControlUI* CreateControl(LPCTSTR tag) override {
    if (std::wstring(tag) == L"LightsPage") return CDialogBuilder().Create(L"XML_LIGHTS", nullptr, manager);
    return nullptr;
  }
};

}  // namespace

TEST(PaintBenchmark, BuildAndFullRepaint) {
  UseDemoSkin();
  const int builds = 50;
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int i = 0; i < builds; ++i) {
    CPaintManagerUI manager;
    PageBuilder pages;
    pages.manager = &manager;
    CControlUI* root = CDialogBuilder().Create(L"XML_DEMO", &pages, &manager);
    ASSERT_NE(root, nullptr);
    manager.AttachDialog(root);
  }
  QueryPerformanceCounter(&end);
  std::printf("layout build (demo, 800x572): %.3f ms\n", Milliseconds(start, end) / builds);

  auto* window = new DemoWindow;
  window->Open();
  const int repaints = 300;
  for (int page = 0; page < 2; ++page) {
    window->Find<CTabLayoutUI>(L"pages")->SelectItem(page);
    RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < repaints; ++i) {
      window->Find<CControlUI>(L"led_0")->SetChangerColor(static_cast<DWORD>(i) * 40503u);
      RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    QueryPerformanceCounter(&end);
    std::printf("full repaint of the window, page %d (800x572): %.3f ms\n", page, Milliseconds(start, end) / repaints);
  }
  QueryPerformanceCounter(&start);
  for (int i = 0; i < repaints; ++i) {
    window->Manager().NeedUpdate();
    RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  QueryPerformanceCounter(&end);
  std::printf("full relayout and repaint (800x572): %.3f ms\n", Milliseconds(start, end) / repaints);
  DestroyWindow(window->GetHWND());
  delete window;
}
