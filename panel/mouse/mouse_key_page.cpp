// The mouse key page as the window runs it: opening a key, the function pages, the key capture, the
// captions and the pictures. The page logic is the core's (mouse_key_assignment.h).
#include <string>

#include "edit_clamp.h"
#include "main_wnd.h"
#include "mouse_key_assignment.h"
#include "mouse_macro_store.h"
#include "msg_wnd.h"

namespace {

const wchar_t* const kFunctionTab = L"ms_tab_function";
const wchar_t* const kFunctionCombo = L"ms_key_fct_combo";
const wchar_t* const kKeyNameEdit = L"ms_key_fct_edit_21";
const wchar_t* const kModifierCombo = L"ms_key_fct_combo_31";
const wchar_t* const kMacroCombo = L"ms_key_fct_combo_23";
const wchar_t* const kPlayModeCombo = L"ms_key_fct_combo_24";
const wchar_t* const kRepeatPanel = L"ms_tab_function_26";
const wchar_t* const kScriptCombo = L"ms_key_fct_combo_25";
constexpr int kRepeatEdit = 25;

// The row combo of each row page.
const wchar_t* RowComboOf(int page) {
  switch (page) {
    case MOUSE_PAGE_BUTTON: return L"ms_key_fct_combo_11";
    case MOUSE_PAGE_DPI: return L"ms_key_fct_combo_14";
    case MOUSE_PAGE_CONSUMER: return L"ms_key_fct_combo_21";
    case MOUSE_PAGE_SYSTEM: return L"ms_key_fct_combo_22";
    default: return nullptr;
  }
}

// Direction combo, amount, high and low nibble edits of the two wheel pages.
struct WheelControls {
  const wchar_t* direction;
  const wchar_t* amount;
  const wchar_t* high;
  const wchar_t* low;
};
WheelControls WheelControlsOf(int page) {
  if (page == MOUSE_PAGE_WHEEL_H)
    return {L"ms_key_fct_combo_12", L"ms_key_fct_edit_15", L"ms_key_fct_edit_17", L"ms_key_fct_edit_20"};
  return {L"ms_key_fct_combo_13", L"ms_key_fct_edit_16", L"ms_key_fct_edit_18", L"ms_key_fct_edit_19"};
}

// The upper bound of each numbered edit; 0 for an edit that is no number.
int EditUpperBound(int number) {
  if (number == 11 || number == 12 || number == kRepeatEdit) return 255;
  if (number == 15 || number == 16) return 127;
  if (number >= 17 && number <= 20) return 15;
  return 0;
}

KeyAssignment EditedAssignment() {
  return {MouseKeyEditState.assignment[0], MouseKeyEditState.assignment[1], MouseKeyEditState.assignment[2]};
}
void SetEditedAssignment(const KeyAssignment& a) {
  MouseKeyEditState.assignment[0] = a.code;
  MouseKeyEditState.assignment[1] = a.p1;
  MouseKeyEditState.assignment[2] = a.p2;
}

class KeyPageControls {
 public:
  explicit KeyPageControls(CMainWnd& window) : window_(window) {}

  int Selected(const wchar_t* name) {
    CComboUI* combo = window_.Find<CComboUI>(name);
    return combo ? combo->GetCurSel() : -1;
  }
  void Select(const wchar_t* name, int item) {
    if (CComboUI* combo = window_.Find<CComboUI>(name)) combo->SelectItem1(item, false, false);
  }
  int Number(const wchar_t* name) {
    CControlUI* edit = window_.Find(name);
    return edit ? ClampEditNumber(edit->GetText().str(), INT32_MAX, false).value : 0;
  }
  void SetNumber(const wchar_t* name, int value) {
    if (CControlUI* edit = window_.Find(name)) edit->SetText(std::to_wstring(value).c_str());
  }
  void Show(const wchar_t* name, bool visible) {
    if (CControlUI* control = window_.Find(name)) control->SetVisible(visible);
  }

  MouseKeyPageView Read(int page) {
    MouseKeyPageView view;
    view.page = page;
    if (const wchar_t* rows = RowComboOf(page)) view.rowItem = Selected(rows);
    if (page == MOUSE_PAGE_WHEEL_H || page == MOUSE_PAGE_WHEEL_V) {
      const WheelControls wheel = WheelControlsOf(page);
      view.direction = Selected(wheel.direction);
      view.amount = Number(wheel.amount);
      view.highNibble = Number(wheel.high);
      view.lowNibble = Number(wheel.low);
    }
    view.fire1 = Number(L"ms_key_fct_edit_11");
    view.fire2 = Number(L"ms_key_fct_edit_12");
    view.modifierItem = Selected(kModifierCombo);
    view.macroItem = Selected(kMacroCombo);
    view.playMode = Selected(kPlayModeCombo);
    view.repeat = Number(L"ms_key_fct_edit_25");
    view.scriptSlot = Selected(kScriptCombo);
    return view;
  }

