#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "key_vocabulary.h"

// One action of a macro as the macro files, the rows on screen and the editors hold it: the text
// "delay low,delay high,type,code,down,label". The first four numbers are also the action's four
// bytes in device memory; down and label stay on the PC.
enum MacroActionType : uint8_t {
  MACRO_ACTION_BUTTON = 1,
  MACRO_ACTION_MOVE_X = 4,
  MACRO_ACTION_MOVE_Y = 5,
  MACRO_ACTION_MODIFIER = 9,
  MACRO_ACTION_KEY = 10,
};
constexpr uint8_t MACRO_ACTION_PRESS = 0x80;  // pressed; for a movement: left or up
constexpr int MACRO_MOST_DELAY_UNITS = 0xFFFF;  // units of 10 ms

struct MacroAction {
  uint8_t delayLow = 0;
  uint8_t delayHigh = 0;
  uint8_t type = 0;
  uint8_t code = 0;
  uint16_t down = 0;
  std::wstring label;

  int DelayUnits() const { return delayLow + 256 * delayHigh; }
  int DelayMs() const { return DelayUnits() * 10; }
  void SetDelayUnits(int units);
  uint8_t Kind() const { return type & 0x7F; }
  bool IsKeyboardAction() const { return Kind() >= MACRO_ACTION_MODIFIER; }
  // The row test of the list: a movement shows its amount instead of a press state.
  bool ShowsAmount() const { return (type & 0x0F) == MACRO_ACTION_MOVE_X || (type & 0x0F) == MACRO_ACTION_MOVE_Y; }
};

// Null when the text has fewer than five commas; such a record has nothing sound to show or edit.
std::optional<MacroAction> ParseMacroAction(const std::wstring& record);
std::wstring FormatMacroAction(const MacroAction& action);

// Mouse events of the recorder, the editor's mouse combo (item i is row i, rows 0 to 13) and the
// insertion: key = window message (4 and 5 stand for the X and Y movements), p1 = button mask,
// p2 = the whole type byte.
extern const KeyFunctionTable MACRO_MOUSE_EVENTS;
constexpr int MACRO_MOUSE_BUTTON_ROWS = 10;  // rows 0 to 9: press and release of five buttons
constexpr int MACRO_MOUSE_RECORDED_ROWS = 6; // rows 0 to 5: left, right and middle button
constexpr int MACRO_MOUSE_EDITOR_ROWS = 14;  // rows 0 to 13: buttons and the four movements

// How a row of the action list shows an action: the style and text of its three cells.
struct MacroRowCells {
  const wchar_t* kindStyle;
  std::wstring kindText;
  const wchar_t* stateStyle;
  std::wstring stateText;
  std::wstring delayText;
};
MacroRowCells RowCellsOf(const MacroAction& action);
const wchar_t* PressStateStyle(bool down);
extern const wchar_t* const MACRO_LABEL_TEXT_STYLE;
