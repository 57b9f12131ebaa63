#include "mouse_key_assignment.h"

#include <algorithm>

namespace {
constexpr uint8_t kWheelLeftOrUpBit = 0x80;  // set: right or down
constexpr int kMostWheelAmount = 127;
constexpr int kMostNibble = 15;
constexpr int kMostByte = 255;
constexpr KeyAssignment kLeftButton = {KEY_FUNC_MOUSE_BUTTON, 1, 0};
const wchar_t* const kCursorScriptLabels[MOUSE_CURSOR_SLOTS] = {L"GUN_1", L"GUN_2", L"GUN_3", L"GUN_4"};

uint8_t Clamped(int value, int most) { return static_cast<uint8_t>(std::clamp(value, 0, most)); }

bool IsItemOf(int item, const KeyFunctionTable& table) { return item >= 0 && item < table.count; }

std::optional<KeyAssignment> RowAssignment(const KeyFunctionTable& table, int item) {
  if (!IsItemOf(item, table)) return std::nullopt;
  const KeyFunctionRow& row = table.rows[item];
  return KeyAssignment{row.code, row.p1, row.p2};
}

void ShowWheel(MouseKeyPageView& view, const KeyAssignment& a) {
  view.highNibble = a.p1 >> 4;
  view.lowNibble = a.p1 & 0x0F;
  view.direction = (a.p2 & kWheelLeftOrUpBit) ? 1 : 0;
  view.amount = a.p2 & 0x7F;
}

// A key with a modifier matches no row: the page then shows the plain key and the modifier item.
void ShowKey(MouseKeyPageView& view, const KeyAssignment& a) {
  view.keyRow = FindRowByParameters(KEYBOARD_KEY_LIST, a.p1, a.p2);
  if (view.keyRow >= 0) {
    view.modifierItem = 0;
    return;
  }
  for (int row = 0; row < KEYBOARD_KEY_LIST.count && view.keyRow < 0; ++row)
    if (KEYBOARD_KEY_LIST.rows[row].code == KEY_FUNC_KEY && KEYBOARD_KEY_LIST.rows[row].p1 == 0 &&
        KEYBOARD_KEY_LIST.rows[row].p2 == a.p2)
      view.keyRow = row;
  for (int item = 1; item < MOUSE_MODIFIER_ITEMS; ++item)
    if (KEYBOARD_KEY_LIST.rows[item - 1].p1 == a.p1) view.modifierItem = item;
}

std::optional<KeyAssignment> BuildWheel(uint8_t code, const MouseKeyPageView& view) {
  if (view.direction < 0) return std::nullopt;
  const uint8_t amount = Clamped(view.amount, kMostWheelAmount);
  const uint8_t nibbles = static_cast<uint8_t>(Clamped(view.highNibble, kMostNibble) << 4 | Clamped(view.lowNibble, kMostNibble));
  return KeyAssignment{code, nibbles, static_cast<uint8_t>(view.direction == 0 ? amount : amount | kWheelLeftOrUpBit)};
}

std::optional<KeyAssignment> BuildMacro(const MouseKeyPageView& view) {
  if (view.macroItem < 0 || view.macroItem > kMostByte) return std::nullopt;
  const uint8_t macro = static_cast<uint8_t>(view.macroItem);
  if (view.playMode == MOUSE_KEY_REPEAT_PLAY_MODE)
    return KeyAssignment{KEY_FUNC_MACRO_REPEAT, macro, Clamped(std::max(view.repeat, 1), kMostByte)};
  return KeyAssignment{KEY_FUNC_MACRO, macro, Clamped(view.playMode, MOUSE_KEY_REPEAT_PLAY_MODE - 1)};
}
}  // namespace

const wchar_t* const MOUSE_UNKNOWN_CODE_LABEL = L"close_text";

