#include "key_vocabulary.h"

namespace {

constexpr KeyFunctionRow MOUSE_BUTTON_ROWS[] = {
    {0, 0x10, 0x01, 0, 0}, {1, 0x10, 0x04, 0, 0}, {2, 0x10, 0x02, 0, 0}, {3, 0x10, 0x10, 0, 0}, {4, 0x10, 0x08, 0, 0}};
const wchar_t* const MOUSE_BUTTON_NAME_IDS[] = {L"mouse_key_left", L"mouse_key_middle", L"mouse_key_right",
                                                L"mouse_key_forward", L"mouse_key_back"};

constexpr KeyFunctionRow DPI_ROWS[] = {{0, 0x13, 1, 0, 0}, {1, 0x13, 2, 0, 0}, {2, 0x13, 3, 0, 0}};
const wchar_t* const DPI_NAME_IDS[] = {L"mouse_key_DPI_add", L"mouse_key_DPI_sub", L"mouse_key_DPI_loop"};

constexpr KeyFunctionRow SYSTEM_ROWS[] = {{0, 0x40, 1, 0, 0}, {1, 0x40, 2, 0, 0}, {2, 0x40, 4, 0, 0}};
const wchar_t* const SYSTEM_NAME_IDS[] = {L"system_power", L"system_sleep", L"system_wake_up"};

constexpr KeyFunctionRow Consumer(uint16_t index, uint16_t usage) {
  return {index, 0x30, static_cast<uint8_t>(usage), static_cast<uint8_t>(usage >> 8), 0};
}
constexpr KeyFunctionRow CONSUMER_ROWS[] = {
    Consumer(0, 0x0183),  Consumer(1, 0x00CD),  Consumer(2, 0x00B7),  Consumer(3, 0x00B6),  Consumer(4, 0x00B5),
    Consumer(5, 0x00EA),  Consumer(6, 0x00E9),  Consumer(7, 0x00E2),  Consumer(8, 0x0223),  Consumer(9, 0x0227),
    Consumer(10, 0x0226), Consumer(11, 0x0224), Consumer(12, 0x0225), Consumer(13, 0x022A), Consumer(14, 0x0221),
    Consumer(15, 0x0194), Consumer(16, 0x0192), Consumer(17, 0x018A)};
const wchar_t* const MEDIA_NAME_IDS[] = {
    L"media_text",  L"media_play",   L"media_stop",   L"media_prev",   L"media_next",    L"media_vol_sub",
    L"media_vol_add", L"media_mute", L"web_text",     L"web_refresh",  L"wed_stop",      L"wed_back",
    L"wed_forward", L"wed_favorite", L"web_search",   L"media_mypc",   L"media_calc",    L"media_mail"};

constexpr KeyFunctionRow Key(uint16_t virtualKey, uint8_t usage) { return {virtualKey, 0x20, 0, usage, 0}; }
constexpr KeyFunctionRow Modifier(uint16_t virtualKey, uint8_t mask) { return {virtualKey, 0x20, mask, 0, 0}; }
constexpr KeyFunctionRow ConsumerKey(uint16_t virtualKey, uint16_t usage) {
  return {virtualKey, 0x30, static_cast<uint8_t>(usage), static_cast<uint8_t>(usage >> 8), 0};
}
constexpr KeyFunctionRow SystemKey(uint16_t virtualKey, uint8_t p1) { return {virtualKey, 0x40, p1, 0, 0}; }

constexpr KeyFunctionRow KEY_ROWS[] = {
    Modifier(0xA2, 0x01), Modifier(0xA0, 0x02), Modifier(0xA4, 0x04), Modifier(0x5B, 0x08),
    Modifier(0xA3, 0x10), Modifier(0xA1, 0x20), Modifier(0xA5, 0x40), Modifier(0x5C, 0x80),
    // A to Z
    Key(0x41, 0x04), Key(0x42, 0x05), Key(0x43, 0x06), Key(0x44, 0x07), Key(0x45, 0x08), Key(0x46, 0x09),
    Key(0x47, 0x0A), Key(0x48, 0x0B), Key(0x49, 0x0C), Key(0x4A, 0x0D), Key(0x4B, 0x0E), Key(0x4C, 0x0F),
    Key(0x4D, 0x10), Key(0x4E, 0x11), Key(0x4F, 0x12), Key(0x50, 0x13), Key(0x51, 0x14), Key(0x52, 0x15),
    Key(0x53, 0x16), Key(0x54, 0x17), Key(0x55, 0x18), Key(0x56, 0x19), Key(0x57, 0x1A), Key(0x58, 0x1B),
    Key(0x59, 0x1C), Key(0x5A, 0x1D),
    // 1 to 9, 0
    Key(0x31, 0x1E), Key(0x32, 0x1F), Key(0x33, 0x20), Key(0x34, 0x21), Key(0x35, 0x22), Key(0x36, 0x23),
    Key(0x37, 0x24), Key(0x38, 0x25), Key(0x39, 0x26), Key(0x30, 0x27),
    Key(0x0D, 0x28), Key(0x1B, 0x29), Key(0x08, 0x2A), Key(0x09, 0x2B), Key(0x20, 0x2C),
    Key(0xBD, 0x2D), Key(0xBB, 0x2E), Key(0xDB, 0x2F), Key(0xDD, 0x30), Key(0xDC, 0x31),
    Key(0xBA, 0x33), Key(0xDE, 0x34), Key(0xC0, 0x35), Key(0xBC, 0x36), Key(0xBE, 0x37), Key(0xBF, 0x38),
    Key(0x14, 0x39),
    // F1 to F12
    Key(0x70, 0x3A), Key(0x71, 0x3B), Key(0x72, 0x3C), Key(0x73, 0x3D), Key(0x74, 0x3E), Key(0x75, 0x3F),
    Key(0x76, 0x40), Key(0x77, 0x41), Key(0x78, 0x42), Key(0x79, 0x43), Key(0x7A, 0x44), Key(0x7B, 0x45),
    Key(0x2C, 0x46), Key(0x91, 0x47), Key(0x13, 0x48),
    Key(0x2D, 0x49), Key(0x24, 0x4A), Key(0x21, 0x4B), Key(0x2E, 0x4C), Key(0x23, 0x4D), Key(0x22, 0x4E),
    Key(0x27, 0x4F), Key(0x25, 0x50), Key(0x28, 0x51), Key(0x26, 0x52),
    Key(0x90, 0x53), Key(0x6F, 0x54), Key(0x6A, 0x55), Key(0x6D, 0x56), Key(0x6B, 0x57),
    Key(VK_KEYPAD_ENTER, 0x58),
    // keypad 1 to 9, 0
    Key(0x61, 0x59), Key(0x62, 0x5A), Key(0x63, 0x5B), Key(0x64, 0x5C), Key(0x65, 0x5D), Key(0x66, 0x5E),
    Key(0x67, 0x5F), Key(0x68, 0x60), Key(0x69, 0x61), Key(0x60, 0x62),
    Key(0xE2, 0x64), Key(0x6E, 0x63), Key(0x5D, 0x65),
    ConsumerKey(0xB7, 0x0192), ConsumerKey(0xAC, 0x0223), ConsumerKey(0xB3, 0x00CD), ConsumerKey(0xAA, 0x0221),
    ConsumerKey(0xB4, 0x018A), ConsumerKey(0xAF, 0x00E9), ConsumerKey(0xAD, 0x00E2), ConsumerKey(0xB2, 0x00B7),
    ConsumerKey(0xAE, 0x00EA), ConsumerKey(0xAB, 0x022A), ConsumerKey(0xA7, 0x0225), ConsumerKey(0xA6, 0x0224),
    ConsumerKey(0xB1, 0x00B6), ConsumerKey(0xB0, 0x00B5), ConsumerKey(0xB6, 0x0194), ConsumerKey(0xA8, 0x0227),
    ConsumerKey(0xB5, 0x0183), ConsumerKey(0xB5, 0x0183),
    SystemKey(0x103, 1), SystemKey(0x104, 2), SystemKey(0x105, 4)};
const wchar_t* const KEY_NAME_IDS[] = {
    L"keyboard_key_LCtrl", L"keyboard_key_LShift", L"keyboard_key_LAlt", L"keyboard_key_LWin",
    L"keyboard_key_RCtrl", L"keyboard_key_RShift", L"keyboard_key_RAlt", L"keyboard_key_RWin",
    L"keyboard_key_A", L"keyboard_key_B", L"keyboard_key_C", L"keyboard_key_D", L"keyboard_key_E",
    L"keyboard_key_F", L"keyboard_key_G", L"keyboard_key_H", L"keyboard_key_I", L"keyboard_key_J",
    L"keyboard_key_K", L"keyboard_key_L", L"keyboard_key_M", L"keyboard_key_N", L"keyboard_key_O",
    L"keyboard_key_P", L"keyboard_key_Q", L"keyboard_key_R", L"keyboard_key_S", L"keyboard_key_T",
    L"keyboard_key_U", L"keyboard_key_V", L"keyboard_key_W", L"keyboard_key_X", L"keyboard_key_Y",
    L"keyboard_key_Z",
    L"keyboard_key_1", L"keyboard_key_2", L"keyboard_key_3", L"keyboard_key_4", L"keyboard_key_5",
    L"keyboard_key_6", L"keyboard_key_7", L"keyboard_key_8", L"keyboard_key_9", L"keyboard_key_0",
    L"keyboard_key_Enter", L"keyboard_key_Esc", L"keyboard_key_BackSpace", L"keyboard_key_Tab",
    L"keyboard_key_Space",
    L"keyboard_key_-", L"keyboard_key_=", L"keyboard_key_[", L"keyboard_key_]", L"keyboard_key_xiegang",
    L"keyboard_key_;", L"keyboard_key_'", L"keyboard_key_\u0060", L"keyboard_key_<", L"keyboard_key_.",
    L"keyboard_key_/",
    L"keyboard_key_Caplk",
    L"keyboard_key_F1", L"keyboard_key_F2", L"keyboard_key_F3", L"keyboard_key_F4", L"keyboard_key_F5",
    L"keyboard_key_F6", L"keyboard_key_F7", L"keyboard_key_F8", L"keyboard_key_F9", L"keyboard_key_F10",
    L"keyboard_key_F11", L"keyboard_key_F12",
    L"keyboard_key_Print Scr", L"keyboard_key_Scroll Lock", L"keyboard_key_Pause",
    L"keyboard_key_Insert", L"keyboard_key_Home", L"keyboard_key_Page Up", L"keyboard_key_Delete",
    L"keyboard_key_End", L"keyboard_key_Page Down",
    L"keyboard_key_Right", L"keyboard_key_Left", L"keyboard_key_Down", L"keyboard_key_Up",
    L"keyboard_key_Num Lock", L"keyboard_key_Num /", L"keyboard_key_Num *", L"keyboard_key_Num -",
    L"keyboard_key_Num +", L"keyboard_key_Num Enter",
    L"keyboard_key_Num 1", L"keyboard_key_Num 2", L"keyboard_key_Num 3", L"keyboard_key_Num 4",
    L"keyboard_key_Num 5", L"keyboard_key_Num 6", L"keyboard_key_Num 7", L"keyboard_key_Num 8",
    L"keyboard_key_Num 9", L"keyboard_key_Num 0",
    L"keyboard_key_K45", L"keyboard_key_Decimal", L"keyboard_key_App",
    L"keyboard_key_Launch App2", L"keyboard_key_Browaer Home", L"keyboard_key_Media Play Pause",
    L"keyboard_key_Browser Search", L"keyboard_key_Launch Mail", L"keyboard_key_Volume Up",
    L"keyboard_key_Volume Mute", L"keyboard_key_Media Stop", L"keyboard_key_Volume Down",
    L"keyboard_key_Browser Favorites", L"keyboard_key_Browser ForWard", L"keyboard_key_Browser Back",
    L"keyboard_key_Media Prev Track", L"keyboard_key_Media Next Track", L"keyboard_key_Computer",
    L"keyboard_key_Browser Refresh", L"keyboard_key_Launch Media Select", L"keyboard_key_Launch Media Select",
    L"keyboard_key_Power", L"keyboard_key_Sleep", L"keyboard_key_Wakeup"};
static_assert(sizeof(KEY_ROWS) / sizeof(KEY_ROWS[0]) == KEYBOARD_KEY_ROWS, "one row per key");
static_assert(sizeof(KEY_NAME_IDS) / sizeof(KEY_NAME_IDS[0]) == KEYBOARD_KEY_ROWS, "one name per row");

constexpr uint8_t kWheelDirectionBit = 0x80;
constexpr KeyFunctionRow WHEEL_H_ROWS[] = {{0, 0x11, 0, 0, 0}, {1, 0x11, 0, kWheelDirectionBit, 0}};
const wchar_t* const WHEEL_H_NAME_IDS[] = {L"mouse_key_left_Swing", L"mouse_key_right_Swing"};
constexpr KeyFunctionRow WHEEL_V_ROWS[] = {{0, 0x12, 0, 0, 0}, {1, 0x12, 0, kWheelDirectionBit, 0}};
const wchar_t* const WHEEL_V_NAME_IDS[] = {L"mouse_key_up_Swing", L"mouse_key_down_Swing"};

template <size_t N>
constexpr KeyFunctionTable Table(const KeyFunctionRow (&rows)[N], const wchar_t* const (&ids)[N]) {
  return {rows, ids, static_cast<int>(N)};
}

const wchar_t* const kFireLabel = L"mouse_key_fire_key";

std::optional<KeyLabel> RowLabel(const KeyFunctionTable& table, int row) {
  if (row < 0) return std::nullopt;
  return KeyLabel{table.nameIds[row], false};
}

std::optional<KeyLabel> MacroLabel(uint8_t index, const std::vector<std::wstring>& macroNames) {
  if (index >= macroNames.size()) return std::nullopt;
  return KeyLabel{macroNames[index], true};
}

}  // namespace

