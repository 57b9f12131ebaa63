#include "keyboard_key_editor.h"

#include <cwchar>

namespace {
constexpr uint8_t kDirectionBit = 0x80;

std::wstring Number(int value) { return std::to_wstring(value); }

// A byte typed into an edit: the decimal number's low byte.
uint8_t EditByte(const KeyEditorInputs& inputs, const wchar_t* edit) {
  return static_cast<uint8_t>(wcstol(inputs.EditText(edit).c_str(), nullptr, 10));
}

void AddCombo(KeyEditorView& view, const wchar_t* combo, int item) {
  if (item >= 0) view.settings.push_back({KeyEditorSetting::ComboItem, combo, item, {}});
}
void AddEdit(KeyEditorView& view, const wchar_t* edit, const std::wstring& text) {
  view.settings.push_back({KeyEditorSetting::EditText, edit, 0, text});
}

struct WheelControls {
  const wchar_t* direction;
  const wchar_t* highNibble;
  const wchar_t* lowNibble;
  const wchar_t* amount;
};
const WheelControls kHorizontalWheel{L"kb_key_fct_combo_12", L"kb_key_fct_edit_17", L"kb_key_fct_edit_20",
                                     L"kb_key_fct_edit_15"};
const WheelControls kVerticalWheel{L"kb_key_fct_combo_13", L"kb_key_fct_edit_18", L"kb_key_fct_edit_19",
                                   L"kb_key_fct_edit_16"};

void ShowWheel(KeyEditorView& view, const WheelControls& wheel, const KeyAssignment& a) {
  AddEdit(view, wheel.highNibble, Number(a.p1 / 16));
  AddEdit(view, wheel.lowNibble, Number(a.p1 % 16));
  AddEdit(view, wheel.amount, Number(a.p2 % 128));
  AddCombo(view, wheel.direction, (a.p2 & kDirectionBit) ? 1 : 0);
}

KeyAssignment BuildWheel(uint8_t code, const WheelControls& wheel, const KeyEditorInputs& inputs) {
  const uint8_t p1 = static_cast<uint8_t>(EditByte(inputs, wheel.highNibble) * 16 + EditByte(inputs, wheel.lowNibble));
  uint8_t p2 = EditByte(inputs, wheel.amount);
  if (inputs.ComboSelection(wheel.direction) != 0) p2 = static_cast<uint8_t>(p2 - 128);
  return {code, p1, p2};
}

std::optional<KeyAssignment> ChosenRow(const KeyFunctionTable& table, const KeyEditorInputs& inputs,
                                       const wchar_t* combo) {
  const int item = inputs.ComboSelection(combo);
  if (item < 0 || item >= table.count) return std::nullopt;
  return KeyAssignment{table.rows[item].code, table.rows[item].p1, table.rows[item].p2};
}

std::optional<KeyAssignment> ChosenMacro(const KeyEditorInputs& inputs) {
  const int macro = inputs.ComboSelection(L"kb_key_fct_combo_23");
  if (macro < 0) return std::nullopt;
  const int mode = inputs.ComboSelection(L"kb_key_fct_combo_24");
  if (mode == KEY_EDITOR_REPEAT_ITEM)
    return KeyAssignment{KEY_FUNC_MACRO_REPEAT, static_cast<uint8_t>(macro), EditByte(inputs, L"kb_key_fct_edit_25")};
  return KeyAssignment{KEY_FUNC_MACRO, static_cast<uint8_t>(macro), static_cast<uint8_t>(mode)};
}

std::optional<KeyAssignment> BuildAssignment(const KeyboardState& state, const KeyboardKeyEditor& editor,
                                             const KeyEditorInputs& inputs) {
  switch (editor.selectedTabCode) {
    case KEY_FUNC_DEFAULT: return state.FactoryAssignment(editor.editSlot);
    case KEY_FUNC_MOUSE_BUTTON: return ChosenRow(MOUSE_BUTTON_FUNCTIONS, inputs, L"kb_key_fct_combo_11");
    case KEY_FUNC_WHEEL_H: return BuildWheel(KEY_FUNC_WHEEL_H, kHorizontalWheel, inputs);
    case KEY_FUNC_WHEEL_V: return BuildWheel(KEY_FUNC_WHEEL_V, kVerticalWheel, inputs);
    case KEY_FUNC_DPI: return ChosenRow(DPI_FUNCTIONS, inputs, L"kb_key_fct_combo_14");
    case KEY_FUNC_FIRE:
      return KeyAssignment{KEY_FUNC_FIRE, EditByte(inputs, L"kb_key_fct_edit_11"), EditByte(inputs, L"kb_key_fct_edit_12")};
    case KEY_FUNC_KEY:
      if (inputs.EditText(L"kb_key_fct_edit_21").empty()) return std::nullopt;
      return editor.edit;
    case KEY_FUNC_CONSUMER: return ChosenRow(CONSUMER_FUNCTIONS, inputs, L"kb_key_fct_combo_21");
    case KEY_FUNC_SYSTEM: return ChosenRow(SYSTEM_FUNCTIONS, inputs, L"kb_key_fct_combo_22");
    case KEY_FUNC_MACRO: return ChosenMacro(inputs);
    default: return std::nullopt;
  }
}

void ShowMacro(KeyEditorView& view, const KeyAssignment& a, int macroItems) {
  if (a.p1 >= macroItems) {
    view.settings.push_back({KeyEditorSetting::ComboNoSelection, L"kb_key_fct_combo_23", -1, {}});
    return;
  }
  view.settings.push_back({KeyEditorSetting::ComboItemQuietly, L"kb_key_fct_combo_23", a.p1, {}});
  if (a.code == KEY_FUNC_MACRO) {
    AddCombo(view, L"kb_key_fct_combo_24", a.p2);
  } else {
    AddCombo(view, L"kb_key_fct_combo_24", KEY_EDITOR_REPEAT_ITEM);
    AddEdit(view, L"kb_key_fct_edit_25", Number(a.p2));
  }
}

int TabItemOf(uint8_t code) {
  if (code == KEY_FUNC_MACRO_REPEAT) code = KEY_FUNC_MACRO;
  for (int item = 0; item < KEY_EDITOR_TABS; ++item)
    if (KEY_EDITOR_TAB_CODES[item] == code) return item;
  return -1;
}

KeyEditorView ViewOf(const KeyAssignment& a, int macroItems) {
  KeyEditorView view;
  switch (a.code) {
    case KEY_FUNC_MOUSE_BUTTON:
      AddCombo(view, L"kb_key_fct_combo_11", FindRowByParameters(MOUSE_BUTTON_FUNCTIONS, a.p1, a.p2));
      break;
    case KEY_FUNC_WHEEL_H: ShowWheel(view, kHorizontalWheel, a); break;
    case KEY_FUNC_WHEEL_V: ShowWheel(view, kVerticalWheel, a); break;
    case KEY_FUNC_DPI: AddCombo(view, L"kb_key_fct_combo_14", FindRowByParameters(DPI_FUNCTIONS, a.p1, a.p2)); break;
    case KEY_FUNC_FIRE:
      AddEdit(view, L"kb_key_fct_edit_11", Number(a.p1));
      AddEdit(view, L"kb_key_fct_edit_12", Number(a.p2));
      break;
    case KEY_FUNC_KEY: {
      const int row = FindRowByParameters(KEYBOARD_KEY_LIST, a.p1, a.p2);
      if (row >= 0) AddEdit(view, L"kb_key_fct_edit_21", KEYBOARD_KEY_LIST.nameIds[row]);
      view.captureKeys = true;
      break;
    }
    case KEY_FUNC_CONSUMER:
      AddCombo(view, L"kb_key_fct_combo_21", FindRowByParameters(CONSUMER_FUNCTIONS, a.p1, a.p2));
      break;
    case KEY_FUNC_SYSTEM: AddCombo(view, L"kb_key_fct_combo_22", FindRowByParameters(SYSTEM_FUNCTIONS, a.p1, a.p2)); break;
    case KEY_FUNC_MACRO:
    case KEY_FUNC_MACRO_REPEAT: ShowMacro(view, a, macroItems); break;
    default: break;
  }
  view.tabItem = TabItemOf(a.code);
  return view;
}

bool SlotFits(int slot) { return slot >= 0 && slot < KEYBOARD_MOST_SLOTS && slot != KEYBOARD_NO_SLOT; }
}  // namespace

