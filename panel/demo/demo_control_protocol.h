#pragma once
#include <windows.h>

// The demo panel's control channel: a message-only window of this class takes one command per
// WM_COPYDATA (UTF-8 text, wParam the sender's window) and answers with a WM_COPYDATA of its own
// to that window, before the sender's call returns.
constexpr wchar_t kDemoControlWindowClass[] = L"KarvoDemoControl";
constexpr ULONG_PTR kDemoCommandTag = 0x4B444331;  // dwData of a command
constexpr ULONG_PTR kDemoReplyTag = 0x4B444332;    // dwData of an answer
