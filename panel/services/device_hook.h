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

// Keyboard messages: wParam WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN or WM_SYSKEYUP; mouse messages:
// wParam the mouse message. lParam is the event's number in the hook's ring of copies (256 per
// kind); the window thread exchanges it for the copy with TakeCapturedKeyEvent or
// TakeCapturedMouseEvent while it handles the message.
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
  // Whether a keyboard or mouse hook is set; for the window thread, or a thread that synchronised
  // with it since.
  bool IsInstalled() const;
};

// The copy of the event that a hook message numbers. False, with a diagnostics line, when the
// reader fell a whole ring behind and the copy has since been overwritten: that event is dropped
// rather than handed over as another one.
bool TakeCapturedKeyEvent(LPARAM number, KBDLLHOOKSTRUCT& event);
bool TakeCapturedMouseEvent(LPARAM number, MSLLHOOKSTRUCT& event);

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam);

// Tests only: the call that sets a hook, in place of SetWindowsHookExW; null restores it.
using HookSetter = HHOOK(WINAPI*)(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread);
void SetHooksWith(HookSetter setter);
