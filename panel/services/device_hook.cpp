#include "device_hook.h"

#include <cstdint>

#include "diagnostics.h"

namespace {
// Copies of the events that the posted messages number. A slot remembers the number of the event
// it holds, so a reader that fell a whole ring behind finds another number there.
template <class Event>
class EventRing {
 public:
  LPARAM Keep(const Event& event) {
    if (++last_ == 0) ++last_;  // 0 names no event, not even after the count wraps
    Slot& slot = slots_[last_ % kSlots];
    slot.event = event;
    slot.number = last_;
    return static_cast<LPARAM>(last_);
  }
  bool Take(LPARAM number, Event& event) const {
    const auto wanted = static_cast<uint32_t>(number);
    const Slot& slot = slots_[wanted % kSlots];
    if (wanted == 0 || slot.number != wanted) return false;
    event = slot.event;
    return true;
  }

 private:
  static constexpr unsigned kSlots = 256;
  struct Slot {
    Event event;
    uint32_t number;
  };
  Slot slots_[kSlots] = {};
  uint32_t last_ = 0;
};

struct HookState {
  HHOOK keyboard = nullptr;
  HHOOK mouse = nullptr;
  HWND target = nullptr;
  int mode = 0;
};

// Written and read on the window thread only: Windows calls low-level hooks on the thread that
// installed them.
HookState hooks;
EventRing<KBDLLHOOKSTRUCT> keyEvents;
EventRing<MSLLHOOKSTRUCT> mouseEvents;
HookSetter setHook = SetWindowsHookExW;

HHOOK SetHook(int kind, HOOKPROC procedure) { return setHook(kind, procedure, GetModuleHandleW(nullptr), 0); }

void RemoveHook(HHOOK& hook) {
  if (!hook) return;
  UnhookWindowsHookEx(hook);  // fails quietly when Windows already dropped it
  hook = nullptr;
}
}  // namespace

UINT KeyboardHookMessage(int mode) {
  switch (mode) {
    case HOOK_MODE_KEY_SINGLEKEY: return WM_HOOK_KEY_SINGLEKEY;
    case HOOK_MODE_KEY_HITKEY: return WM_HOOK_KEY_KBHITKEY;
    case HOOK_MODE_KEY_MACRO: return WM_HOOK_KEY_MACRO;
    case HOOK_MODE_MOU_SINGLEKEY: return WM_HOOK_MOU_SINGLEKEY;
    case HOOK_MODE_MOU_HITKEY: return WM_HOOK_MOU_HitKEY;
    case HOOK_MODE_MOU_MACRO: return WM_HOOK_MOU_MACRO;
    default: return 0;
  }
}

UINT MouseHookMessage(int mode) {
  switch (mode) {
    case HOOK_MODE_KEY_MACRO: return WM_HOOK_KEY_MACRO_MOUSE;
    case HOOK_MODE_MOU_MACRO: return WM_HOOK_MOU_MACRO_MOUSE;
    default: return 0;
  }
}

bool IsLockKey(DWORD virtualKey) { return virtualKey == VK_CAPITAL || virtualKey == VK_NUMLOCK || virtualKey == VK_SCROLL; }

CDeviceHook::~CDeviceHook() { Uninstall(); }

int CDeviceHook::Install(int mode, HWND target, bool keyboard, bool mouse) {
  Uninstall();
  if (keyboard && !(hooks.keyboard = SetHook(WH_KEYBOARD_LL, KeyboardHookProc))) return 0;
  if (mouse && !(hooks.mouse = SetHook(WH_MOUSE_LL, MouseHookProc))) {
    // A keyboard hook left on its own would swallow every key for a capture that gets no events.
    Uninstall();
    return 0;
  }
  hooks.target = target;
  hooks.mode = mode;
  return 1;
}

void CDeviceHook::Uninstall() {
  RemoveHook(hooks.keyboard);
  RemoveHook(hooks.mouse);
}

bool CDeviceHook::IsInstalled() const { return hooks.keyboard || hooks.mouse; }

bool TakeCapturedKeyEvent(LPARAM number, KBDLLHOOKSTRUCT& event) {
  if (keyEvents.Take(number, event)) return true;
  DebugPrintf(L"captured key event %lu dropped: overwritten before it was handled", static_cast<unsigned long>(number));
  return false;
}

bool TakeCapturedMouseEvent(LPARAM number, MSLLHOOKSTRUCT& event) {
  if (mouseEvents.Take(number, event)) return true;
  DebugPrintf(L"captured mouse event %lu dropped: overwritten before it was handled", static_cast<unsigned long>(number));
  return false;
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code != HC_ACTION) return CallNextHookEx(nullptr, code, wParam, lParam);
  const auto& event = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (UINT message = KeyboardHookMessage(hooks.mode))
    PostMessageW(hooks.target, message, wParam, keyEvents.Keep(event));
  if (IsLockKey(event.vkCode)) return CallNextHookEx(nullptr, code, wParam, lParam);
  return 1;  // no window receives the key
}

LRESULT CALLBACK MouseHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    if (UINT message = MouseHookMessage(hooks.mode)) {
      const auto& event = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
      PostMessageW(hooks.target, message, wParam, mouseEvents.Keep(event));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);  // mouse input is never swallowed
}

void SetHooksWith(HookSetter setter) { setHook = setter ? setter : SetWindowsHookExW; }
