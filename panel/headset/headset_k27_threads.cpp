// The K27 headset's worker threads: detection (presence of its HID interface) and lighting (the
// frame streamed as output reports). Each is the stop protocol around a pass of the K27 core.
#include "custom_controls.h"
#include "diagnostics.h"
#include "headset_k27_detection.h"
#include "headset_k27_light_output.h"
#include "headset_threads.h"
#include "lighting_tables.h"
#include "main_wnd.h"
#include "panel_message.h"
#include "stop_protocol.h"
#include "system_dialogs.h"

namespace {
constexpr DWORD kPresentPauseMs = 100;
constexpr DWORD kAbsentPauseMs = 1000;
constexpr DWORD kFailurePauseMs = 100;
constexpr DWORD kLightingStartPauseMs = 3000;
}  // namespace

unsigned __stdcall HeadsetK27DetectThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  HeadsetK27Detector detector(window.m_headsetK27Channel, window.m_headsetK27Connections);
  return RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        const HeadsetK27Detection detection = detector.RunPass();
        if (detection.event == HeadsetK27Detection::Event::EnumerationFailed) return WorkerPassResult::EndThread;
        if (detection.event == HeadsetK27Detection::Event::Found) ShowDeviceTabFromWorker(window, L"hsK27_tab");
        if (detection.firstFind) PostMessageW(window.GetHWND(), PanelRegisteredMessage, 0, 0);
        PauseUnlessStopped(param.stopEvent,
                           window.m_headsetK27Channel.IsConnected() ? kPresentPauseMs : kAbsentPauseMs);
        return WorkerPassResult::NextPass;
      },
      L"K27 detection ended");
}

// A stop that ends the pause before the step ends the pass: no frame goes out once the exit began.
void RunHeadsetK27LightingPass(CMainWnd& window, HANDLE stopEvent) {
  if (PauseBeforeEffectStep(stopEvent, EffectDelay(HeadsetK27Light.mode, HeadsetK27Light.speed))) return;
  if (!window.m_headsetK27Channel.IsConnected()) {
    PauseUntilConnected(stopEvent, window.m_headsetK27Channel.m_connected);
    return;
  }
  if (GenerateHeadsetK27Frame(HeadsetK27Light, window.m_headsetK27Leds)) window.OutputHeadsetK27LightFrame(stopEvent);
}

unsigned __stdcall HeadsetK27LightingThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  return RunWorkerLoop(
      param.stopEvent, kLightingStartPauseMs,
      [&] {
        RunHeadsetK27LightingPass(window, param.stopEvent);
        return WorkerPassResult::NextPass;
      },
      L"\u8033\u673a\u706f\u5149\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "headset lighting thread told to end"
}

// Shown on the lighting thread, once per connection: a headset that refuses every frame would
// otherwise stack a box per pass, and a box left open holds the thread past the exit's wait. A stop
// during the pause before it shows none.
void CMainWnd::OutputHeadsetK27LightFrame(HANDLE stopEvent) {
  for (size_t i = 0; i < HEADSET_K27_LED_COUNT; ++i) {
    CDeviceKeyButtonUI* button = m_headsetK27KeyButtons[i];
    const LedColor& led = m_headsetK27Leds[i];
    if (button && button->IsVisible())
      button->SetLightState(led.red | led.blue << 8 | led.green << 16, led.level, 1);
  }
  RepaintChangedPreviews(m_hWnd, m_headsetK27KeyButtons.data(), m_headsetK27KeyButtons.size());
  const HeadsetK27FrameOutcome outcome =
      SendHeadsetK27Frame(m_headsetK27Channel, m_headsetK27Connections, BuildHeadsetK27FrameReports(m_headsetK27Leds));
  if (outcome.result != HeadsetK27FrameOutcome::Result::FirstRefused) return;
  if (PauseUnlessStopped(stopEvent, kFailurePauseMs)) return;
  if (m_headsetK27WriteFailureNotice.ShouldShow(outcome.connection)) ProgramMessageBox(L"fail to write data");
}
