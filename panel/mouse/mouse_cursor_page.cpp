// The cursor-script page as the window runs it: the script and step options, the step editor, whose
// every change is written to the script's file at once, reset, import, export and the download.
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "edit_clamp.h"
#include "file_dialogs.h"
#include "main_wnd.h"
#include "mouse_cursor_script.h"
#include "mouse_download.h"
#include "msg_wnd.h"
#include "notification_router.h"
#include "program_folder.h"

namespace {

const wchar_t* const kEditLayout = L"cursor_edit_layout";
const wchar_t* const kDelayEdit = L"ms_cursor_delay_eidt";
const wchar_t* const kXEdit = L"ms_cursor_x_eidt";
const wchar_t* const kYEdit = L"ms_cursor_y_eidt";
const wchar_t* const kXCheck = L"ms_cursor_x_check";
const wchar_t* const kYCheck = L"ms_cursor_y_check";

std::wstring StepOptionName(int step) { return L"ms_bullet_op_" + std::to_wstring(step); }

FileDialogRequest ScriptDialog(HWND owner, bool open) {
  return {open, owner, L"cur", L"*.cur", OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, L"(*.cur) | *.cur ||"};
}

const wchar_t* DirectionText(bool horizontal, bool leftOrUp) {
  if (horizontal) return leftOrUp ? L"mouse_move_to_left_text" : L"mouse_move_to_right_text";
  return leftOrUp ? L"mouse_move_to_up_text" : L"mouse_move_to_down_text";
}

}  // namespace

// The keyboard's and the mouse's tabs each hold an instance of the cursor-script page, with the
// same control names: the page's controls are those of the instance the user sees, so that a
// click on one instance's step fills that instance's editor.
CControlUI* CMainWnd::FindCursorPageControl(const wchar_t* name) {
  auto* devices = Find<CTabLayoutUI>(L"tab_switch");
  CControlUI* pages = Find(devices && devices->GetCurSel() == 0 ? L"kb_tab_switch" : L"ms_tab_switch");
  CControlUI* found = pages ? m_pm.FindSubControlByName(pages, name) : nullptr;
  return found ? found : Find(name);
}

template <class T>
T* CMainWnd::FindOnCursorPage(const wchar_t* name) {
  return dynamic_cast<T*>(FindCursorPageControl(name));
}

int CMainWnd::GetMouseCursorSlot() { return m_cursorScriptSlot; }
int CMainWnd::GetMouseCursorStep() { return m_cursorScriptStep; }

// The step options below are selected by code: their routes load the step, nothing more.
void CMainWnd::SelectMouseCursorSlot(int slot) {
  m_cursorScriptSlot = slot;
  CodeMadeNotifications loadingFirstStep;
  if (COptionUI* first = FindOnCursorPage<COptionUI>(StepOptionName(0).c_str())) {
    first->Selected(false, true);
    first->Selected(true, true);
  }
}

void CMainWnd::SelectMouseCursorStep(int step) {
  m_cursorScriptStep = step;
  LoadMouseCursorStep(step);
  if (CControlUI* layout = FindCursorPageControl(kEditLayout)) layout->SetEnabled(true);
  if (CControlUI* index = FindCursorPageControl(L"bullet_select_index")) index->SetText(std::to_wstring(step + 1).c_str());
}

void CMainWnd::ClickMouseCursorStep(CControlUI* sender) {
  auto* option = dynamic_cast<COptionUI*>(sender);
  if (!option || !option->IsSelected()) return;
  {
    CodeMadeNotifications clearing;
    option->Selected(false, true);
  }
  if (CControlUI* layout = FindCursorPageControl(kEditLayout)) layout->SetEnabled(false);
}

void CMainWnd::SelectPreviousMouseCursorStep() {
  if (m_cursorScriptStep <= 0) return;
  CodeMadeNotifications moving;
  if (COptionUI* option = FindOnCursorPage<COptionUI>(StepOptionName(m_cursorScriptStep - 1).c_str())) option->Selected(true, true);
}

void CMainWnd::SelectNextMouseCursorStep() {
  if (m_cursorScriptStep >= CURSOR_SCRIPT_STEPS - 1) return;
  CodeMadeNotifications moving;
  if (COptionUI* option = FindOnCursorPage<COptionUI>(StepOptionName(m_cursorScriptStep + 1).c_str())) option->Selected(true, true);
}

