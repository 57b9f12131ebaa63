#pragma once
#include <windows.h>

// Progress codes of "WM_INSTALL7D1_RESULT" (its wParam).
const DWORD INSTALL_PROGRESS_STARTED = 0;
const DWORD INSTALL_PROGRESS_FAILED = 0x80000000;  // plus the step number
const DWORD INSTALL_PROGRESS_ALREADY_INSTALLED = 0x80000000;
const DWORD INSTALL_PROGRESS_FINISHED = 0xFFFFFFFF;

// Posted by the install thread to the form as its last act.
const UINT WM_INSTALL_FINISHED = WM_USER + 33;

// Sends the code to every top-level window, waiting at most 100 ms for each.
void BroadcastInstallProgress(DWORD code);
