// The mouse's two worker threads: presence (on the detection engine) and the change reports of its
// hardware-sync interface. Each is the stop protocol around a pass. The detection pass holds the
// mouse channel's lock while it loads, reads back and shows the mouse, so it changes controls
// directly and never waits for the window thread.
#include "device_detection.h"
#include "hardware_sync_reader.h"
#include "main_wnd.h"
#include "mouse_identities.h"
#include "mouse_profile_page.h"
#include "mouse_profiles.h"
#include "mouse_state.h"
#include "mousepad_state.h"
#include "panel_message.h"
#include "timer_ids.h"
#include "window_messages.h"

namespace {

constexpr DWORD kPresentPauseMs = 100;
constexpr DWORD kAbsentPauseMs = 1000;
constexpr UINT kRepaintPeriodMs = 100;
constexpr uint16_t MOUSE_USAGE_SETTINGS_CHANGED = 0x401;
constexpr uint16_t MOUSE_USAGE_DEVICE_CHANGED = 0x402;
constexpr uint16_t MOUSE_USAGE_FLASH = 0x403;

void SelectTab(CMainWnd& window, const wchar_t* name) {
  SelectDeviceTabFromWorker(window, name);
  if (COptionUI* tab = window.Find<COptionUI>(name)) tab->SetFocus();
}

void ShowFoundMouse(CMainWnd& window) {
  CComboUI* combo = window.Find<CComboUI>(L"ms_device_profile_combo");
  const int selected = ReadMouseDeviceSelection(window.GetMouseProfileFolder(), combo ? combo->GetCount() : 0);
  window.LoadMouseDeviceProfile(selected);
  window.ReadMouseMemory();
  // Applied on this thread, the lock still held.
  ApplyMouseDeviceProfileAt(window, selected);
  window.RefreshMousePage();
  window.RelabelMouseKeys(0);
  ShowDeviceTabFromWorker(window, L"ms_tab");
  window.OnDeviceTabShown(window.GetHWND());
  SetTimer(window.GetHWND(), TIMER_REPAINT, kRepaintPeriodMs, nullptr);
}

void HideLostMouse(CMainWnd& window) {
  if (CControlUI* tab = window.Find(L"ms_tab")) tab->SetVisible(false);
  if (window.m_keyboardChannel.IsConnected()) {
    SelectTab(window, L"kb_tab");
    if (CControlUI* tab = window.Find(L"kb_tab")) tab->SetVisible(true);
  } else if (window.m_mousePadChannel.IsConnected()) {
    SelectTab(window, L"mp_tab");
  } else {
    ShowWindowAsync(window.GetHWND(), SW_HIDE);
  }
}

void ShowSameModeSwitch(CMainWnd& window) {
  const bool peers = window.m_keyboardChannel.IsConnected() || window.m_mousePadChannel.IsConnected();
  if (CControlUI* sameMode = window.Find(L"ms_deng_same_mode")) sameMode->SetVisible(peers);
}

}  // namespace

unsigned __stdcall MouseDetectThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  DeviceDetector detector(window.m_mouseChannel);
  const DetectionReactions reactions{[&] { ShowFoundMouse(window); }, [&] { HideLostMouse(window); },
                                     [&] { ShowSameModeSwitch(window); }};
  return RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        if (detector.RunPass(reactions).firstFind) PostMessageW(window.GetHWND(), PanelRegisteredMessage, 0, 0);
        PauseUnlessStopped(param.stopEvent, window.m_mouseChannel.IsConnected() ? kPresentPauseMs : kAbsentPauseMs);
        return WorkerPassResult::NextPass;
      },
      L"\u9f20\u6807\u8bbe\u5907\u4fa6\u6d4b\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "mouse detection thread told to end"
}

unsigned __stdcall MouseSyncReaderThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  // The thread's own reader: its device is closed when the thread ends, never by the exit under a read.
  HardwareSyncReader reader(kMouseIdentity.vendorId, kMouseIdentity.productId);
  return RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        // Sent, not posted: the next report is read only once the window has re-read the mouse.
        switch (reader.Step()) {
          case MOUSE_USAGE_SETTINGS_CHANGED: SendMessageW(window.GetHWND(), WM_MOUSE_SETTINGS_CHANGED, 0, 0); break;
          case MOUSE_USAGE_DEVICE_CHANGED: SendMessageW(window.GetHWND(), WM_MOUSE_DEVICE_CHANGED, 0, 0); break;
          case MOUSE_USAGE_FLASH:
            MousePadFlashRequest = 1;
            MouseFlashRequest = 1;
            break;
          default: break;
        }
        if (!reader.IsOpen()) PauseUnlessStopped(param.stopEvent, kAbsentPauseMs);
        return WorkerPassResult::NextPass;
      },
      L"\u9f20\u6807\u540c\u6b65\u7ebf\u7a0b\u8bbe\u5b9a\u6d4b\u8bd5\u9000\u51fa");  // "mouse sync thread told to end"
}
