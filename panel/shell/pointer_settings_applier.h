#pragma once
#include <windows.h>

enum class PointerSetting { Speed, WheelLines };

// Hands MousePointerSpeed or MouseWheelLines to Windows on a short-lived thread, whose handle is
// closed at once. One applier per setting runs at a time: a request while it runs makes it apply
// once more, with the value as it is then, before it ends. False when no thread could be started.
bool StartPointerSettingApplier(PointerSetting setting);

// Tells every top-level window that the wheel lines changed, from a short-lived thread: the
// broadcast waits for each window, and one that hangs must not freeze the caller. False when no
// thread could be started.
bool AnnounceWheelLinesChange();

// Windows' pointer speed (SPI_SETMOUSESPEED, saved to the profile). Wine stores no value, so tests
// install a setter that records it; null puts Windows back.
void SetWindowsPointerSpeed(UINT speed);
using PointerSpeedSetter = void (*)(UINT speed);
void InstallPointerSpeedSetter(PointerSpeedSetter setter);
