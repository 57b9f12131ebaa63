// The first headset's two worker threads: presence through the audio control library (thread 15)
// and its lighting (thread 16). Each is the stop protocol around a pass that tests call directly.
#include <mutex>

#include "audio_control_library.h"
#include "custom_controls.h"
#include "diagnostics.h"
#include "headset_detection.h"
#include "headset_light_generators.h"
#include "headset_light_registers.h"
#include "headset_page.h"
#include "headset_threads.h"
#include "lighting_tables.h"
#include "main_wnd.h"
#include "named_profile_list.h"
#include "panel_message.h"
#include "stop_protocol.h"
#include "window_messages.h"

namespace {
constexpr DWORD kDetectionPauseMs = 10;
constexpr DWORD kAnimatedModePauseMs = 10;
constexpr DWORD kLightingStartupPauseMs = 3000;

const wchar_t* const kTakeOverTabs[] = {L"kb_tab", L"ms_tab", L"mp_tab"};

OtherDevicesConnected OtherDevices(CMainWnd& window) {
  return {window.m_keyboardChannel.IsConnected() != 0, window.m_mouseChannel.IsConnected() != 0,
          window.m_mousePadChannel.IsConnected() != 0};
}

void ShowArrivedHeadset(CMainWnd& window, const HeadsetDetection& found) {
  {
    std::lock_guard<std::recursive_mutex> guard(window.m_uiLock);
    auto* tab = window.Find<COptionUI>(L"hs_tab");
    if (tab) tab->SetVisible(true);
    if (tab && found.selectTab) tab->Selected(true, true);
    window.OnDeviceTabShown(window.GetHWND());
  }
  DebugLine(L"end link headset device");
  // Selecting the saved row runs the profile selection on this thread; the row already selected
  // raises nothing, so a headset that returns to the same profile is not sent it again.
  if (auto* combo = window.Find<CComboUI>(L"hs_device_profile_combo"))
    combo->SelectItem(SavedProfileIndex(HeadsetProfileIndexPath(window), L"PROFILESELECT", combo->GetCount()), false);
}

void HideLostHeadset(CMainWnd& window) {
  std::lock_guard<std::recursive_mutex> guard(window.m_uiLock);
  auto* tab = window.Find<COptionUI>(L"hs_tab");
  const bool tabSelected = tab && tab->IsSelected();
  if (tab) tab->SetVisible(false);
  const HeadsetLossTakeOver takeOver = DecideHeadsetLossTakeOver(tabSelected, OtherDevices(window));
  for (DeviceTab next : takeOver.tabs) {
    auto* other = window.Find<COptionUI>(kTakeOverTabs[static_cast<int>(next)]);
    if (!other) continue;
    other->Selected(true, true);
    other->SetFocus();
    other->SetVisible(true);
  }
  if (takeOver.lastDeviceLost) PostMessageW(window.GetHWND(), WM_LAST_DEVICE_LOST, 0, 0);
}

void CarryOut(CMainWnd& window, const HeadsetDetection& detection) {
  switch (detection.event) {
    case HeadsetDetection::Event::Arrived: ShowArrivedHeadset(window, detection); break;
    case HeadsetDetection::Event::Lost: HideLostHeadset(window); break;
    case HeadsetDetection::Event::StillThere:
      if (CControlUI* check = window.Find(L"hs_deng_same_mode")) check->SetVisible(detection.sameModeVisible);
      break;
    case HeadsetDetection::Event::None: break;
  }
  if (detection.announce) {
    std::lock_guard<std::recursive_mutex> guard(window.m_uiLock);
    PostMessageW(window.GetHWND(), PanelRegisteredMessage, 0, 0);
  }
}
}  // namespace

void RunHeadsetDetectionPass(CMainWnd& window, HeadsetDetector& detector) {
  CarryOut(window, detector.RunPass(OtherDevices(window)));
}

void RunHeadsetLightingPass(CMainWnd& window, HANDLE stopEvent) {
  HeadsetLightSettings& light = HeadsetLight;
  const uint8_t mode = HeadsetMode(light);
  // Wave and breathing pause once more before their step; the two pauses are one wait.
  const DWORD stepPauseMs = mode == 0 || mode == 2 ? kAnimatedModePauseMs : 0;
  if (PauseBeforeEffectStep(stopEvent, EffectDelay(mode, light.speed), stepPauseMs)) return;
  if (!window.m_headsetChannel.IsConnected()) {
    PauseUntilConnected(stopEvent, window.m_headsetChannel.m_connected);
    return;
  }
  LedColor* leds = window.m_headsetLeds;
  switch (mode) {
    case 0: GenerateHeadsetWaveFrame(kFirstHeadsetLighting, light, leds, HEADSET_LED_COUNT); break;
    case 1: GenerateHeadsetSpectrumFrame(kFirstHeadsetLighting, light, leds, HEADSET_LED_COUNT); break;
    case 2: GenerateHeadsetBreathFrame(kFirstHeadsetLighting, light, leds, HEADSET_LED_COUNT); break;
    default: GenerateHeadsetStaticFrame(light, leds, HEADSET_LED_COUNT); break;
  }
  window.OutputHeadsetLightFrame();
}

void CMainWnd::OutputHeadsetLightFrame() {
  for (size_t i = 0; i < HEADSET_LED_COUNT; ++i) {
    CDeviceKeyButtonUI* button = m_headsetKeyButtons[i];
    const LedColor& led = m_headsetLeds[i];
    if (button && button->IsVisible()) button->SetLightState(led.red | led.blue << 8 | led.green << 16, led.level, 1);
  }
  RepaintChangedPreviews(m_hWnd, m_headsetKeyButtons.data(), m_headsetKeyButtons.size());
  OutputHeadsetLight(AudioControlLibrary(), HeadsetLight, m_headsetLeds[0], m_headsetChannel.IsConnected() != 0,
                     m_headsetHardwareEffect != 0, m_headsetLightDirty);
}

unsigned __stdcall HeadsetDetectThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  HeadsetDetector detector(AudioControlLibrary(), window.m_headsetChannel);
  return RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        RunHeadsetDetectionPass(window, detector);
        PauseUnlessStopped(param.stopEvent, kDetectionPauseMs);
        return WorkerPassResult::NextPass;
      },
      L"\u8033\u673a\u8bbe\u5907\u76d1\u542c\u7ebf\u7a0b\u9000\u51fa");  // "headset detection thread ends"
}

unsigned __stdcall HeadsetLightingThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  return RunWorkerLoop(
      param.stopEvent, kLightingStartupPauseMs,
      [&] {
        RunHeadsetLightingPass(window, param.stopEvent);
        return WorkerPassResult::NextPass;
      },
      L"\u8033\u673a\u706f\u5149\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "headset lighting thread told to end"
}
