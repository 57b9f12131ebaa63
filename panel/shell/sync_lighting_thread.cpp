// The synchronised-lighting thread: one effect phase drives keyboard, mouse and mouse pad together
// while their channels' lighting-sync flags are set.
#include <iterator>
#include <utility>

#include "main_wnd.h"
#include "worker_threads.h"

namespace {
constexpr DWORD kIdlePassMs = 1000;  // nothing connected
// Nothing synchronised: the same-mode buttons start an effect within this time, and the thread
// does not wake at the effect's pace for nothing.
constexpr DWORD kNothingSyncedPauseMs = 100;
constexpr DWORD kKeyboardFramePauseMs = 30;
constexpr DWORD kShortPauseMs = 1;

bool IsSynced(const void* channel) {
  return static_cast<const DeviceCommandChannel*>(channel)->m_lightingSync.load() != 0;
}

// The steps by effect byte; other values run none.
constexpr void (CMainWnd::*kSyncSteps[])() = {&CMainWnd::StepSyncWaveEffect, &CMainWnd::StepSyncSpectrumEffect,
                                               &CMainWnd::StepSyncBreathingEffect, &CMainWnd::StepSyncStaticEffect};
}  // namespace

SyncLightTargets CMainWnd::SyncTargets() {
  return SyncLightTargets{{m_keyboardLeds, &m_keyboardChannel, IsSynced},
                          {m_mouseLeds, &m_mouseChannel, IsSynced},
                          {m_mousePadLeds, &m_mousePadChannel, IsSynced}};
}

void CMainWnd::StepSyncWaveEffect() { ::StepSyncWaveEffect(m_syncLightSettings, SyncTargets()); }
void CMainWnd::StepSyncSpectrumEffect() { ::StepSyncSpectrumEffect(m_syncLightSettings, SyncTargets()); }
void CMainWnd::StepSyncBreathingEffect() { ::StepSyncBreathingEffect(m_syncLightSettings, SyncTargets()); }
void CMainWnd::StepSyncStaticEffect() { ::StepSyncStaticEffect(m_syncLightSettings, SyncTargets()); }

WorkerPassResult RunSyncLightingPass(CMainWnd& wnd, HANDLE stopEvent) {
  constexpr auto next = WorkerPassResult::NextPass;
  if (PauseBeforeEffectStep(stopEvent, wnd.m_syncLightSettings.speed)) return next;
  const bool connected = wnd.m_keyboardChannel.IsConnected() || wnd.m_mouseChannel.IsConnected() ||
                         wnd.m_mousePadChannel.IsConnected();
  if (!connected) {
    PauseUnlessStopped(stopEvent, kIdlePassMs);
    return next;
  }
  const bool keyboardSynced = IsSynced(&wnd.m_keyboardChannel);
  if (!keyboardSynced && !IsSynced(&wnd.m_mouseChannel) && !IsSynced(&wnd.m_mousePadChannel)) {
    PauseUnlessStopped(stopEvent, kNothingSyncedPauseMs);
    return next;
  }

  const uint8_t effect = wnd.m_syncLightSettings.effect;
  if (effect < std::size(kSyncSteps)) (wnd.*kSyncSteps[effect])();
  // The keyboard's frame goes out with its frame timer, not from here. A device that is not
  // synchronised stands for a short pause instead of its frame; pauses that follow each other are
  // one wait.
  DWORD pauseMs = keyboardSynced ? kKeyboardFramePauseMs : kShortPauseMs;
  for (auto [channel, send] : {std::pair{&wnd.m_mouseChannel, &CMainWnd::SendMouseLedFrame},
                               std::pair{&wnd.m_mousePadChannel, &CMainWnd::SendMousePadLedFrame}}) {
    if (!IsSynced(channel)) {
      pauseMs += kShortPauseMs;
      continue;
    }
    if (pauseMs && PauseUnlessStopped(stopEvent, pauseMs)) return next;
    pauseMs = 0;
    (wnd.*send)();
  }
  if (pauseMs) PauseUnlessStopped(stopEvent, pauseMs);
  return next;
}

unsigned __stdcall SyncLightingThreadProc(void* parameter) {
  const auto& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& wnd = *param.owner;
  return RunWorkerLoop(
      param.stopEvent, 0, [&wnd, &param] { return RunSyncLightingPass(wnd, param.stopEvent); },
      L"\u540C\u6B65\u706F\u5149\u7EBF\u7A0B\u8BBE\u5B9A\u9000\u51FA");
}