  // Fills the page's controls without notifications; what is -1 stays as it is.
  void Write(const MouseKeyPageView& view) {
    const wchar_t* rows = RowComboOf(view.page);
    if (rows && view.rowItem >= 0) Select(rows, view.rowItem);
    if (view.page == MOUSE_PAGE_WHEEL_H || view.page == MOUSE_PAGE_WHEEL_V) {
      const WheelControls wheel = WheelControlsOf(view.page);
      Select(wheel.direction, view.direction);
      SetNumber(wheel.amount, view.amount);
      SetNumber(wheel.high, view.highNibble);
      SetNumber(wheel.low, view.lowNibble);
    }
    if (view.page == MOUSE_PAGE_FIRE) {
      SetNumber(L"ms_key_fct_edit_11", view.fire1);
      SetNumber(L"ms_key_fct_edit_12", view.fire2);
    }
    if (view.page == MOUSE_PAGE_KEY && view.keyRow >= 0) {
      if (CControlUI* name = window_.Find(kKeyNameEdit)) name->SetText(KEYBOARD_KEY_LIST.nameIds[view.keyRow]);
      Select(kModifierCombo, view.modifierItem);
    }
    if (view.page == MOUSE_PAGE_MACRO) {
      Select(kMacroCombo, view.macroItem);
      if (view.macroItem >= 0) Select(kPlayModeCombo, view.playMode);
      Show(kRepeatPanel, view.playMode == MOUSE_KEY_REPEAT_PLAY_MODE);
      if (view.playMode == MOUSE_KEY_REPEAT_PLAY_MODE) SetNumber(L"ms_key_fct_edit_25", view.repeat);
    }
    if (view.page == MOUSE_PAGE_CURSOR) Select(kScriptCombo, view.scriptSlot);
  }

 private:
  CMainWnd& window_;
};

}  // namespace

void CMainWnd::ShowMouseKeyAssignment(int key) {
  MouseKeyTable* table = MouseKeyTableOfProfile(MouseLiveSettings[0]);
  if (!table || key < 0 || key >= MOUSE_BOUND_KEYS) return;
  MouseKeyEditState.key = static_cast<uint16_t>(key);
  SetEditedAssignment(MouseKeyAssignmentOf(*table, key));
  CControlUI* functionTab = Find(kFunctionTab);
  if (IsLastLeftButton(*table, key)) {
    ShowMessageBox(m_hWnd, nullptr, L"message_text_6", true);
    if (functionTab) functionTab->SetEnabled(false);
    return;
  }
  if (functionTab) {
    functionTab->SetVisible(true);
    functionTab->SetEnabled(true);
  }
  const KeyAssignment factory = MouseKeyAssignmentOf(MouseFactoryKeyTable, key);
  CComboUI* macros = Find<CComboUI>(kMacroCombo);
  const MouseKeyPageView view = OpenMouseKeyAssignment(EditedAssignment(), factory, macros ? macros->GetCount() : 0);
  if (view.page < 0) return;
  KeyPageControls(*this).Write(view);
  CComboUI* pages = Find<CComboUI>(kFunctionCombo);
  if (!pages) return;
  // A changed page runs the page selection, which stores what the page shows; the same page keeps
  // its hook as it is, and the keyboard-key page needs it.
  if (pages->GetCurSel() != view.page) pages->SelectItem(view.page);
  else if (view.page == MOUSE_PAGE_KEY) SetHook(HOOK_MODE_MOU_SINGLEKEY, true, true, false);
}

void CMainWnd::SelectMouseKeyFunctionPage() {
  SetHook(HOOK_MODE_MOU_SINGLEKEY, false, true, false);
  CComboUI* pages = Find<CComboUI>(kFunctionCombo);
  if (!pages) return;
  KeyPageControls controls(*this);
  for (int page = 0; page < pages->GetCount(); ++page)
    controls.Show((L"ms_tab_function_" + std::to_wstring(page)).c_str(), false);
  const int page = pages->GetCurSel();
  if (page < 0 || page >= MOUSE_KEY_FUNCTION_PAGE_COUNT) return;
  MouseSelectedFunctionCode = MOUSE_KEY_FUNCTION_PAGES[page].code;
  controls.Show((L"ms_tab_function_" + std::to_wstring(page)).c_str(), true);
  if (page == MOUSE_PAGE_KEY) SetHook(HOOK_MODE_MOU_SINGLEKEY, true, true, false);
  ApplyMouseKeyFunction();
}

void CMainWnd::ApplyMouseKeyFunction() {
  const int profile = MouseLiveSettings[0];
  MouseKeyTable* table = MouseKeyTableOfProfile(profile);
  const int key = MouseKeyEditState.key;
  const int page = MouseKeyPageOfCode(static_cast<uint8_t>(MouseSelectedFunctionCode));
  if (!table || key >= MOUSE_BOUND_KEYS || page < 0) return;
  CControlUI* keyName = Find(kKeyNameEdit);
  const bool hasKeyName = keyName && !keyName->GetText().IsEmpty();
  const std::optional<KeyAssignment> built =
      BuildMouseKeyAssignment(MOUSE_KEY_FUNCTION_PAGES[page].code, KeyPageControls(*this).Read(page), EditedAssignment(),
                              MouseKeyAssignmentOf(MouseFactoryKeyTable, key), hasKeyName);
  if (!built) return;
  SetEditedAssignment(*built);
  StoreMouseKeyAssignment(*table, key, *built);
  // The captions show the table just changed, whichever on-board profile the page edits.
  RelabelMouseKeys(profile);
}