const uint8_t KEY_EDITOR_TAB_CODES[KEY_EDITOR_TABS] = {
    KEY_FUNC_DEFAULT, KEY_FUNC_KEY, KEY_FUNC_MOUSE_BUTTON, KEY_FUNC_WHEEL_H, KEY_FUNC_WHEEL_V,
    KEY_FUNC_DPI,     KEY_FUNC_FIRE, KEY_FUNC_CONSUMER,    KEY_FUNC_SYSTEM,  KEY_FUNC_MACRO};

std::optional<KeyEditorView> ShowKeyAssignment(const KeyboardState& state, KeyboardKeyEditor& editor, int position,
                                               int macroItems) {
  if (position < 0 || position >= KEYBOARD_UI_KEYS) return std::nullopt;
  const int slot = state.KeyboardUiKeyMap[position];
  if (!SlotFits(slot)) return std::nullopt;
  editor.editSlot = slot;
  editor.edit = state.Assignment(state.LiveProfileIndex(), slot);
  if (editor.edit == state.FactoryAssignment(slot)) editor.edit.code = KEY_FUNC_DEFAULT;
  return ViewOf(editor.edit, macroItems);
}

bool SelectKeyEditorTab(KeyboardKeyEditor& editor, int item) {
  if (item < 0 || item >= KEY_EDITOR_TABS) return false;
  editor.selectedTabCode = KEY_EDITOR_TAB_CODES[item];
  return true;
}

