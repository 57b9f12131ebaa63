// The mouse's two profile watchers: the device list follows the program in front through the
// shared watcher pass; the key list's watcher runs and stops alike but selects nothing, its links
// being stored and shown only. Neither touches its own stop event.
#include "control_profile_list_view.h"
#include "foreground_profile_watcher.h"
#include "main_wnd.h"
#include "mouse_profile_lists.h"

namespace {
constexpr DWORD kBetweenPassesMs = 2000;

unsigned WatchMouseList(void* parameter, MouseProfileKind kind, bool followsForeground, const wchar_t* exitLine) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  const NamedProfileListParams& params = MouseProfileListParams(kind);
  ControlProfileListView view(window, params);
  const bool hasCombo = view.HasCombo();
  const std::wstring folder = window.GetMouseProfileFolder();
  ForegroundWatch watch;
  return RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        if (!MainWindowHandle || !hasCombo) return WorkerPassResult::EndThread;
        if (followsForeground) return RunForegroundWatcherPass(params, folder, view, watch, param.stopEvent);
        PauseUnlessStopped(param.stopEvent, kBetweenPassesMs);
        return WorkerPassResult::NextPass;
      },
      exitLine);
}
}  // namespace

unsigned __stdcall MouseDeviceProfileWatchThreadProc(void* parameter) {
  return WatchMouseList(parameter, MouseProfileKind::Device, true,
                        L"\u9f20\u6807\u706f\u5149\u8fdb\u7a0b\u4fa6\u6d4b\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");
}

unsigned __stdcall MouseKeyProfileWatchThreadProc(void* parameter) {
  return WatchMouseList(parameter, MouseProfileKind::Key, false,
                        L"\u9f20\u6807\u6309\u952e\u8fdb\u7a0b\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");
}
