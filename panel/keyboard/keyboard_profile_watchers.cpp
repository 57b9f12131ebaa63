// The keyboard's two foreground watchers, over the device list and the key list (the light list
// has none): the stop protocol's loop around the shared watcher pass.
#include "control_profile_list_view.h"
#include "foreground_profile_watcher.h"
#include "keyboard_profile_lists.h"
#include "main_wnd.h"

namespace {
unsigned WatchKeyboardList(void* parameter, const KeyboardProfileList& list, const wchar_t* exitLine) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  ControlProfileListView view(window, list.params);
  if (!MainWindowHandle || !view.HasCombo()) return 0;
  const std::wstring folder = window.GetKeyboardProfileFolder();
  ForegroundWatch watch;
  return RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        if (!MainWindowHandle) return WorkerPassResult::EndThread;
        return RunForegroundWatcherPass(list.params, folder, view, watch, param.stopEvent);
      },
      exitLine);
}
}  // namespace

unsigned __stdcall KeyboardDeviceProfileWatchThreadProc(void* parameter) {
  return WatchKeyboardList(parameter, KeyboardDeviceProfiles(),
                           L"\u952e\u76d8\u706f\u5149\u8fdb\u7a0b\u4fa6\u6d4b\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");
}

unsigned __stdcall KeyboardKeyProfileWatchThreadProc(void* parameter) {
  return WatchKeyboardList(parameter, KeyboardKeyProfiles(),
                           L"\u952e\u76d8\u6309\u952e\u8fdb\u7a0b\u4fa6\u6d4b\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");
}
