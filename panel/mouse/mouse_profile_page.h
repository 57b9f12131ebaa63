#pragma once
#include "mouse_profiles.h"
#include "named_profile_list.h"

class CMainWnd;

// Runs one operation of a mouse profile list on the window's controls.
void RunOnMouseList(CMainWnd& window, MouseProfileKind kind, void (NamedProfileList::*operation)());
// Start-up: fills the device, light and key lists in turn; false when one could not make its first
// profile (it has shown why, and the lists after it stay empty).
bool FillMouseProfileLists(CMainWnd& window);
// Selects the device list's entry `index` and applies it (loads it, sends its settings and keys),
// whether or not the list already shows it: a watcher's start-up pass may have shown it unapplied.
void ApplyMouseDeviceProfileAt(CMainWnd& window, int index);
