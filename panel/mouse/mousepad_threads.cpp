// The mouse pad's worker threads: each is the stop protocol around a pass of the pad's core.
#include "main_wnd.h"
#include "mousepad_lighting_pass.h"
#include "mousepad_page_state.h"
#include "worker_threads.h"

namespace {
// The effects start once the window has settled.
constexpr DWORD kLightingStartPauseMs = 3000;
}  // namespace

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
