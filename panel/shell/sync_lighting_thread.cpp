// The synchronised-lighting thread: one effect phase drives keyboard, mouse and mouse pad together
// while their channels' lighting-sync flags are set.
#include "diagnostics.h"
#include "main_wnd.h"
#include "worker_threads.h"

namespace {
constexpr DWORD kIdlePassMs = 1000;  // nothing connected
constexpr DWORD kKeyboardFramePauseMs = 30;
constexpr DWORD kShortPauseMs = 1;

bool IsSynced(const void* channel) {
  return static_cast<const DeviceCommandChannel*>(channel)->m_lightingSync.load() != 0;
}
}  // namespace

bool RunSyncLightingPass(CMainWnd& wnd, const WorkerThreadParam& param) {
  if (PauseUnlessStopped(param, wnd.m_syncLightSettings.speed)) return false;
  const bool connected = wnd.m_keyboardChannel.IsConnected() || wnd.m_mouseChannel.IsConnected() ||
                         wnd.m_mousePadChannel.IsConnected();
  if (!connected) return !PauseUnlessStopped(param, kIdlePassMs);
  const bool keyboardSynced = IsSynced(&wnd.m_keyboardChannel);
  const bool mouseSynced = IsSynced(&wnd.m_mouseChannel);
  const bool mousePadSynced = IsSynced(&wnd.m_mousePadChannel);
  if (!keyboardSynced && !mouseSynced && !mousePadSynced) return true;

  StepSyncLightEffect(wnd.m_syncLightSettings, wnd.SyncTargets());
  // The keyboard's frame goes out with its frame timer, not from here.
  if (PauseUnlessStopped(param, keyboardSynced ? kKeyboardFramePauseMs : kShortPauseMs)) return false;
  if (IsSynced(&wnd.m_mouseChannel)) wnd.SendMouseLedFrame();
  else if (PauseUnlessStopped(param, kShortPauseMs)) return false;
  if (IsSynced(&wnd.m_mousePadChannel)) wnd.SendMousePadLedFrame();
  else if (PauseUnlessStopped(param, kShortPauseMs)) return false;
  return true;
}

SyncLightTargets CMainWnd::SyncTargets() {
  return SyncLightTargets{{m_keyboardLeds, &m_keyboardChannel, IsSynced},
                          {m_mouseLeds, &m_mouseChannel, IsSynced},
                          {m_mousePadLeds, &m_mousePadChannel, IsSynced}};
}

unsigned __stdcall SyncLightingThreadProc(void* parameter) {
  const auto& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& wnd = *param.owner;
  while (!StopRequested(param) && RunSyncLightingPass(wnd, param)) {
  }
  DebugLine(L"\u540C\u6B65\u706F\u5149\u7EBF\u7A0B\u8BBE\u5B9A\u9000\u51FA");
  return 0;
}
