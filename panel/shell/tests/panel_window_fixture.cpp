#include "panel_window_fixture.h"

#include <utility>

#include "data_folders.h"
#include "diagnostics.h"
#include "lighting_state.h"
#include "mouse_state.h"
#include "panel_message.h"
#include "panel_settings.h"
#include "ui_resources.h"

bool PumpUntil(const std::function<bool()>& done, DWORD atMostMs) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (!done()) {
    if (GetTickCount() - start > atMostMs) return false;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
  }
  return true;
}

void PumpFor(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

void SetUpPanelUi() {
  static bool done = false;
  if (done) return;
  done = true;
  RegisterPanelMessage();
  CPaintManagerUI::SetInstance(GetModuleHandleW(nullptr));
  SetUpUiResources();
}

std::wstring ClearPanelSettings() {
  const std::wstring ini = MainIniPath(ProfileRootFolder(nullptr));
  DeleteFileW(ini.c_str());
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, kLanguageRegistryKey);
  return ini;
}

void PanelWindowTest::SetUp() {
  SetUpPanelUi();
  ResetLightingStates();
  ResetMouseState();
  ForgetReportedControlLookups();
  iniPath = ClearPanelSettings();
  window = new TestMainWnd;
}

void PanelWindowTest::OpenWindow() {
  ASSERT_NE(window->Create(nullptr, L"KARVO Driver",
                           WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU |
                               WS_MINIMIZEBOX,
                           0, 0, 0, 800, 572),
            nullptr);
  ASSERT_TRUE(PumpUntil([this] { return window->m_threadHandles[kWorkerThreadCount - 1] != nullptr; }, 10000))
      << "the start-up notification did not run";
  PumpFor(50);
}

void PanelWindowTest::RestartWindow() {
  DestroyWindow(window->GetHWND());
  PumpFor(20);
  ASSERT_TRUE(window->WorkerThreadsEnded());
  delete window;
  window = new TestMainWnd;
  OpenWindow();
}

void PanelWindowTest::TearDown() {
  WatchMessageBoxesWith(nullptr);
  if (IsWindow(window->GetHWND())) DestroyWindow(window->GetHWND());
  PumpFor(20);
  if (window->WorkerThreadsEnded()) delete window;
  CResourceManager::GetInstance()->SetLanguage(L"en");
  CResourceManager::GetInstance()->LoadLanguage(L"lan_en.xml");
  ClearPanelSettings();
}

namespace {
HWND clickTarget = nullptr;
CControlUI* clickControl = nullptr;

// Runs inside the box's modal loop, after its first paint has laid it out.
void CALLBACK ClickTimer(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (!IsWindow(clickTarget)) return;
  const RECT rc = clickControl->GetPos();
  const LPARAM at = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  PostMessageW(clickTarget, WM_MOUSEMOVE, 0, at);
  PostMessageW(clickTarget, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(clickTarget, WM_LBUTTONUP, 0, at);
}
}  // namespace

void ClickWhenShown(CMsgWnd& box, const wchar_t* controlName) {
  clickTarget = box.GetHWND();
  clickControl = box.FindControl(controlName);
  ASSERT_NE(clickControl, nullptr) << controlName;
  SetTimer(nullptr, 0, 100, ClickTimer);
}

void NotifyClick(CControlUI* control) {
  ASSERT_NE(control, nullptr);
  control->GetManager()->SendNotify(control, L"click");
}

namespace {
std::function<void()> modalAction;

void CALLBACK RunModalAction(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto act = std::move(modalAction);
  if (act) act();
}
}  // namespace

void ActInsideModalLoop(std::function<void()> act) {
  modalAction = std::move(act);
  SetTimer(nullptr, 0, 100, RunModalAction);
}
