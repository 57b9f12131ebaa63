#include "foreground_profile_watcher.h"

#include "foreground_program.h"
#include "ini_values.h"

namespace {
constexpr DWORD kAfterSelectionMs = 100;
constexpr DWORD kBetweenPassesMs = 2000;

thread_local bool selectingForWatcher = false;
// Showing a profile needs none of a list's hooks.
const NamedProfileListHooks kNoHooks;

int LinkedProfile(const std::wstring& indexFile, const NamedProfileListParams& params, int count,
                  const std::wstring& program) {
  if (program.empty()) return -1;
  for (int i = 0; i < count; ++i)
    if (IsLinkedTo(indexFile, params, i, program)) return i;
  return -1;
}
}  // namespace

bool SelectingForWatcher() { return selectingForWatcher; }

WorkerPassResult RunForegroundWatcherPass(const NamedProfileListParams& params, const std::wstring& folder,
                                          ProfileListView& view, ForegroundWatch& watch, HANDLE stopEvent) {
  const std::wstring indexFile = folder + params.indexFile;
  const int count = view.Count();
  const std::wstring program = CurrentForegroundProgram().Path();
  const int saved = ReadIniNumber(indexFile, params.selectionSection, L"select");
  const int linked = LinkedProfile(indexFile, params, count, program);
  const int chosen = linked >= 0 ? linked : saved;
  const bool startUp = !watch.startedUp;
  watch.startedUp = true;
  if (chosen >= 0 && chosen < count) {
    selectingForWatcher = true;
    if (startUp && linked < 0) NamedProfileList(params, kNoHooks, folder, view).ShowAt(chosen);
    else view.SelectIndex(chosen);
    selectingForWatcher = false;
  }
  if (!PauseUnlessStopped(stopEvent, kAfterSelectionMs)) PauseUnlessStopped(stopEvent, kBetweenPassesMs);
  return WorkerPassResult::NextPass;
}
