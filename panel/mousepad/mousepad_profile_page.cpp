// The mouse pad's light profile list as page operations, and its foreground watcher: each method
// runs one operation of the shared list on the list's controls. Selecting or resetting a profile
// changes the pad's working lighting and its page; nothing is sent to the pad.
#include "control_profile_list_view.h"
#include "foreground_profile_watcher.h"
#include "main_wnd.h"
#include "mousepad_light_profile.h"
#include "mousepad_light_profile_list.h"
#include "mousepad_page_state.h"
#include "program_folder.h"
#include "worker_threads.h"

namespace {

NamedProfileListHooks HooksOf(CMainWnd& window) {
  NamedProfileListHooks hooks;
  hooks.factoryFile = [] { return ProgramFolder() + MOUSEPAD_FACTORY_FILE; };
  hooks.apply = [&window](int index) {
    window.LoadMousePadLightProfile(index);
    window.RefreshMousePadLightPage();
    window.m_mousePadDirty = 1;
  };
  hooks.reset = [&window](const std::vector<uint8_t>& payload) {
    TakeMousePadFactoryStart(MousePadPageState(), payload.data());
    window.SaveMousePadLightProfile();
    window.RefreshMousePadLightPage();
    window.m_mousePadDirty = 1;
  };
  return hooks;
}

template <class Operation>
auto OnMousePadList(CMainWnd& window, Operation operation) {
  const NamedProfileListParams& params = MousePadLightProfileList();
  ControlProfileListView view(window, params);
  const NamedProfileListHooks hooks = HooksOf(window);
  NamedProfileList list(params, hooks, window.GetMousePadProfileFolder(), view);
  return operation(list, view);
}

void Run(CMainWnd& window, void (NamedProfileList::*operation)()) {
  OnMousePadList(window, [operation](NamedProfileList& list, ProfileListView&) { (list.*operation)(); });
}

}  // namespace

void CMainWnd::InitMousePadPage() {
  OnMousePadList(*this, [](NamedProfileList& list, ProfileListView&) { return list.Fill(); });
}

void CMainWnd::AddMousePadLightProfile() { Run(*this, &NamedProfileList::Add); }
void CMainWnd::DeleteMousePadLightProfile() { Run(*this, &NamedProfileList::Delete); }
void CMainWnd::CopyMousePadLightProfile() { Run(*this, &NamedProfileList::Copy); }
void CMainWnd::ImportMousePadLightProfile() { Run(*this, &NamedProfileList::Import); }
void CMainWnd::ExportMousePadLightProfile() { Run(*this, &NamedProfileList::Export); }
void CMainWnd::SelectMousePadLightProfile() { Run(*this, &NamedProfileList::Select); }
void CMainWnd::ResetMousePadLightProfile() { Run(*this, &NamedProfileList::Reset); }
void CMainWnd::ToggleMousePadLightProfileLink() { Run(*this, &NamedProfileList::ToggleLink); }
void CMainWnd::BrowseMousePadLightProfileLink() { Run(*this, &NamedProfileList::BrowseLink); }
void CMainWnd::CancelMousePadLightProfileLink() { Run(*this, &NamedProfileList::CancelLink); }

// Saves follow the profile last loaded; when that one is renamed they follow its new name, so no
// save brings the old file back.
void CMainWnd::RenameMousePadLightProfile() {
  OnMousePadList(*this, [](NamedProfileList& list, ProfileListView& view) {
    const int selected = view.SelectedIndex();
    const std::wstring before = selected >= 0 ? view.ItemName(selected) : std::wstring();
    list.Rename();
    const std::wstring after = selected >= 0 ? view.ItemName(selected) : std::wstring();
    if (after != before && SameTextIgnoringCase(LastLoadedMousePadProfile(), before))
      SetLastLoadedMousePadProfile(after);
  });
}

unsigned __stdcall MousePadLightProfileWatchThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  const NamedProfileListParams& params = MousePadLightProfileList();
  ControlProfileListView view(window, params);
  if (!MainWindowHandle || !view.HasCombo()) return 0;
  const std::wstring folder = window.GetMousePadProfileFolder();
  ForegroundWatch watch;
  return RunWorkerLoop(
      param.stopEvent, 0,
      [&] {
        if (!MainWindowHandle) return WorkerPassResult::EndThread;
        return RunForegroundWatcherPass(params, folder, view, watch, param.stopEvent);
      },
      L"\u9f20\u6807\u57ab\u706f\u5149\u8fdb\u7a0b\u4fa6\u6d4b\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "mouse pad light process watcher told to end"
}
