#pragma once
#include "named_profile_list.h"

class CMainWnd;

enum class KeyboardList { Device, Light, Key };

// Runs one operation of a keyboard profile list on the window's controls.
void RunOnKeyboardList(CMainWnd& window, KeyboardList which, void (NamedProfileList::*operation)());
// The start-up fill, device, light and key list in turn; a list whose factory file cannot be read
// leaves itself and the lists after it empty.
void FillKeyboardProfileLists(CMainWnd& window);
// A connected keyboard gets the saved device profile: selected in its combo and applied (loaded
// and sent) whether or not the combo showed it, so that the keyboard and the panel hold the same
// profile after every connect, whichever thread reached the combo first.
void ApplyKeyboardDeviceProfileAt(CMainWnd& window, int index);
