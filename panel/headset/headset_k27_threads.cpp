// The K27 headset's worker threads: detection (presence of its HID interface) and lighting (the
// frame streamed as output reports). Each is the stop protocol around a pass of the K27 core.
#include "diagnostics.h"
#include "headset_k27_detection.h"
#include "headset_k27_light_output.h"
#include "main_wnd.h"
#include "panel_message.h"
#include "system_dialogs.h"

namespace {
constexpr DWORD kPresentPauseMs = 100;
constexpr DWORD kAbsentPauseMs = 1000;

void ShowFoundHeadset(CMainWnd& window) {
  if (CControlUI* tab = window.Find(L"hsK27_tab")) tab->SetVisible(true);
  if (COptionUI* tab = window.Find<COptionUI>(L"hsK27_tab")) tab->Selected(true, true);
}
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
        if (detection.event == HeadsetK27Detection::Event::Found) ShowFoundHeadset(window);
        if (detection.firstFind) PostMessageW(window.GetHWND(), PanelRegisteredMessage, 0, 0);
        PauseUnlessStopped(param.stopEvent,
                           window.m_headsetK27Channel.IsConnected() ? kPresentPauseMs : kAbsentPauseMs);
        return WorkerPassResult::NextPass;
      },
      L"K27 detection ended");
}