const MouseKeyPictures MOUSE_KEY_NAMES[MOUSE_PAGE_KEYS] = {
    {L"file='ms/key_left_down.png'", L"file='ms/key_left_normal.png'"},
    {L"file='ms/key_wheel_down.png'", L"file='ms/key_wheel_normal.png'"},
    {L"file='ms/key_right_down.png'", L"file='ms/key_right_normal.png'"},
    {L"file='ms/key_forward_down.png'", L"file='ms/key_forward_normal.png'"},
    {L"file='ms/key_back_down.png'", L"file='ms/key_back_normal.png'"},
    {L"file='ms/key_dpi_down.png'", L"file='ms/key_dpi_normal.png'"},
    {L"file='ms/key_dpi_down1.png'", L"file='ms/key_dpi_normal1.png'"},
};

const MouseKeyFunctionPage MOUSE_KEY_FUNCTION_PAGES[MOUSE_KEY_FUNCTION_PAGE_COUNT] = {
    {KEY_FUNC_DEFAULT, nullptr},   {KEY_FUNC_MOUSE_BUTTON, &MOUSE_BUTTON_FUNCTIONS},
    {KEY_FUNC_WHEEL_H, nullptr},   {KEY_FUNC_WHEEL_V, nullptr},
    {KEY_FUNC_DPI, &DPI_FUNCTIONS}, {KEY_FUNC_FIRE, nullptr},
    {KEY_FUNC_KEY, nullptr},       {KEY_FUNC_CONSUMER, &CONSUMER_FUNCTIONS},
    {KEY_FUNC_SYSTEM, &SYSTEM_FUNCTIONS}, {KEY_FUNC_MACRO, nullptr},
    {KEY_FUNC_CURSOR_SCRIPT, nullptr},
};

int MouseKeyPageOfCode(uint8_t code) {
  if (code == KEY_FUNC_MACRO_REPEAT) return MOUSE_PAGE_MACRO;
  for (int page = 0; page < MOUSE_KEY_FUNCTION_PAGE_COUNT; ++page)
    if (MOUSE_KEY_FUNCTION_PAGES[page].code == code) return page;
  return -1;
}

MouseKeyPageView OpenMouseKeyAssignment(const KeyAssignment& assignment, const KeyAssignment& factory, int macroCount) {
  KeyAssignment a = assignment;
  if (a == factory) a.code = KEY_FUNC_DEFAULT;
  MouseKeyPageView view;
  view.page = MouseKeyPageOfCode(a.code);
  if (view.page < 0) return view;
  const KeyFunctionTable* rows = MOUSE_KEY_FUNCTION_PAGES[view.page].rows;
  if (rows) view.rowItem = FindRowByParameters(*rows, a.p1, a.p2);
  switch (a.code) {
    case KEY_FUNC_WHEEL_H:
    case KEY_FUNC_WHEEL_V: ShowWheel(view, a); break;
    case KEY_FUNC_FIRE:
      view.fire1 = a.p1;
      view.fire2 = a.p2;
      break;
    case KEY_FUNC_KEY: ShowKey(view, a); break;
    case KEY_FUNC_MACRO:
    case KEY_FUNC_MACRO_REPEAT:
      view.macroItem = a.p1 < macroCount ? a.p1 : -1;
      view.playMode = a.code == KEY_FUNC_MACRO_REPEAT ? MOUSE_KEY_REPEAT_PLAY_MODE : a.p2;
      if (a.code == KEY_FUNC_MACRO_REPEAT) view.repeat = a.p2;
      break;
    case KEY_FUNC_CURSOR_SCRIPT: view.scriptSlot = a.p1 < MOUSE_CURSOR_SLOTS ? a.p1 : -1; break;
    default: break;
  }
  return view;
}

