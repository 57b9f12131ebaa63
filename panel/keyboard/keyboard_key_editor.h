#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "keyboard_state.h"

// The key page's function editor over the key tables: what showing a key puts into the editor, the
// assignment the editor's controls stand for, key capture, and which keys are marked as changed.

// Tab n of "kb_key_fct_combo" edits this function code.
constexpr int KEY_EDITOR_TABS = 10;
extern const uint8_t KEY_EDITOR_TAB_CODES[KEY_EDITOR_TABS];
constexpr int KEY_EDITOR_KEY_TAB = 1;
constexpr int KEY_EDITOR_REPEAT_ITEM = 4;  // item of "kb_key_fct_combo_24": a repeat count

struct KeyboardKeyEditor {
  int editSlot = 0;
  KeyAssignment edit;
  int selectedTabCode = KEY_FUNC_DEFAULT;
  bool showing = false;  // while a key is shown, the controls it sets store nothing
};

// One control the editor sets when a key is shown, in order.
struct KeyEditorSetting {
  enum Kind { ComboItem, ComboItemQuietly, ComboNoSelection, EditText } kind;
  const wchar_t* control;
  int item;
  std::wstring text;
};
struct KeyEditorView {
  std::vector<KeyEditorSetting> settings;
  int tabItem = -1;  // -1: the tab selector stays as it is
  bool captureKeys = false;
};

// The key at `position` becomes the edited one. Null, with nothing changed, for a position without
// a key slot. `macroItems` is the number of macros the macro combo offers.
std::optional<KeyEditorView> ShowKeyAssignment(const KeyboardState& state, KeyboardKeyEditor& editor, int position,
                                               int macroItems);

// What the editor's controls hold.
class KeyEditorInputs {
 public:
  virtual ~KeyEditorInputs() = default;
  virtual int ComboSelection(const wchar_t* combo) const = 0;  // -1 none
  virtual std::wstring EditText(const wchar_t* edit) const = 0;
};
// The assignment of the chosen tab, written to the edited slot of the live profile's key table.
// False when the tab's controls choose nothing, and then nothing is stored.
bool ApplyKeyAssignment(KeyboardState& state, KeyboardKeyEditor& editor, const KeyEditorInputs& inputs);
// The tab chosen in the tab selector: its function code; false for an item without a tab.
bool SelectKeyEditorTab(KeyboardKeyEditor& editor, int item);
// The edited slot takes its factory assignment.
void RestoreKeyAssignment(KeyboardState& state, KeyboardKeyEditor& editor);
// The first position that shows the edited slot; -1 when none.
int PositionOfSlot(const KeyboardState& state, int slot);

// The keyboard-key row a captured key event stands for; null for keys that are no keyboard key
// (media and system keys). The extended-key bit of `flags` tells the keypad Enter.
std::optional<int> CapturedKeyRow(DWORD virtualKey, DWORD flags);
// The captured key becomes the edited assignment.
void TakeCapturedKey(KeyboardKeyEditor& editor, int row);

// How one key button is captioned: its default name's text id (or its own control name), the
// label (a text id, or a macro name when `verbatim`), and whether it holds another function.
struct KeyCaption {
  int position;
  std::wstring defaultName;
  std::wstring label;
  bool verbatim;
  bool marked;
};
std::vector<KeyCaption> KeyCaptions(const KeyboardState& state, int profile, const std::vector<std::wstring>& macroNames);
