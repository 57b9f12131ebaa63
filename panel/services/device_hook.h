#pragma once
#include <windows.h>

// The low-level keyboard and mouse hooks of key capture and macro recording. Each event is handed
// to the target window as a posted message; the hook procedures do nothing else, so no device
// traffic ever runs inside a hook.

enum HookCaptureMode : int {
  HOOK_MODE_KEY_SINGLEKEY = 1,
  HOOK_MODE_KEY_HITKEY = 2,
  HOOK_MODE_KEY_MACRO = 4,
  HOOK_MODE_MOU_SINGLEKEY = 16,
  HOOK_MODE_MOU_HITKEY = 32,
  HOOK_MODE_MOU_MACRO = 64,
};

// Keyboard messages: wParam WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP; lParam the address
// of a copy of the event's KBDLLHOOKSTRUCT. Mouse messages: wParam the mouse message; lParam the
// address of a copy of its MSLLHOOKSTRUCT. A copy stays valid until 256 further events of its
// kind have arrived, far longer than the message waits in the queue.
constexpr UINT WM_HOOK_KEY_SINGLEKEY = 0x801;
constexpr UINT WM_HOOK_KEY_KBHITKEY = 0x802;
constexpr UINT WM_HOOK_KEY_MACRO = 0x803;
constexpr UINT WM_HOOK_KEY_MACRO_MOUSE = 0x804;
constexpr UINT WM_HOOK_MOU_SINGLEKEY = 0x810;
constexpr UINT WM_HOOK_MOU_HitKEY = 0x811;
constexpr UINT WM_HOOK_MOU_MACRO = 0x812;
constexpr UINT WM_HOOK_MOU_MACRO_MOUSE = 0x813;

// The message each hook sends for a capture mode; 0 when the mode has none.
UINT KeyboardHookMessage(int mode);
UINT MouseHookMessage(int mode);
// Caps Lock, Num Lock and Scroll Lock keep working while the keyboard is captured.
bool IsLockKey(DWORD virtualKey);

// Installs and removes the process's one pair of hooks (the hook procedures get no context, so
// the hooks, their mode and target are process-wide). Used on the window thread only.
class CDeviceHook {
 public:
  virtual ~CDeviceHook();
  // Replaces whatever was installed. 1 when every requested hook is set; 0 when one cannot be set,
  // and then no hook is left installed.
  int Install(int mode, HWND target, bool keyboard, bool mouse);
  void Uninstall();
};

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam);

// Tests only: the call that sets a hook, in place of SetWindowsHookExW; null restores it.
using HookSetter = HHOOK(WINAPI*)(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread);
void SetHooksWith(HookSetter setter);