const wchar_t* const KEYBOARD_UNKNOWN_CODE_LABEL = L"Schli\u00dfen";

const KeyFunctionTable MOUSE_BUTTON_FUNCTIONS = Table(MOUSE_BUTTON_ROWS, MOUSE_BUTTON_NAME_IDS);
const KeyFunctionTable DPI_FUNCTIONS = Table(DPI_ROWS, DPI_NAME_IDS);
const KeyFunctionTable SYSTEM_FUNCTIONS = Table(SYSTEM_ROWS, SYSTEM_NAME_IDS);
const KeyFunctionTable CONSUMER_FUNCTIONS = Table(CONSUMER_ROWS, MEDIA_NAME_IDS);
const KeyFunctionTable KEYBOARD_KEY_LIST = Table(KEY_ROWS, KEY_NAME_IDS);
const KeyFunctionTable WHEEL_H_FUNCTIONS = Table(WHEEL_H_ROWS, WHEEL_H_NAME_IDS);
const KeyFunctionTable WHEEL_V_FUNCTIONS = Table(WHEEL_V_ROWS, WHEEL_V_NAME_IDS);

int FindKeyRowByVirtualKey(uint16_t virtualKey, bool extended) {
  constexpr uint16_t kReturn = 0x0D;
  if (virtualKey == kReturn && extended) virtualKey = VK_KEYPAD_ENTER;
  for (int row = 0; row < KEYBOARD_KEY_LIST.count; ++row)
    if (KEYBOARD_KEY_LIST.rows[row].key == virtualKey) return row;
  return -1;
}

