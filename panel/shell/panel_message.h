#pragma once
#include <windows.h>

// "TRAMOLEX_001": the message a second start broadcasts and the detection threads post once.
// Registered once per process by RegisterPanelMessage; the same id in every process of the desktop.
extern UINT PanelRegisteredMessage;
UINT RegisterPanelMessage();
