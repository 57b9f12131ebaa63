#include "macro_action.h"

#include <iterator>

#include "text_parsers.h"

namespace {
constexpr uint8_t kPressed = 0x81;
constexpr uint8_t kReleased = 0x01;
constexpr uint16_t kXMovement = 4;
constexpr uint16_t kYMovement = 5;

constexpr KeyFunctionRow MOUSE_EVENT_ROWS[] = {
    {0x201, 0x10, 0x01, kPressed, 0}, {0x202, 0x10, 0x01, kReleased, 0},  // left
    {0x204, 0x10, 0x02, kPressed, 0}, {0x205, 0x10, 0x02, kReleased, 0},  // right
    {0x207, 0x10, 0x04, kPressed, 0}, {0x208, 0x10, 0x04, kReleased, 0},  // middle
    {0x20B, 0x10, 0x10, kPressed, 0}, {0x20C, 0x10, 0x10, kReleased, 0},  // forward
    {0x20B, 0x10, 0x08, kPressed, 0}, {0x20C, 0x10, 0x08, kReleased, 0},  // back
    {kXMovement, 0x15, 0, 0x84, 0},   {kXMovement, 0x15, 0, 0x04, 0},     // left, right
    {kYMovement, 0x15, 0, 0x85, 0},   {kYMovement, 0x15, 0, 0x05, 0},     // up, down
    {0x20A, 0x12, 0, 0, 0},                                               // wheel
};
const wchar_t* const MACRO_MOUSE_NAME_IDS[] = {
    L"mouse_key_left",          L"mouse_key_left",           L"mouse_key_right",         L"mouse_key_right",
    L"mouse_key_middle",        L"mouse_key_middle",         L"mouse_key_forward",       L"mouse_key_forward",
    L"mouse_key_back",          L"mouse_key_back",           L"mouse_move_to_left_text", L"mouse_move_to_right_text",
    L"mouse_move_to_up_text",   L"mouse_move_to_down_text",  L"mouse_cursor_text"};
static_assert(std::size(MOUSE_EVENT_ROWS) == std::size(MACRO_MOUSE_NAME_IDS), "one name per mouse event");
}  // namespace

const KeyFunctionTable MACRO_MOUSE_EVENTS = {MOUSE_EVENT_ROWS, MACRO_MOUSE_NAME_IDS,
                                             static_cast<int>(std::size(MOUSE_EVENT_ROWS))};
const wchar_t* const MACRO_LABEL_TEXT_STYLE = L"macro_label_text_style";

void MacroAction::SetDelayUnits(int units) {
  delayLow = static_cast<uint8_t>(units & 0xFF);
  delayHigh = static_cast<uint8_t>((units >> 8) & 0xFF);
}

std::optional<MacroAction> ParseMacroAction(const std::wstring& record) {
  MacroAction action;
  if (!ParseMacroActionText(record, action.label, action.delayLow, action.delayHigh, action.type, action.code,
                            action.down))
    return std::nullopt;
  return action;
}

std::wstring FormatMacroAction(const MacroAction& action) {
  return std::to_wstring(action.delayLow) + L"," + std::to_wstring(action.delayHigh) + L"," +
         std::to_wstring(action.type) + L"," + std::to_wstring(action.code) + L"," + std::to_wstring(action.down) +
         L"," + action.label;
}

const wchar_t* PressStateStyle(bool down) { return down ? L"macro_label_down_style" : L"macro_label_up_style"; }

MacroRowCells RowCellsOf(const MacroAction& action) {
  MacroRowCells cells;
  cells.kindStyle = action.IsKeyboardAction() ? L"macro_label_keyboard_style" : L"macro_label_mouse_style";
  cells.kindText = action.label;
  if (action.ShowsAmount()) {
    cells.stateStyle = MACRO_LABEL_TEXT_STYLE;
    cells.stateText = std::to_wstring(action.code);
  } else {
    cells.stateStyle = PressStateStyle(action.down != 0);
  }
  cells.delayText = std::to_wstring(action.DelayMs());
  return cells;
}