std::optional<KeyAssignment> BuildMouseKeyAssignment(uint8_t code, const MouseKeyPageView& view,
                                                     const KeyAssignment& edited, const KeyAssignment& factory,
                                                     bool hasKeyName) {
  switch (code) {
    case KEY_FUNC_DEFAULT: return factory;
    case KEY_FUNC_MOUSE_BUTTON: return RowAssignment(MOUSE_BUTTON_FUNCTIONS, view.rowItem);
    case KEY_FUNC_DPI: return RowAssignment(DPI_FUNCTIONS, view.rowItem);
    case KEY_FUNC_CONSUMER: return RowAssignment(CONSUMER_FUNCTIONS, view.rowItem);
    case KEY_FUNC_SYSTEM: return RowAssignment(SYSTEM_FUNCTIONS, view.rowItem);
    case KEY_FUNC_WHEEL_H:
    case KEY_FUNC_WHEEL_V: return BuildWheel(code, view);
    case KEY_FUNC_FIRE: return KeyAssignment{KEY_FUNC_FIRE, Clamped(view.fire1, kMostByte), Clamped(view.fire2, kMostByte)};
    case KEY_FUNC_KEY: {
      if (!hasKeyName) return std::nullopt;
      KeyAssignment key = edited;
      if (view.modifierItem == 0) key.p1 = 0;
      return key;
    }
    case KEY_FUNC_MACRO: return BuildMacro(view);
    case KEY_FUNC_CURSOR_SCRIPT:
      if (view.scriptSlot < 0 || view.scriptSlot >= MOUSE_CURSOR_SLOTS) return std::nullopt;
      return KeyAssignment{KEY_FUNC_CURSOR_SCRIPT, static_cast<uint8_t>(view.scriptSlot), 0};
    default: return std::nullopt;
  }
}

std::optional<MouseKeyCapture> CaptureMouseKey(DWORD virtualKey, DWORD flags, int modifierItem) {
  constexpr DWORD kExtended = 0x01;
  constexpr DWORD kKeyUp = 0x80;
  const bool keypad = (flags & ~kKeyUp) == kExtended;
  const int row = virtualKey > 0xFFFF ? -1 : FindKeyRowByVirtualKey(static_cast<uint16_t>(virtualKey), keypad);
  if (row < 0 || KEYBOARD_KEY_LIST.rows[row].code != KEY_FUNC_KEY) return std::nullopt;
  const KeyFunctionRow& key = KEYBOARD_KEY_LIST.rows[row];
  const bool ownMask = modifierItem <= 0 || modifierItem >= MOUSE_MODIFIER_ITEMS;
  const uint8_t mask = ownMask ? key.p1 : KEYBOARD_KEY_LIST.rows[modifierItem - 1].p1;
  return MouseKeyCapture{row, {KEY_FUNC_KEY, mask, key.p2}};
}

KeyAssignment MouseKeyAssignmentOf(const MouseKeyTable& table, int key) {
  return {table[3 * key], table[3 * key + 1], table[3 * key + 2]};
}

void StoreMouseKeyAssignment(MouseKeyTable& table, int key, const KeyAssignment& assignment) {
  table[3 * key] = assignment.code;
  table[3 * key + 1] = assignment.p1;
  table[3 * key + 2] = assignment.p2;
}

bool IsLastLeftButton(const MouseKeyTable& table, int key) {
  if (!(MouseKeyAssignmentOf(table, key) == kLeftButton)) return false;
  for (int other = 0; other < MOUSE_BOUND_KEYS; ++other)
    if (other != key && MouseKeyAssignmentOf(table, other) == kLeftButton) return false;
  return true;
}

std::optional<KeyLabel> MouseKeyCaption(const KeyAssignment& assignment, const std::vector<std::wstring>& macroNames) {
  if (assignment.code != KEY_FUNC_CURSOR_SCRIPT) return KeyAssignmentLabel(assignment, macroNames, MOUSE_UNKNOWN_CODE_LABEL);
  if (assignment.p1 >= MOUSE_CURSOR_SLOTS) return std::nullopt;
  return KeyLabel{kCursorScriptLabels[assignment.p1], false};
}
