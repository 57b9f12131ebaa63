#include "macro_recorder.h"

#include "clock.h"

namespace {
constexpr uint32_t kLongestPauseMs = 655350;
constexpr uint32_t kFixedPauseMs = 50;
}  // namespace

bool SetKeyOfRow(MacroAction& action, int row) {
  if (row < 0 || row >= KEYBOARD_KEY_LIST.count) return false;
  const KeyFunctionRow& key = KEYBOARD_KEY_LIST.rows[row];
  const uint8_t pressBit = action.down ? MACRO_ACTION_PRESS : 0;
  if (key.p2 > 0) {
    action.type = MACRO_ACTION_KEY | pressBit;
    action.code = key.p2;
  } else if (key.p1 > 0) {
    action.type = MACRO_ACTION_MODIFIER | pressBit;
    action.code = key.p1;
  } else {
    return false;
  }
  action.label = KEYBOARD_KEY_LIST.nameIds[row];
  return true;
}

void SetPauseMs(MacroAction& action, uint32_t pauseMs) { action.SetDelayUnits(static_cast<int>(pauseMs / 10)); }

void MacroRecorder::Reset() {
  recording = 0;
  lastTick = 0;
  lastKey = 0;
  lastMouseMessage = 0;
}

void MacroRecorder::Start() {
  lastTick = CurrentClock().TickCount();
  recording = 1;
}

std::optional<MacroAction> MacroRecorder::KeyEvent(UINT message, DWORD virtualKey, DWORD flags) {
  if (!recording) return std::nullopt;
  const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
  int row = FindKeyRowByVirtualKey(static_cast<uint16_t>(virtualKey), (flags & LLKHF_EXTENDED) != 0);
  const uint32_t key = row >= 0 ? KEYBOARD_KEY_LIST.rows[row].key : virtualKey;
  if (down && key == lastKey) return std::nullopt;
  if (down) lastKey = key;
  else if (key == lastKey) lastKey = 0;
  if (row < 0 || row >= KEYBOARD_KEY_ROWS_KEYS_ONLY) return std::nullopt;
  MacroAction action;
  action.down = down ? 1 : 0;
  if (!SetKeyOfRow(action, row)) return std::nullopt;
  return action;
}

std::optional<MacroAction> MacroRecorder::MouseEvent(UINT message, bool recordClicks) {
  if (!recording) return std::nullopt;
  int row = 0;
  while (row < MACRO_MOUSE_RECORDED_ROWS && MACRO_MOUSE_EVENTS.rows[row].key != message) ++row;
  if (row == MACRO_MOUSE_RECORDED_ROWS || !recordClicks || message == lastMouseMessage) return std::nullopt;
  lastMouseMessage = message;
  MacroAction action;
  action.type = MACRO_MOUSE_EVENTS.rows[row].p2;
  action.code = MACRO_MOUSE_EVENTS.rows[row].p1;
  action.down = (action.type & MACRO_ACTION_PRESS) ? 1 : 0;
  action.label = MACRO_MOUSE_EVENTS.nameIds[row];
  return action;
}

uint32_t MacroRecorder::TakePause(bool fixedPause) {
  const uint32_t now = CurrentClock().TickCount();
  uint32_t pause = (now - lastTick) / 10 * 10;
  lastTick = now;
  if (pause >= kLongestPauseMs) pause = kLongestPauseMs;
  return fixedPause ? kFixedPauseMs : pause;
}
