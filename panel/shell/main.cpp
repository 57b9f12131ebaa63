// The control panel's entry: one instance per desktop, living in the notification area.
#include <windows.h>
#include <objbase.h>
#include <ole2.h>

#include <new>

#include "diagnostics.h"
#include "main_wnd.h"
#include "message_loop_hook.h"
#include "panel_message.h"
#include "ui_resources.h"

namespace {
const wchar_t* const kInstanceMutexName = L"VUVARAZURARU";
constexpr DWORD kMainWindowStyle =
    WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// The running panel brings its window forward, or says that no device is connected.
void WakeRunningInstance() {
  DWORD recipients = BSM_APPLICATIONS;
  BroadcastSystemMessageW(BSF_POSTMESSAGE, &recipients, PanelRegisteredMessage, 0, 0);
}

void (*beforeMessageLoop)() = nullptr;

void ReleaseProcessResources(HANDLE instanceMutex) {
  CResourceManager::GetInstance()->Release();
  OleUninitialize();
  CoUninitialize();
  if (instanceMutex) CloseHandle(instanceMutex);
}
}  // namespace

void RunBeforeMessageLoop(void (*work)()) { beforeMessageLoop = work; }

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (FAILED(CoInitialize(nullptr))) return 0;
  OleInitialize(nullptr);
  DebugPrintf(L"\u8F6F\u4EF6\u6807\u793A\uFF1A%d", RegisterPanelMessage());

  HANDLE instanceMutex = CreateMutexW(nullptr, TRUE, kInstanceMutexName);
  if (instanceMutex && GetLastError() == ERROR_ALREADY_EXISTS) {
    WakeRunningInstance();
    return 0;
  }

  CPaintManagerUI::SetInstance(instance);
  SetUpUiResources();

  auto* window = new (std::nothrow) CMainWnd;
  if (!window) return 0;
  if (!window->Create(nullptr, L"KARVO Driver", kMainWindowStyle, 0, 0, 0, 800, 572)) {
    DebugPrintf(L"the main window could not be created (%lu)", GetLastError());
    delete window;
    ReleaseProcessResources(instanceMutex);
    return 0;
  }
  window->CenterWindow();
  if (beforeMessageLoop) beforeMessageLoop();
  CPaintManagerUI::MessageLoop();

  // A worker thread that did not stop in time may still use the window and the library.
  if (!window->WorkerThreadsEnded()) return 0;
  delete window;
  ReleaseProcessResources(instanceMutex);
  return 0;
}