void CMainWnd::LoadMouseCursorStep(int step) {
  const CursorStepView view = LoadCursorStep(MouseCursorScriptFile(GetMouseProfileFolder(), m_cursorScriptSlot), step);
  if (CControlUI* delay = FindCursorPageControl(kDelayEdit); delay && view.delayMs) delay->SetText(std::to_wstring(*view.delayMs).c_str());
  const struct {
    const std::optional<CursorMove>& move;
    const wchar_t* edit;
    const wchar_t* check;
    bool horizontal;
  } moves[] = {{view.horizontal, kXEdit, kXCheck, true}, {view.vertical, kYEdit, kYCheck, false}};
  for (const auto& m : moves) {
    if (!m.move) continue;
    if (CControlUI* edit = FindCursorPageControl(m.edit)) edit->SetText(std::to_wstring(m.move->amount).c_str());
    if (COptionUI* check = FindOnCursorPage<COptionUI>(m.check)) {
      check->Selected(m.move->leftOrUp, false);
      check->SetText(DirectionText(m.horizontal, m.move->leftOrUp));
    }
  }
}

void CMainWnd::SaveMouseCursorStep(int step) {
  auto number = [this](const wchar_t* name) {
    CControlUI* edit = FindCursorPageControl(name);
    return edit ? ClampEditNumber(edit->GetText().str(), INT32_MAX, false).value : 0;
  };
  auto selected = [this](const wchar_t* name) {
    COptionUI* check = FindOnCursorPage<COptionUI>(name);
    return check && check->IsSelected();
  };
  SaveCursorStep(MouseCursorScriptFile(GetMouseProfileFolder(), m_cursorScriptSlot), step, number(kDelayEdit),
                 {number(kXEdit), selected(kXCheck)}, {number(kYEdit), selected(kYCheck)});
}

void CMainWnd::OnMouseCursorEditChanged(CControlUI* edit) {
  const bool delay = _wcsicmp(edit->GetName().GetData(), kDelayEdit) == 0;
  const ClampedNumber value =
      ClampEditNumber(edit->GetText().str(), delay ? CURSOR_STEP_MOST_DELAY_MS : CURSOR_STEP_MOST_AMOUNT, false);
  if (value.clamped) edit->SetText(std::to_wstring(value.value).c_str());
  SaveMouseCursorStep(m_cursorScriptStep);
}

void CMainWnd::OnMouseCursorCheckChanged(CControlUI* check) {
  auto* option = dynamic_cast<COptionUI*>(check);
  if (!option) return;
  option->SetText(DirectionText(_wcsicmp(option->GetName().GetData(), kXCheck) == 0, option->IsSelected()));
  SaveMouseCursorStep(m_cursorScriptStep);
}

void CMainWnd::ResetMouseCursorScript() {
  ResetCursorScript(ProgramFolder(), GetMouseProfileFolder(), m_cursorScriptSlot);
  if (COptionUI* first = FindOnCursorPage<COptionUI>(StepOptionName(0).c_str())) {
    CodeMadeNotifications showingFirstStep;
    first->Selected(true, true);
  }
  LoadMouseCursorStep(m_cursorScriptStep);
}

void CMainWnd::ExportMouseCursorScript() {
  const std::wstring target = ShowFileDialog(ScriptDialog(m_hWnd, false));
  if (!target.empty()) ExportCursorScript(GetMouseProfileFolder(), m_cursorScriptSlot, target);
}

void CMainWnd::ImportMouseCursorScript() {
  const std::wstring chosen = ShowFileDialog(ScriptDialog(m_hWnd, true));
  if (chosen.empty()) return;
  if (!ImportCursorScript(chosen, GetMouseProfileFolder(), m_cursorScriptSlot)) {
    ShowMessageBox(m_hWnd, nullptr, L"message_text_18", true);
    return;
  }
  LoadMouseCursorStep(m_cursorScriptStep);
}

int CMainWnd::DownloadMouseCursorScripts() {
  const MouseDownloadOutcome outcome = ::DownloadMouseCursorScripts(m_mouseChannel, GetMouseProfileFolder());
  ShowDownloadRefusal(outcome.messageId, outcome.messageNumber);
  return outcome.result;
}
