// The mouse pad's worker threads: presence (on the detection engine) and lighting. Each is the stop
// protocol around a pass. The detection pass holds the pad channel's lock while it reads the pad,
// loads its light profile and shows it, so it changes controls directly and never waits for the
// window thread.
#include <mutex>

#include "device_detection.h"
#include "main_wnd.h"
#include "mousepad_lighting_pass.h"
#include "mousepad_page_state.h"
#include "named_profile_list.h"
#include "panel_message.h"
#include "timer_ids.h"
#include "worker_threads.h"

namespace {

constexpr DWORD kPresentPauseMs = 100;
constexpr DWORD kAbsentPauseMs = 1000;
constexpr UINT kRepaintPeriodMs = 100;
// The effects start once the window has settled.
constexpr DWORD kLightingStartPauseMs = 3000;

void ShowFoundPad(CMainWnd& window) {
  ShowDeviceTabFromWorker(window, L"mp_tab");
  window.ReadMousePadMemory();
  CComboUI* combo = window.Find<CComboUI>(L"mp_deng_profile_combo");
  const int selected = SavedProfileIndex(window.GetMousePadProfileFolder() + L"mpProfile.ini", L"PROFILEDENGSELECT",
                                         combo ? combo->GetCount() : 0);
  // Runs the light list's selection on this thread, the lock still held.
  if (combo) combo->SelectItem(selected, false);
  {
    // Seen once its light profile is loaded: a memory read that waited for this pass must not put
    // the factory block over it.
    MousePadState& state = MousePadPageState();
    std::lock_guard<StateLock> hold(state.lock);
    window.LoadMousePadLightProfile(selected);
    state.MousePadSeen = 1;
  }
  window.RefreshMousePadLightPage();
  window.OnDeviceTabShown(window.GetHWND());
  SetTimer(window.GetHWND(), TIMER_REPAINT, kRepaintPeriodMs, nullptr);
}

void HideLostPad(CMainWnd& window) {
  MousePadPageState().MousePadSeen = 1;
  if (CControlUI* tab = window.Find(L"mp_tab")) tab->SetVisible(false);
  if (window.m_keyboardChannel.IsConnected()) {
    SelectDeviceTabFromWorker(window, L"kb_tab");
  } else if (window.m_mouseChannel.IsConnected()) {
    SelectDeviceTabFromWorker(window, L"ms_tab");
  } else {
    ShowWindowAsync(window.GetHWND(), SW_HIDE);
  }
}

void ShowSameModeButton(CMainWnd& window) {
  MousePadPageState().MousePadSeen = 1;
  const bool peers = window.m_keyboardChannel.IsConnected() || window.m_mouseChannel.IsConnected();
  if (CControlUI* sameMode = window.Find(L"mp_deng_same_mode")) sameMode->SetVisible(peers);
}

}  // namespace

unsigned __stdcall MousePadDetectThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  DeviceDetector detector(window.m_mousePadChannel);
  const DetectionReactions reactions{[&] { ShowFoundPad(window); }, [&] { HideLostPad(window); },
                                     [&] { ShowSameModeButton(window); }};
  return RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        if (detector.RunPass(reactions).firstFind) PostMessageW(window.GetHWND(), PanelRegisteredMessage, 0, 0);
        PauseUnlessStopped(param.stopEvent,
                           window.m_mousePadChannel.IsConnected() ? kPresentPauseMs : kAbsentPauseMs);
        return WorkerPassResult::NextPass;
      },
      L"\u9f20\u6807\u57ab\u8bbe\u5907\u4fa6\u6d4b\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "mouse pad detection thread told to end"
}

unsigned __stdcall MousePadLightingThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  MousePadLightingTargets targets{window.m_mousePadChannel, MousePadPageState().live, window.m_mousePadLeds,
                                  MousePadFlashRequest, [&window] { window.SendMousePadLedFrame(); }};
  return RunWorkerLoop(
      param.stopEvent, kLightingStartPauseMs,
      [&] {
        RunMousePadLightingPass(param.stopEvent, targets);
        return WorkerPassResult::NextPass;
      },
      L"\u9f20\u6807\u57ab\u706f\u5149\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "mouse pad lighting thread told to end"
}
