#pragma once
#include <windows.h>

#include <string>

#include "named_profile_list.h"
#include "profile_list_view.h"
#include "stop_protocol.h"

// True on a thread while its watcher selects a profile: Select then leaves the selection entry, the
// user's own choice, as it is.
bool SelectingForWatcher();

// What a watcher keeps from one pass to the next: whether it has made its start-up selection.
struct ForegroundWatch {
  bool startedUp = false;
};

// One pass of a list's foreground watcher: the first profile linked to the foreground program is
// selected, or else the user's saved selection; then the pass rests. Everything is read anew each
// pass, and nothing is written: the selection entry stays the user's. The watcher's thread runs it
// in the stop protocol's loop.
//
// The start-up pass only shows the saved profile when no linked program is in front: the live
// state then is what the device's detection loaded, and only a change of the program in front, or
// the user, applies a profile.
WorkerPassResult RunForegroundWatcherPass(const NamedProfileListParams& params, const std::wstring& folder,
                                          ProfileListView& view, ForegroundWatch& watch, HANDLE stopEvent);
