// The keyboard's two worker threads: presence (detection) and the change reports of its
// hardware-sync interface. Each is the stop protocol around a pass of the keyboard core; what a
// pass found is carried out here, on the worker thread, without the channel's lock and without
// waiting for the window thread.
#include "keyboard_detection.h"
#include "keyboard_page_state.h"
#include "keyboard_profile_page.h"
#include "keyboard_sync_reader.h"
#include "main_wnd.h"
#include "panel_message.h"
#include "timer_ids.h"
#include "window_messages.h"

namespace {

constexpr DWORD kPresentPauseMs = 100;
constexpr DWORD kAbsentPauseMs = 1000;
constexpr UINT kFirstFramePeriodMs = 20;
constexpr UINT kRepaintPeriodMs = 100;

void ShowFoundKeyboard(CMainWnd& window, const KeyboardDetection& found) {
  ShowDeviceTabFromWorker(window, L"kb_tab");
  // The box of a refused read-back is modal: the window thread shows it, so that this thread goes
  // on watching the keyboard.
  if (found.readBack == KeyboardReadResult::TooManySlots)
    PostMessageW(window.GetHWND(), WM_KEYBOARD_READ_REFUSED, 0, 0);
  ApplyKeyboardDeviceProfileAt(window, found.profileIndex);
  window.RefreshKeyboardLightPage();
  SetTimer(window.GetHWND(), TIMER_KEYBOARD_LED_FRAME, kFirstFramePeriodMs, nullptr);
  SetTimer(window.GetHWND(), TIMER_REPAINT, kRepaintPeriodMs, nullptr);
  if (found.firstFind) PostMessageW(window.GetHWND(), PanelRegisteredMessage, 0, 0);
}

void HideLostKeyboard(CMainWnd& window, const KeyboardDetection& lost) {
  if (CControlUI* tab = window.Find(L"kb_tab")) tab->SetVisible(false);
  switch (lost.afterLoss) {
    case KeyboardDetection::AfterLoss::SelectMouseTab: SelectDeviceTabFromWorker(window, L"ms_tab"); break;
    case KeyboardDetection::AfterLoss::SelectMousePadTab: SelectDeviceTabFromWorker(window, L"mp_tab"); break;
    case KeyboardDetection::AfterLoss::HideWindow: ShowWindowAsync(window.GetHWND(), SW_HIDE); break;
  }
}

void CarryOut(CMainWnd& window, const KeyboardDetection& detection) {
  switch (detection.event) {
    case KeyboardDetection::Event::Found: ShowFoundKeyboard(window, detection); break;
    case KeyboardDetection::Event::Lost: HideLostKeyboard(window, detection); break;
    case KeyboardDetection::Event::StillThere:
      if (CControlUI* check = window.Find(L"kb_deng_same_mode")) check->SetVisible(detection.sameModeVisible);
      break;
    case KeyboardDetection::Event::None: break;
  }
}

}  // namespace

unsigned __stdcall KeyboardDetectThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  KeyboardDetector detector(window.m_keyboardChannel, KeyboardPageState(), window.GetKeyboardProfileFolder());
  return RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        CarryOut(window, detector.RunPass(window.m_mouseChannel.IsConnected(), window.m_mousePadChannel.IsConnected()));
        PauseUnlessStopped(param.stopEvent, window.m_keyboardChannel.IsConnected() ? kPresentPauseMs : kAbsentPauseMs);
        return WorkerPassResult::NextPass;
      },
      L"\u952e\u76d8\u8bbe\u5907\u4fa6\u6d4b\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "keyboard detection thread told to end"
}

unsigned __stdcall KeyboardSyncReaderThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  KeyboardSyncReader reader;
  const unsigned result = RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        // Sent, not posted: the next report is read only once the window has re-read the keyboard.
        switch (reader.Step()) {
          case KeyboardChange::DeviceChanged: SendMessageW(window.GetHWND(), WM_KEYBOARD_DEVICE_CHANGED, 0, 0); break;
          case KeyboardChange::SettingsChanged: SendMessageW(window.GetHWND(), WM_KEYBOARD_SETTINGS_CHANGED, 0, 0); break;
          case KeyboardChange::None: break;
        }
        if (!reader.IsOpen()) PauseUnlessStopped(param.stopEvent, kAbsentPauseMs);
        return WorkerPassResult::NextPass;
      },
      L"\u952e\u76d8\u540c\u6b65\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "keyboard sync thread told to end"
  reader.CloseKeyboardSyncReaderDevice();
  return result;
}
