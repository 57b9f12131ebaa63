#include "macro_row_editor.h"

#include "macro_recorder.h"

namespace {
constexpr int kFirstMovementRow = MACRO_MOUSE_BUTTON_ROWS;
constexpr int kInsertedDelayUnits = 5;
constexpr UINT kExtraButtonMessages[] = {WM_XBUTTONDOWN, WM_XBUTTONUP};

bool IsMovementKind(uint8_t kind) { return kind == MACRO_ACTION_MOVE_X || kind == MACRO_ACTION_MOVE_Y; }

int MovementItem(const MacroAction& action) {
  const bool leftOrUp = (action.type & MACRO_ACTION_PRESS) != 0;
  if (action.Kind() == MACRO_ACTION_MOVE_X) return leftOrUp ? 10 : 11;
  if (action.Kind() == MACRO_ACTION_MOVE_Y) return leftOrUp ? 12 : 13;
  return -1;
}

int KeyItemOf(const MacroAction& action) {
  for (int row = 0; row < KEYBOARD_KEY_ROWS_KEYS_ONLY; ++row) {
    const KeyFunctionRow& key = KEYBOARD_KEY_LIST.rows[row];
    if (action.Kind() == MACRO_ACTION_KEY && key.p2 == action.code) return row;
    if (action.Kind() == MACRO_ACTION_MODIFIER && key.p1 == action.code) return row;
  }
  return -1;
}

int InsertedRow(UINT message, int parameter) {
  if (message == WM_MOUSEMOVE) return kFirstMovementRow + (parameter & 3);
  const bool extraButton = message == kExtraButtonMessages[0] || message == kExtraButtonMessages[1];
  for (int row = 0; row < MACRO_MOUSE_BUTTON_ROWS; ++row)
    if (MACRO_MOUSE_EVENTS.rows[row].key == message) return extraButton && parameter == 1 ? row + 2 : row;
  return -1;
}
}  // namespace

MacroEditorView OpenMacroAction(const MacroAction& action) {
  MacroEditorView view;
  view.delayUnits = action.DelayUnits();
  if (action.IsKeyboardAction()) {
    view.page = MACRO_EDITOR_KEY_PAGE;
    view.keyItem = KeyItemOf(action);
    view.upDownItem = action.down ? 1 : 0;
    return view;
  }
  view.page = MACRO_EDITOR_MOUSE_PAGE;
  for (int row = 0; row < MACRO_MOUSE_BUTTON_ROWS && view.mouseItem < 0; ++row)
    if (MACRO_MOUSE_EVENTS.rows[row].p1 == action.code && MACRO_MOUSE_EVENTS.rows[row].p2 == action.type)
      view.mouseItem = row;
  if (view.mouseItem < 0) {
    view.mouseItem = MovementItem(action);
    view.amount = action.code;
  }
  return view;
}

void ChooseMacroKey(MacroAction& action, int item) {
  if (item < 0 || item >= KEYBOARD_KEY_ROWS_KEYS_ONLY) return;
  SetKeyOfRow(action, item);
}

bool ChooseMacroMouseEvent(MacroAction& action, int item) {
  if (item < 0 || item >= MACRO_MOUSE_EDITOR_ROWS) return IsMovementKind(action.Kind());
  const KeyFunctionRow& row = MACRO_MOUSE_EVENTS.rows[item];
  action.label = MACRO_MOUSE_EVENTS.nameIds[item];
  if (item < kFirstMovementRow) {
    action.code = row.p1;
    action.type = row.p2;
    action.down = (row.p2 & MACRO_ACTION_PRESS) ? 1 : 0;
    return false;
  }
  if (!IsMovementKind(action.Kind())) action.code = 0;
  action.type = row.p2;
  return true;
}

void ChooseMacroPressState(MacroAction& action, int item) {
  action.down = item != 0 ? 1 : 0;
  if (IsMovementKind(action.Kind())) return;
  action.type = static_cast<uint8_t>(action.Kind() | (action.down ? MACRO_ACTION_PRESS : 0));
}

MacroAction InsertedMouseAction(UINT message, int parameter, int amount) {
  MacroAction action;
  const int row = InsertedRow(message, parameter);
  if (row < 0) return action;
  action.type = MACRO_MOUSE_EVENTS.rows[row].p2;
  action.code = message == WM_MOUSEMOVE ? static_cast<uint8_t>(amount) : MACRO_MOUSE_EVENTS.rows[row].p1;
  action.down = (action.type & MACRO_ACTION_PRESS) ? 1 : 0;
  action.label = MACRO_MOUSE_EVENTS.nameIds[row];
  action.SetDelayUnits(kInsertedDelayUnits);
  return action;
}

int MacroInsertionIndex(int rowCount, int selected, bool beforeSelection) {
  if (rowCount == 0) return 0;
  return (selected < 0 ? 0 : selected) + (beforeSelection ? 0 : 1);
}