bool ApplyKeyAssignment(KeyboardState& state, KeyboardKeyEditor& editor, const KeyEditorInputs& inputs) {
  if (editor.showing || !SlotFits(editor.editSlot)) return false;
  const std::optional<KeyAssignment> built = BuildAssignment(state, editor, inputs);
  if (!built) return false;
  editor.edit = *built;
  uint8_t* at = state.keyTables[state.LiveProfileIndex()].data() + 3 * editor.editSlot;
  at[0] = built->code, at[1] = built->p1, at[2] = built->p2;
  return true;
}

void RestoreKeyAssignment(KeyboardState& state, KeyboardKeyEditor& editor) {
  if (!SlotFits(editor.editSlot)) return;
  editor.edit = state.FactoryAssignment(editor.editSlot);
  uint8_t* at = state.keyTables[state.LiveProfileIndex()].data() + 3 * editor.editSlot;
  at[0] = editor.edit.code, at[1] = editor.edit.p1, at[2] = editor.edit.p2;
}

int PositionOfSlot(const KeyboardState& state, int slot) {
  for (int position = 0; position < KEYBOARD_UI_KEYS; ++position)
    if (state.KeyboardUiKeyMap[position] == slot) return position;
  return -1;
}

std::optional<int> CapturedKeyRow(DWORD virtualKey, DWORD flags) {
  const int row = FindKeyRowByVirtualKey(static_cast<uint16_t>(virtualKey), (flags & LLKHF_EXTENDED) != 0);
  if (row < 0 || KEYBOARD_KEY_LIST.rows[row].code != KEY_FUNC_KEY) return std::nullopt;
  return row;
}

void TakeCapturedKey(KeyboardKeyEditor& editor, int row) {
  editor.edit = {KEY_FUNC_KEY, KEYBOARD_KEY_LIST.rows[row].p1, KEYBOARD_KEY_LIST.rows[row].p2};
}

std::vector<KeyCaption> KeyCaptions(const KeyboardState& state, int profile, const std::vector<std::wstring>& macroNames) {
  std::vector<KeyCaption> captions;
  for (int slot = 0; slot < state.KeySlotCount(); ++slot) {
    const std::optional<KeyLabel> label = KeyAssignmentLabel(state.Assignment(profile, slot), macroNames);
    const int position = PositionOfSlot(state, slot);
    if (!label || position < 0) continue;
    const KeyAssignment factory = state.FactoryAssignment(slot);
    const int defaultRow = FindRowByParameters(KEYBOARD_KEY_LIST, factory.p1, factory.p2);
    KeyCaption caption{position,
                       defaultRow >= 0 ? KEYBOARD_KEY_LIST.nameIds[defaultRow] : L"kb_key_" + Number(position),
                       label->text, label->verbatim, false};
    caption.marked = _wcsicmp(caption.label.c_str(), caption.defaultName.c_str()) != 0;
    captions.push_back(caption);
  }
  return captions;
}
