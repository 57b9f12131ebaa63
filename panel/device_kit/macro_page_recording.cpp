// The macro page's recorder: the record button starts and stops it, and each hooked event that the
// recorder takes becomes a row whose pause goes to the row before it.
#include "control_lookup.h"
#include "macro_page.h"

namespace {
constexpr DWORD kStoppedButtonColour = 0x00ED8601;  // alpha 0: the start image stays visible
constexpr int kButtonRowHeight = 25;
const wchar_t* const kPressArrow = L"\u25BC";
const wchar_t* const kReleaseArrow = L"\u25B2";

bool IsSelectedOption(CPaintManagerUI& pm, const wchar_t* name) {
  auto* option = FindTypedControl<COptionUI>(pm, name);
  return option && option->IsSelected();
}

void SetListInput(CListUI* list, bool enabled) {
  if (!list) return;
  list->SetMouseEnabled(enabled);
  list->SetMouseChildEnabled(enabled);
  list->SetKeyboardEnabled(enabled);
}
}  // namespace

void MacroPage::ToggleRecording(const MacroHookSwitch& setHook) {
  if (MacroCount() == 0) return;
  SetShown(c_.saveOrCancel, true);
  ShowEditorPage(0);
  CControlUI* button = Find(c_.recordButton);
  const bool start = !state_.recorder.recording;
  std::vector<const wchar_t*> options = c_.mouseOptions;
  options.insert(options.end(), {c_.keyboardOption, c_.fixedPauseOption});
  if (start) {
    const bool keyboard = IsSelectedOption(pm_, c_.keyboardOption);
    bool mouse = false;
    for (const wchar_t* name : c_.mouseOptions) mouse = mouse || IsSelectedOption(pm_, name);
    for (const wchar_t* name : options) SetEnabled(name, false);
    setHook(c_.recordHookMode, true, keyboard, mouse);
    state_.recorder.Start();
    SetListInput(Actions(), false);
    SetListInput(Names(), false);
    SetEnabled(c_.saveButton, false);
    if (button) {
      button->SetText(L"macro_btn_stop_redio_text");
      button->SetBkImage((pm_.GetInstancePath().str() + L"Skin\\common\\tab_normal.png").c_str());
    }
  } else {
    setHook(c_.recordHookMode, false, true, false);
    state_.recorder.Stop();
    SetListInput(Actions(), true);
    SetEnabled(c_.saveButton, true);
    if (button) {
      button->SetText(L"macro_btn_star_redio_text");
      button->SetBkColor(kStoppedButtonColour);
    }
    for (const wchar_t* name : options) SetEnabled(name, true);
  }
  for (const wchar_t* name : c_.rowButtons) SetEnabled(name, !start);
}

// A recorded button row in the plain form: its name as the language text (also in its record),
// its press as an arrow, its delay. The action editor opens rows of the common form only.
CControlUI* MacroPage::AddRecordedButtonRow(MacroAction action) {
  action.label = ResolvedLanguageText(pm_, action.label.c_str());
  auto* row = new CListTextElementUI;
  row->SetName(c_.recordedButtonRowName);
  row->SetFixedHeight(kButtonRowHeight);
  Actions()->Add(row);
  row->SetText(0, action.label.c_str());
  row->SetText(1, action.down ? kPressArrow : kReleaseArrow);
  row->SetText(2, L"0");
  row->SetUserData(FormatMacroAction(action).c_str());
  return row;
}

// The pause before the next action is the delay of the row before it, in whichever form.
void MacroPage::GivePause(CControlUI* row, uint32_t pauseMs) {
  std::optional<MacroAction> action = ParseMacroAction(row->GetUserData().str());
  if (!action) return;
  SetPauseMs(*action, pauseMs);
  if (auto* plain = dynamic_cast<CListTextElementUI*>(row)) plain->SetText(2, std::to_wstring(action->DelayMs()).c_str());
  else FillRow(row, *action);
  row->SetUserData(FormatMacroAction(*action).c_str());
}

void MacroPage::AppendRecordedAction(const MacroAction& action) {
  CListUI* actions = Actions();
  if (!actions) return;
  const uint32_t pause = state_.recorder.TakePause(IsSelectedOption(pm_, c_.fixedPauseOption));
  if (c_.recordedButtonRowName && action.Kind() == MACRO_ACTION_BUTTON) AddRecordedButtonRow(action);
  else AddRow(action, -1);
  const int count = actions->GetCount();
  if (count > 1) GivePause(actions->GetItemAt(count - 2), pause);
  actions->EndDown();
  actions->LineDown();
  actions->PageDown();
  actions->NeedUpdate();
}

void MacroPage::RecordKeyEvent(UINT message, const KBDLLHOOKSTRUCT& event) {
  if (std::optional<MacroAction> action = state_.recorder.KeyEvent(message, event.vkCode, event.flags))
    AppendRecordedAction(*action);
}

void MacroPage::RecordMouseEvent(UINT message) {
  if (std::optional<MacroAction> action = state_.recorder.MouseEvent(message, IsSelectedOption(pm_, c_.clickOption)))
    AppendRecordedAction(*action);
}
