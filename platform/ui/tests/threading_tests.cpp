#include <windows.h>

#include <atomic>

#include "demo_window_fixture.h"

namespace {

struct Toggler {
  DemoWindow* window;
  int rounds;
  std::atomic<int> done{0};
};

// Changes controls from a worker thread the way the panel's device threads do.
DWORD WINAPI ToggleControls(void* parameter) {
  auto* toggler = static_cast<Toggler*>(parameter);
  DemoWindow* window = toggler->window;
  auto* progress = window->Find<CProgressUI>(L"progress");
  auto* modeA = window->Find<COptionUI>(L"mode_a");
  auto* modeB = window->Find<COptionUI>(L"mode_b");
  auto* sound = window->Find<CCheckBoxUI>(L"check_sound");
  auto* pages = window->Find<CTabLayoutUI>(L"pages");
  for (int i = 0; i < toggler->rounds; ++i) {
    progress->SetVisible(i % 2 == 0);
    progress->SetValue(i % 100);
    (i % 2 ? modeA : modeB)->Selected(true);  // notifies on this thread
    sound->SetCheck(i % 3 == 0);
    window->Find<CControlUI>(L"heading")->SetText(i % 2 ? L"check_sound" : L"general_heading");
    if (i % 50 == 0) pages->SelectItem((i / 50) % 2);
    window->Find<CControlUI>(L"led_0")->SetChangerColor(static_cast<DWORD>(i) * 2654435761u);
  }
  toggler->done = 1;
  return 0;
}

}  // namespace

TEST_F(DemoWindowTest, WorkerChangesWhileTheWindowRepaints) {
  Toggler toggler{window, 4000};
  DWORD workerId = 0;
  HANDLE worker = CreateThread(nullptr, 0, ToggleControls, &toggler, 0, &workerId);
  ASSERT_NE(worker, nullptr);
  DWORD start = GetTickCount();
  int repaints = 0;
  // The window thread keeps painting and handling input until the worker is through.
  while (!toggler.done && GetTickCount() - start < 60000) {
    RedrawWindow(window->GetHWND(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    window->MoveTo(window->CentreOf(repaints % 2 ? L"mode_a" : L"apply"));
    ++repaints;
  }
  ASSERT_EQ(WaitForSingleObject(worker, 10000), WAIT_OBJECT_0) << "the worker is stuck";
  CloseHandle(worker);
  EXPECT_TRUE(toggler.done);
  EXPECT_GT(repaints, 0);

  auto log = window->Log();
  int fromWorker = 0;
  for (const auto& record : log)
    if (record.type == L"selectchanged" && record.thread == workerId) ++fromWorker;
  EXPECT_EQ(fromWorker, 4000) << "each selection change notified once, on the worker's thread";
  EXPECT_TRUE(IsWindow(window->GetHWND()));
}
