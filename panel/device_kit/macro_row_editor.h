#pragma once
#include <windows.h>

#include <optional>

#include "macro_action.h"

// The action editor of a macro page over the record of the selected row: what opening a row shows,
// and how each choice in the editor rewrites the record.

constexpr int MACRO_EDITOR_KEY_PAGE = 1;
constexpr int MACRO_EDITOR_MOUSE_PAGE = 2;

struct MacroEditorView {
  int page = 0;
  int keyItem = -1;    // -1: the key combo keeps its selection
  int upDownItem = 0;  // 0 release, 1 press
  int mouseItem = -1;  // -1: the mouse combo keeps its selection
  std::optional<int> amount;  // a movement: the amount edit shows it
  int delayUnits = 0;
};
MacroEditorView OpenMacroAction(const MacroAction& action);

// Key combo item: the key of row `item` of the key list, pressed or released as the row is.
void ChooseMacroKey(MacroAction& action, int item);
// Mouse combo item (rows 0 to 13 of the mouse events). True when the item is a movement; a
// movement chosen for a row that was none starts with the amount 0.
bool ChooseMacroMouseEvent(MacroAction& action, int item);
// Press/release combo item. Bit 7 of a key or button row follows it, so that the device plays what
// the row shows; a movement keeps its direction.
void ChooseMacroPressState(MacroAction& action, int item);

// The mouse action that an insert button adds: a button message (with 0 forward, 1 back for the
// extra buttons) or WM_MOUSEMOVE with 0 left, 1 right, 2 up, 3 down and the typed amount. The
// delay is 50 ms.
MacroAction InsertedMouseAction(UINT message, int parameter, int amount);
// Where an inserted row goes: after (or before) the selected row, or row 0 when none is selected.
int MacroInsertionIndex(int rowCount, int selected, bool beforeSelection);
