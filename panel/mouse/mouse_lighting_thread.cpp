// The mouse lighting thread: the stop protocol around the core's pass, with the window's frame
// sender. Its 3 s start is a wait on the stop event.
#include "main_wnd.h"
#include "mouse_lighting_pass.h"
#include "worker_threads.h"

namespace {
constexpr DWORD kLightingStartPauseMs = 3000;
}

unsigned __stdcall MouseLightingThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  MouseLightingPass pass(window.m_mouseChannel, window.m_mouseLeds, [&window] { window.SendMouseLedFrame(); });
  return RunWorkerLoop(
      param.stopEvent, kLightingStartPauseMs, [&] { return pass.Run(param.stopEvent); },
      L"\u9f20\u6807\u706f\u5149\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "mouse lighting thread told to end"
}