int FindRowByParameters(const KeyFunctionTable& table, uint8_t p1, uint8_t p2) {
  for (int row = 0; row < table.count; ++row)
    if (table.rows[row].p1 == p1 && table.rows[row].p2 == p2) return row;
  return -1;
}

int FindRowByFirstParameter(const KeyFunctionTable& table, uint8_t p1) {
  for (int row = 0; row < table.count; ++row)
    if (table.rows[row].p1 == p1) return row;
  return -1;
}

std::optional<KeyLabel> KeyAssignmentLabel(const KeyAssignment& assignment, const std::vector<std::wstring>& macroNames,
                                           const wchar_t* unknownCodeLabel) {
  const uint8_t p1 = assignment.p1;
  const uint8_t p2 = assignment.p2;
  switch (assignment.code) {
    case KEY_FUNC_DEFAULT:
    case KEY_FUNC_KEY: return RowLabel(KEYBOARD_KEY_LIST, FindRowByParameters(KEYBOARD_KEY_LIST, p1, p2));
    case KEY_FUNC_MOUSE_BUTTON: return RowLabel(MOUSE_BUTTON_FUNCTIONS, FindRowByFirstParameter(MOUSE_BUTTON_FUNCTIONS, p1));
    case KEY_FUNC_WHEEL_H: return RowLabel(WHEEL_H_FUNCTIONS, (p2 & kWheelDirectionBit) ? 1 : 0);
    case KEY_FUNC_WHEEL_V: return RowLabel(WHEEL_V_FUNCTIONS, (p2 & kWheelDirectionBit) ? 1 : 0);
    case KEY_FUNC_DPI: return RowLabel(DPI_FUNCTIONS, FindRowByFirstParameter(DPI_FUNCTIONS, p1));
    case KEY_FUNC_FIRE: return KeyLabel{kFireLabel, false};
    case KEY_FUNC_CONSUMER:
    case 0x21: return RowLabel(CONSUMER_FUNCTIONS, FindRowByParameters(CONSUMER_FUNCTIONS, p1, p2));
    case KEY_FUNC_SYSTEM: return RowLabel(SYSTEM_FUNCTIONS, FindRowByParameters(SYSTEM_FUNCTIONS, p1, p2));
    case KEY_FUNC_MACRO:
    case KEY_FUNC_MACRO_REPEAT: return MacroLabel(p1, macroNames);
    // Codes the device knows and the panel does not name: the key keeps its label.
    case 0x15:
    case 0x50:
    case 0x60:
    case KEY_FUNC_FN:
    case 0xB0:
    case 0xC0: return std::nullopt;
    default: return KeyLabel{unknownCodeLabel, false};
  }
}