void CMainWnd::RestoreMouseKeyDefault() {
  MouseKeyTable* table = MouseKeyTableOfProfile(MouseLiveSettings[0]);
  const int key = MouseKeyEditState.key;
  if (!table || key >= MOUSE_BOUND_KEYS) return;
  const KeyAssignment factory = MouseKeyAssignmentOf(MouseFactoryKeyTable, key);
  StoreMouseKeyAssignment(*table, key, factory);
  SetEditedAssignment(factory);
  ShowMouseKeyAssignment(key);
}

void CMainWnd::CancelMouseKeyAssignment() {
  if (CControlUI* functionTab = Find(kFunctionTab)) {
    functionTab->SetVisible(false);
    functionTab->SetEnabled(false);
  }
  m_deviceHook.Uninstall();
}

void CMainWnd::CaptureMouseKeyAssignment(WPARAM, LPARAM lParam) {
  const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (!event) return;
  const std::optional<MouseKeyCapture> capture =
      CaptureMouseKey(event->vkCode, event->flags, KeyPageControls(*this).Selected(kModifierCombo));
  if (!capture) return;
  if (CControlUI* keyName = Find(kKeyNameEdit)) keyName->SetText(KEYBOARD_KEY_LIST.nameIds[capture->row]);
  SetEditedAssignment(capture->assignment);
  ApplyMouseKeyFunction();
}

void CMainWnd::OnMouseKeyComboSelect(int number) {
  if (number == 24) KeyPageControls(*this).Show(kRepeatPanel, KeyPageControls(*this).Selected(kPlayModeCombo) == 4);
  ApplyMouseKeyFunction();
}

void CMainWnd::OnMouseKeyEditChanged(CControlUI* edit) {
  const std::wstring name = edit->GetName().str();
  const int number = _wtoi(name.substr(name.rfind(L'_') + 1).c_str());
  const int upper = EditUpperBound(number);
  if (upper == 0) return;
  const ClampedNumber value = ClampEditNumber(edit->GetText().str(), upper, number == kRepeatEdit);
  if (value.clamped) edit->SetText(std::to_wstring(value.value).c_str());
  ApplyMouseKeyFunction();
}

void CMainWnd::UpdateMouseKeyCaption(int key, const KeyLabel& caption) {
  CControlUI* button = Find((L"ms_key_" + std::to_wstring(key)).c_str());
  if (!button) return;
  button->SetResourceText(!caption.verbatim);
  button->SetText(caption.text.c_str());
  button->SetToolTip(caption.text.c_str());
}

void CMainWnd::RelabelMouseKeys(int profile) {
  const MouseKeyTable* table = MouseKeyTableOfProfile(profile);
  if (!table) return;
  const std::vector<std::wstring> macroNames = ReadMouseMacroNames(GetMouseProfileFolder());
  for (int key = 0; key < MOUSE_PAGE_KEYS; ++key)
    if (const auto caption = MouseKeyCaption(MouseKeyAssignmentOf(*table, key), macroNames))
      UpdateMouseKeyCaption(key, *caption);
}

void CMainWnd::ShowMouseKeyPicture(int key, bool hover) {
  if (key < 0 || key >= MOUSE_PAGE_KEYS) return;
  if (CControlUI* picture = Find((L"ms_key_" + std::to_wstring(key) + L"_0").c_str()))
    picture->SetBkImage(hover ? MOUSE_KEY_NAMES[key].hover : MOUSE_KEY_NAMES[key].normal);
}

namespace {
constexpr int kChooserRowHeight = 30;

void AddChoice(CComboUI& combo, const wchar_t* text, bool textId) {
  auto* item = new CListLabelElementUI;
  item->SetResourceText(textId);
  item->SetText(text);
  item->SetFixedHeight(kChooserRowHeight);
  combo.Add(item);
}
}  // namespace

void CMainWnd::FillMouseKeyPage() {
  // Item i of a row combo is row i of its table.
  for (int page : {MOUSE_PAGE_BUTTON, MOUSE_PAGE_DPI, MOUSE_PAGE_CONSUMER, MOUSE_PAGE_SYSTEM})
    if (CComboUI* combo = Find<CComboUI>(RowComboOf(page))) {
      const KeyFunctionTable& table = *MOUSE_KEY_FUNCTION_PAGES[page].rows;
      for (int row = 0; row < table.count; ++row) AddChoice(*combo, table.nameIds[row], true);
    }
  if (CComboUI* modifiers = Find<CComboUI>(kModifierCombo)) {
    AddChoice(*modifiers, L"mouse_modifier_none", true);
    for (int row = 0; row + 1 < MOUSE_MODIFIER_ITEMS; ++row) AddChoice(*modifiers, KEYBOARD_KEY_LIST.nameIds[row], true);
  }
}
