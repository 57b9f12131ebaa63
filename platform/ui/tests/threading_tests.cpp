#include <windows.h>

#include <atomic>
#include <string>

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
  auto* combo = window->Find<CComboUI>(L"combo_mode");
  for (int i = 0; i < toggler->rounds; ++i) {
    progress->SetVisible(i % 2 == 0);
    progress->SetValue(i % 100);
    (i % 2 ? modeA : modeB)->Selected(true);  // notifies on this thread
    sound->SetCheck(i % 3 == 0);
    window->Find<CControlUI>(L"heading")->SetText(i % 2 ? L"check_sound" : L"general_heading");
    if (i % 50 == 0) pages->SelectItem((i / 50) % 2);
    window->Find<CControlUI>(L"led_0")->SetChangerColor(static_cast<DWORD>(i) * 2654435761u);
    combo->SelectItem(i % 5);  // notifies on this thread
    window->Find<CSliderUI>(L"slider_speed")->SetValue(i % 100);
    window->Find<CEditUI>(L"edit_name")->SetText(i % 2 ? L"one" : L"two");
    window->Find<CColorPaletteUI>(L"palette")->SetSelectColor(0xFF000000 | static_cast<DWORD>(i));
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
  int fromWorker = 0, comboFromWorker = 0, silentOnes = 0;
  for (const auto& record : log) {
    if (record.type == L"selectchanged" && record.thread == workerId) ++fromWorker;
    if (record.type == L"itemselect" && record.thread == workerId) ++comboFromWorker;
    if (record.type == L"valuechanged" || record.type == L"textchanged" || record.type == L"colorchanged") ++silentOnes;
  }
  EXPECT_EQ(fromWorker, 4000) << "each selection change notified once, on the worker's thread";
  EXPECT_EQ(comboFromWorker, 4000);
  EXPECT_EQ(silentOnes, 0) << "SetValue, SetText and SetSelectColor raise nothing";
  EXPECT_TRUE(IsWindow(window->GetHWND()));
}

namespace {

struct ComboSelector {
  CComboUI* combo;
  int row;
};

DWORD WINAPI SelectComboRowTakingTheFocus(void* parameter) {
  auto* selector = static_cast<ComboSelector*>(parameter);
  selector->combo->SelectItem(selector->row, true);
  return 0;
}

}  // namespace

// The handlers of "killfocus" and "setfocus" show message boxes: they must never run on a worker.
TEST_F(DemoWindowTest, FocusMovedByAWorkerChangesOnTheWindowThread) {
  window->Click(L"tab_controls");
  UpdateWindow(window->GetHWND());
  window->Click(L"edit_name");
  window->ClearLog();
  ComboSelector selector{window->Find<CComboUI>(L"combo_mode"), 3};
  DWORD workerId = 0;
  HANDLE worker = CreateThread(nullptr, 0, SelectComboRowTakingTheFocus, &selector, 0, &workerId);
  ASSERT_NE(worker, nullptr);
  ASSERT_EQ(WaitForSingleObject(worker, 10000), WAIT_OBJECT_0) << "the worker waited for the window thread";
  CloseHandle(worker);
  PumpMessages();
  std::vector<std::wstring> lines;
  for (const auto& record : window->Log()) {
    if (record.type != L"itemselect" && record.type != L"killfocus" && record.type != L"setfocus") continue;
    bool onWorker = record.thread == workerId;
    EXPECT_EQ(onWorker, record.type == L"itemselect") << record.type;
    lines.push_back(record.type + L":" + record.sender);
  }
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"itemselect:combo_mode", L"killfocus:edit_name", L"setfocus:combo_mode"}));
  EXPECT_EQ(window->Manager().GetFocus(), window->Find<CControlUI>(L"combo_mode"));
}
