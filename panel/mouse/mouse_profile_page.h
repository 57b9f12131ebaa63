#pragma once
#include "mouse_profiles.h"
#include "named_profile_list.h"

class CMainWnd;

// Runs one operation of a mouse profile list on the window's controls.
void RunOnMouseList(CMainWnd& window, MouseProfileKind kind, void (NamedProfileList::*operation)());
