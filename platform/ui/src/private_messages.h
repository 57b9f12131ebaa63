#pragma once
#include <windows.h>

// The library's own window messages and timers (WM_APP and above, timer ids from 0x1000), which
// the program's messages and timers never use.
constexpr UINT kUiApplyFocusMessage = WM_APP + 0x200;    // a focus change asked for on another thread
constexpr UINT kUiStartReapingMessage = WM_APP + 0x201;  // removed controls wait to be destroyed
constexpr UINT_PTR kUiReapTimer = 0x1000;  // while removed controls wait
constexpr UINT kUiReapIntervalMs = 100;
constexpr UINT_PTR kUiToolTipTimer = 0x1001;
