#pragma once
// The mouse key page without its window: which function page shows an assignment and how, the
// assignment each page builds, the key capture, the left-button guard and the key captions.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "key_vocabulary.h"
#include "mouse_cursor_script.h"
#include "mouse_state.h"

constexpr int MOUSE_PAGE_KEYS = 7;     // the buttons the key page shows
constexpr int MOUSE_BOUND_KEYS = 9;    // the keys the left-button guard and the macro repair look at
constexpr int MOUSE_MODIFIER_ITEMS = 9;  // "none", then the modifiers of key rows 0..7
constexpr int MOUSE_KEY_REPEAT_PLAY_MODE = 4;
extern const wchar_t* const MOUSE_UNKNOWN_CODE_LABEL;

// Key k's pictures: under the pointer, and otherwise.
struct MouseKeyPictures {
  const wchar_t* hover;
  const wchar_t* normal;
};
extern const MouseKeyPictures MOUSE_KEY_NAMES[MOUSE_PAGE_KEYS];

// Item i of the function combo: its code, and the table of its row combo (null for pages whose
// parameters come from edits).
struct MouseKeyFunctionPage {
  uint8_t code;
  const KeyFunctionTable* rows;
};
constexpr int MOUSE_KEY_FUNCTION_PAGE_COUNT = 11;
extern const MouseKeyFunctionPage MOUSE_KEY_FUNCTION_PAGES[MOUSE_KEY_FUNCTION_PAGE_COUNT];
enum MouseKeyPageItem {
  MOUSE_PAGE_DEFAULT = 0,
  MOUSE_PAGE_BUTTON = 1,
  MOUSE_PAGE_WHEEL_H = 2,
  MOUSE_PAGE_WHEEL_V = 3,
  MOUSE_PAGE_DPI = 4,
  MOUSE_PAGE_FIRE = 5,
  MOUSE_PAGE_KEY = 6,
  MOUSE_PAGE_CONSUMER = 7,
  MOUSE_PAGE_SYSTEM = 8,
  MOUSE_PAGE_MACRO = 9,
  MOUSE_PAGE_CURSOR = 10,
};
// The page of a code; -1 for a code no page offers.
int MouseKeyPageOfCode(uint8_t code);

// What the function pages show, and what the page reads back when it builds an assignment. Items
// are -1 when nothing is (or is to be) selected.
struct MouseKeyPageView {
  int page = MOUSE_PAGE_DEFAULT;
  int rowItem = -1;      // row combo of the button, DPI, consumer and system pages
  int direction = -1;    // wheel pages: 0 left or up, 1 right or down
  int amount = 0;        // wheel amount 0..127
  int highNibble = 0;
  int lowNibble = 0;
  int fire1 = 0;
  int fire2 = 0;
  int keyRow = -1;       // keyboard-key page: the key list row whose name is shown; -1 shows none
  int modifierItem = -1;
  int macroItem = -1;
  int playMode = -1;
  int repeat = 1;
  int scriptSlot = -1;
};

// The page that opening a key shows. An assignment equal to the key's factory one shows "default".
// `macroCount` is the number of macros the macro combo holds.
MouseKeyPageView OpenMouseKeyAssignment(const KeyAssignment& assignment, const KeyAssignment& factory, int macroCount);

// The assignment the page builds, or nothing when the page has nothing to store (a row page with no
// row, a keyboard-key page without a captured key, a macro page without a macro). Numbers are
// clamped into their ranges, negatives to 0. `edited` is the assignment being edited (the keyboard-key
// page keeps its captured key), `hasKeyName` whether that page shows a key.
std::optional<KeyAssignment> BuildMouseKeyAssignment(uint8_t code, const MouseKeyPageView& view,
                                                     const KeyAssignment& edited, const KeyAssignment& factory,
                                                     bool hasKeyName);

// A key captured for the keyboard-key page: its key list row and the assignment, with the modifier
// of `modifierItem` (0 or none selected: the key's own mask). Nothing for a key outside the list or a
// consumer or system row. `flags` are the hook's event flags; an extended Enter is keypad Enter.
struct MouseKeyCapture {
  int row;
  KeyAssignment assignment;
};
std::optional<MouseKeyCapture> CaptureMouseKey(DWORD virtualKey, DWORD flags, int modifierItem);

// The mouse keeps a left button: true when key `key` of the table is the only one of keys 0..8 that
// is one.
bool IsLastLeftButton(const MouseKeyTable& table, int key);

KeyAssignment MouseKeyAssignmentOf(const MouseKeyTable& table, int key);
void StoreMouseKeyAssignment(MouseKeyTable& table, int key, const KeyAssignment& assignment);

// The caption a key holding the assignment shows; nothing leaves the caption as it is.
std::optional<KeyLabel> MouseKeyCaption(const KeyAssignment& assignment, const std::vector<std::wstring>& macroNames);
