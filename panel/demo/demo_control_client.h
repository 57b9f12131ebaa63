#pragma once
#include <windows.h>

#include <string>

// Sends one command to the running demo panel and waits at most `timeoutMs` for its answer. False
// when no demo panel runs on this desktop or it does not answer in time.
bool SendDemoCommand(const std::string& command, std::string& reply, DWORD timeoutMs = 10000);

// The running demo panel's control window, or null.
HWND FindDemoControlWindow();
