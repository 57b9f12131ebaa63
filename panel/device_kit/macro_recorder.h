#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <optional>

#include "macro_action.h"

// The state of a macro recording and the steps that turn hooked key and mouse events into actions.
// The pause between events is measured on the clock seam.
struct MacroRecorder {
  // Also cleared by the select-changed handling, on whichever thread selected the option.
  std::atomic<int> recording{0};
  uint32_t lastTick = 0;
  // Kept from one recording to the next: a key still held when a recording stopped is taken as a
  // repeat at the start of the next.
  uint32_t lastKey = 0;
  uint32_t lastMouseMessage = 0;

  void Start();
  void Stop() { recording = 0; }
  void Reset();
  // The press or release of one of the 105 keyboard rows; null for a repeat, another key, or
  // an event that the hook delivers after the stop.
  // `flags` are the hook's event flags: the extended-key bit tells the keypad Enter.
  std::optional<MacroAction> KeyEvent(UINT message, DWORD virtualKey, DWORD flags);
  // The press or release of the left, right or middle button when clicks are recorded; null for
  // any other event and for a repeat of the last.
  std::optional<MacroAction> MouseEvent(UINT message, bool recordClicks);
  // The pause since the start or the last recorded event, in ms rounded down to 10 ms and at most
  // 655350; 50 with `fixedPause`. Restarts the measurement.
  uint32_t TakePause(bool fixedPause);
};

// The action a key row gives: its usage (key) or, for a modifier row, its mask; bit 7 of the type
// follows `action.down`. False, with nothing changed, for a row with neither.
bool SetKeyOfRow(MacroAction& action, int row);
// The pause before the next action is the delay of the one before it.
void SetPauseMs(MacroAction& action, uint32_t pauseMs);
