#include "control_profile_list_view.h"

#include <windows.h>
#include <commdlg.h>

#include "file_dialogs.h"
#include "main_wnd.h"
#include "msg_wnd.h"
#include "notification_router.h"

namespace {
constexpr int kItemHeight = 25;
}

ControlProfileListView::ControlProfileListView(CMainWnd& window, const NamedProfileListParams& params)
    : window_(window), params_(params) {}

template <class T>
T* ControlProfileListView::Control(const wchar_t* name) const {
  return name ? window_.Find<T>(name) : nullptr;
}

CControlUI* ControlProfileListView::Item(int index) const {
  CComboUI* combo = Control<CComboUI>(params_.combo);
  return combo ? combo->GetItemAt(index) : nullptr;
}

bool ControlProfileListView::HasCombo() const { return Control<CComboUI>(params_.combo) != nullptr; }

int ControlProfileListView::Count() {
  CComboUI* combo = Control<CComboUI>(params_.combo);
  return combo ? combo->GetCount() : 0;
}

std::wstring ControlProfileListView::ItemText(int index) {
  CControlUI* item = Item(index);
  return item ? item->GetText().str() : std::wstring();
}

std::wstring ControlProfileListView::ItemName(int index) {
  CControlUI* item = Item(index);
  return item ? item->GetUserData().str() : std::wstring();
}

void ControlProfileListView::AppendItem(const std::wstring& name, ItemOrigin origin) {
  CComboUI* combo = Control<CComboUI>(params_.combo);
  if (!combo) return;
  auto* item = new CListLabelElementUI;
  item->SetText(name.c_str());
  item->SetUserData(name.c_str());
  if (origin != ItemOrigin::Copied) item->SetFixedHeight(kItemHeight);
  combo->Add(item);
  if (origin == ItemOrigin::Added) item->SetAttribute(L"style", L"listex_item_style");
}

void ControlProfileListView::RenameItem(int index, const std::wstring& name) {
  CControlUI* item = Item(index);
  if (!item) return;
  item->SetText(name.c_str());
  item->SetUserData(name.c_str());
  Control<CComboUI>(params_.combo)->NeedUpdate();
}

void ControlProfileListView::RemoveItem(int index) {
  if (CComboUI* combo = Control<CComboUI>(params_.combo)) combo->RemoveAt(index);
}

int ControlProfileListView::SelectedIndex() {
  CComboUI* combo = Control<CComboUI>(params_.combo);
  return combo ? combo->GetCurSel() : -1;
}

void ControlProfileListView::SelectIndex(int index) {
  if (CComboUI* combo = Control<CComboUI>(params_.combo)) combo->SelectItem(index, false);
}

void ControlProfileListView::SelectIndexQuietly(int index) {
  if (CComboUI* combo = Control<CComboUI>(params_.combo)) combo->SelectItem1(index, false, false);
}

std::wstring ControlProfileListView::NameEditText() {
  CControlUI* edit = Control(params_.nameEdit);
  return edit ? edit->GetText().str() : std::wstring();
}

void ControlProfileListView::SetNameEditText(const std::wstring& text) {
  if (CControlUI* edit = Control(params_.nameEdit)) edit->SetText(text.c_str());
}

void ControlProfileListView::SetFileButtonsEnabled(bool enabled) {
  SetEnabled(params_.importButton, enabled);
  SetEnabled(params_.exportButton, enabled);
}

void ControlProfileListView::SetBrowseEnabled(bool enabled) { SetEnabled(params_.linkButton, enabled); }

bool ControlProfileListView::IsLinkChecked() {
  COptionUI* check = Control<COptionUI>(params_.linkCheck);
  return check && check->IsSelected();
}

void ControlProfileListView::SetLinkChecked(bool checked, bool notify) {
  COptionUI* check = Control<COptionUI>(params_.linkCheck);
  if (!check) return;
  // The list's own operations set the box; its route stores the link, as code.
  CodeMadeNotifications linking;
  check->Selected(checked, notify);
  check->NeedUpdate();
}

void ControlProfileListView::SetLinkText(const std::wstring& text) {
  if (CControlUI* edit = Control(params_.linkEdit)) edit->SetText(text.c_str());
}

void ControlProfileListView::SetLinkRowShown(bool shown) {
  if (CControlUI* row = Control(params_.linkRow)) row->SetVisible(shown);
}

int ControlProfileListView::ShowMessage(const wchar_t* textId) {
  return static_cast<int>(ShowMessageBox(window_.GetHWND(), nullptr, textId, true));
}

// Owned by the main window, so the dialog stays in front of it and blocks its input.
std::wstring ControlProfileListView::ChooseFile(bool open, const std::wstring& defaultExtension,
                                                const std::wstring& fileName, const std::wstring& filter) {
  return ShowFileDialog(
      {open, window_.GetHWND(), defaultExtension, fileName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter});
}

void ControlProfileListView::SetEnabled(const wchar_t* name, bool enabled) {
  if (CControlUI* control = Control(name)) control->SetEnabled(enabled);
}
