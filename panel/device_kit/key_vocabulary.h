#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The 3-byte assignment of one key or button: a function code and two parameters, the same in key
// tables, profile files and device memory.
struct KeyAssignment {
  uint8_t code = 0;
  uint8_t p1 = 0;
  uint8_t p2 = 0;
  bool operator==(const KeyAssignment& other) const {
    return code == other.code && p1 == other.p1 && p2 == other.p2;
  }
};

enum KeyFunctionCode : uint8_t {
  KEY_FUNC_DEFAULT = 0x00,
  KEY_FUNC_MOUSE_BUTTON = 0x10,
  KEY_FUNC_WHEEL_H = 0x11,
  KEY_FUNC_WHEEL_V = 0x12,
  KEY_FUNC_DPI = 0x13,
  KEY_FUNC_FIRE = 0x14,
  KEY_FUNC_KEY = 0x20,
  KEY_FUNC_CONSUMER = 0x30,
  KEY_FUNC_SYSTEM = 0x40,
  KEY_FUNC_MACRO = 0x70,
  KEY_FUNC_MACRO_REPEAT = 0x71,
  KEY_FUNC_CURSOR_SCRIPT = 0x72,  // the mouse's: p1 the script slot 0..3
  KEY_FUNC_FN = 0xA0,
};

// One row of a vocabulary table. `key` is the Windows virtual-key code in KEYBOARD_KEY_LIST (0x101
// keypad Enter, 0x103 to 0x105 the system keys) and the row's own index elsewhere.
struct KeyFunctionRow {
  uint16_t key;
  uint8_t code;
  uint8_t p1;
  uint8_t p2;
  uint8_t reserved;
};
static_assert(sizeof(KeyFunctionRow) == 6, "a vocabulary row is 6 bytes");

// A table with the text id of each row; a combo's item i is row i.
struct KeyFunctionTable {
  const KeyFunctionRow* rows;
  const wchar_t* const* nameIds;
  int count;
};

extern const KeyFunctionTable MOUSE_BUTTON_FUNCTIONS;
extern const KeyFunctionTable DPI_FUNCTIONS;
extern const KeyFunctionTable SYSTEM_FUNCTIONS;
extern const KeyFunctionTable CONSUMER_FUNCTIONS;
extern const KeyFunctionTable KEYBOARD_KEY_LIST;
// Left/right and up/down swing of the wheel codes; their ids are the labels of those codes.
extern const KeyFunctionTable WHEEL_H_FUNCTIONS;
extern const KeyFunctionTable WHEEL_V_FUNCTIONS;

constexpr int KEYBOARD_KEY_ROWS = 126;
constexpr int KEYBOARD_KEY_ROWS_KEYS_ONLY = KEYBOARD_KEY_ROWS - 21;  // rows 0 to 104: the macro key list
constexpr uint16_t VK_KEYPAD_ENTER = 0x101;

// First row of KEYBOARD_KEY_LIST with this virtual key; an extended VK_RETURN is keypad Enter.
int FindKeyRowByVirtualKey(uint16_t virtualKey, bool extended);
// First row whose p1 and p2 equal the assignment's (the code is not compared); -1 when none.
int FindRowByParameters(const KeyFunctionTable& table, uint8_t p1, uint8_t p2);
// First row whose p1 equals; -1 when none.
int FindRowByFirstParameter(const KeyFunctionTable& table, uint8_t p1);

// The label a key holding the assignment shows. `verbatim` marks a macro name (shown as it is)
// rather than a text id. No label: the key keeps what it showed.
struct KeyLabel {
  std::wstring text;
  bool verbatim = false;
};
// `unknownCodeLabel` is what a code outside the vocabulary shows; each device has its own.
extern const wchar_t* const KEYBOARD_UNKNOWN_CODE_LABEL;
std::optional<KeyLabel> KeyAssignmentLabel(const KeyAssignment& assignment, const std::vector<std::wstring>& macroNames,
                                           const wchar_t* unknownCodeLabel = KEYBOARD_UNKNOWN_CODE_LABEL);
