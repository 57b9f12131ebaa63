#pragma once
#include <windows.h>

#include <string>

#include "named_profile_list.h"
#include "profile_list_view.h"
#include "stop_protocol.h"

// True on a thread while its watcher selects a profile: Select then leaves the selection entry, the
// user's own choice, as it is.
bool SelectingForWatcher();

// One pass of a list's foreground watcher: the first profile linked to the foreground program is
// selected, or else the user's saved selection; then the pass rests. Everything is read anew each
// pass, and nothing is written: the selection entry stays the user's. The watcher's thread runs it
// in the stop protocol's loop.
WorkerPassResult RunForegroundWatcherPass(const NamedProfileListParams& params, const std::wstring& folder,
                                          ProfileListView& view, HANDLE stopEvent);
