// The keyboard's key page: the key buttons, the function editor and key capture. Each method reads
// controls, calls the key editor of the core and writes controls.
#include <cwchar>

#include "control_lookup.h"
#include "keyboard_key_editor.h"
#include "keyboard_page_state.h"
#include "keyboard_profile_page.h"
#include "macro_files.h"
#include "macro_page.h"
#include "main_wnd.h"
#include "msg_wnd.h"

namespace {

KeyboardKeyEditor& Editor() {
  static KeyboardKeyEditor editor;
  return editor;
}

// The editor's controls as the window holds them.
class WindowKeyEditorInputs : public KeyEditorInputs {
 public:
  explicit WindowKeyEditorInputs(const CMainWnd& window) : window_(window) {}
  int ComboSelection(const wchar_t* combo) const override {
    auto* control = window_.Find<CComboUI>(combo);
    return control ? control->GetCurSel() : -1;
  }
  std::wstring EditText(const wchar_t* edit) const override {
    CControlUI* control = window_.Find(edit);
    return control ? control->GetText().str() : std::wstring();
  }

 private:
  const CMainWnd& window_;
};

void Apply(CMainWnd& window, const KeyEditorSetting& setting) {
  if (setting.kind == KeyEditorSetting::EditText) {
    if (CControlUI* edit = window.Find(setting.control)) edit->SetText(setting.text.c_str());
    return;
  }
  auto* combo = window.Find<CComboUI>(setting.control);
  if (!combo) return;
  if (setting.kind == KeyEditorSetting::ComboItem) combo->SelectItem(setting.item);
  else if (setting.kind == KeyEditorSetting::ComboItemQuietly) combo->SelectItem1(setting.item, false, false);
  else combo->SelectItem(-1);
}
}  // namespace

void CMainWnd::InitKeyboardPage() {
  KeyboardMacroPage().Init();
  FillKeyboardProfileLists(*this);
  KeyboardMacroPage().FillKeyChooser();
}

void CMainWnd::ClickKeyboardKey(int position) {
  if (CControlUI* editor = Find(L"kb_tab_function"); editor && !editor->IsVisible()) {
    editor->SetVisible(true);
    editor->SetEnabled(true);
  }
  ShowKeyboardKeyAssignment(position);
}

// The controls set here raise their notifications at once; while the key is being shown they
// store nothing, so a control set for this key never writes another tab's function into it.
void CMainWnd::ShowKeyboardKeyAssignment(int position) {
  KeyboardKeyEditor& editor = Editor();
  auto* macros = Find<CComboUI>(L"kb_key_fct_combo_23");
  const std::optional<KeyEditorView> view =
      ShowKeyAssignment(KeyboardPageState(), editor, position, macros ? macros->GetCount() : 0);
  if (!view) return;
  editor.showing = true;
  for (const KeyEditorSetting& setting : view->settings) Apply(*this, setting);
  if (auto* tabs = Find<CComboUI>(L"kb_key_fct_combo"); tabs && view->tabItem >= 0) tabs->SelectItem(view->tabItem);
  editor.showing = false;
  if (view->captureKeys) SetHook(HOOK_MODE_KEY_SINGLEKEY, true, true, false);
}

void CMainWnd::SelectKeyboardKeyFunctionTab() {
  SetHook(HOOK_MODE_MOU_SINGLEKEY, false, true, false);
  auto* tabs = Find<CComboUI>(L"kb_key_fct_combo");
  if (!tabs) return;
  for (int item = 0; item < tabs->GetCount(); ++item) SetShown((L"kb_tab_function_" + std::to_wstring(item)).c_str(), false);
  const int item = tabs->GetCurSel();
  if (SelectKeyEditorTab(Editor(), item)) {
    SetShown((L"kb_tab_function_" + std::to_wstring(item)).c_str(), true);
    if (item == KEY_EDITOR_KEY_TAB && !Editor().showing) SetHook(HOOK_MODE_KEY_SINGLEKEY, true, true, false);
  }
  ApplyKeyboardKeyFunction();
}

void CMainWnd::ApplyKeyboardKeyFunction() {
  KeyboardState& state = KeyboardPageState();
  if (ApplyKeyAssignment(state, Editor(), WindowKeyEditorInputs(*this))) RelabelKeyboardKeys(state.LiveProfileIndex());
}

void CMainWnd::ShowKeyboardMacroRepeatPanel() {
  auto* modes = Find<CComboUI>(L"kb_key_fct_combo_24");
  SetShown(L"kb_tab_function_26", modes && modes->GetCurSel() == KEY_EDITOR_REPEAT_ITEM);
  ApplyKeyboardKeyFunction();
}

void CMainWnd::RestoreKeyboardKeyDefault() {
  KeyboardState& state = KeyboardPageState();
  RestoreKeyAssignment(state, Editor());
  const int position = PositionOfSlot(state, Editor().editSlot);
  if (position >= 0) ShowKeyboardKeyAssignment(position);
  RelabelKeyboardKeys(state.LiveProfileIndex());
}

void CMainWnd::CancelKeyboardKeyEdit() {
  if (CControlUI* editor = Find(L"kb_tab_function")) {
    editor->SetVisible(false);
    editor->SetEnabled(false);
  }
  m_deviceHook.Uninstall();
}

void CMainWnd::CaptureKeyboardKeyAssignment(WPARAM, LPARAM lParam) {
  const auto& event = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  const std::optional<int> row = CapturedKeyRow(event.vkCode, event.flags);
  if (!row) return;
  if (CControlUI* edit = Find(L"kb_key_fct_edit_21")) edit->SetText(KEYBOARD_KEY_LIST.nameIds[*row]);
  TakeCapturedKey(Editor(), *row);
  ApplyKeyboardKeyFunction();
}

void CMainWnd::RelabelKeyboardKeys(int profile) {
  const std::vector<std::wstring> macros = ReadMacroNames(GetKeyboardProfileFolder() + L"kbMacro.ini");
  for (const KeyCaption& caption : KeyCaptions(KeyboardPageState(), profile, macros)) UpdateKeyboardKeyCaption(caption);
}

std::wstring CMainWnd::ResolveTextId(const wchar_t* id) { return ResolvedLanguageText(m_pm, id); }

void CMainWnd::UpdateKeyboardKeyCaption(const KeyCaption& caption) {
  auto* button = Find<CButtonUI>(L"kb_key_", caption.position);
  if (!button) return;
  const std::wstring defaultName = ResolveTextId(caption.defaultName.c_str());
  if (!caption.marked) {
    button->SetToolTip(defaultName.c_str());
    button->SetNormalImage(button->GetUserData().GetData());
    return;
  }
  const std::wstring label = caption.verbatim ? caption.label : ResolveTextId(caption.label.c_str());
  button->SetToolTip((defaultName + ResolveTextId(L"Key_Set") + label).c_str());
  button->SetNormalImage(button->GetHotImage().GetData());
}
