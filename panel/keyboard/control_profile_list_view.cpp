#include "control_profile_list_view.h"

#include <windows.h>
#include <commdlg.h>

#include "file_dialogs.h"
#include "main_wnd.h"
#include "msg_wnd.h"

namespace {
constexpr int kItemHeight = 25;
}

ControlProfileListView::ControlProfileListView(CMainWnd& window, const NamedProfileListParams& params)
    : window_(window), params_(params) {}

bool ControlProfileListView::HasCombo() const { return window_.Find<CComboUI>(params_.combo) != nullptr; }

int ControlProfileListView::Count() {
  CComboUI* combo = window_.Find<CComboUI>(params_.combo);
  return combo ? combo->GetCount() : 0;
}

std::wstring ControlProfileListView::ItemText(int index) {
  CComboUI* combo = window_.Find<CComboUI>(params_.combo);
  CControlUI* item = combo ? combo->GetItemAt(index) : nullptr;
  return item ? item->GetText().str() : std::wstring();
}

std::wstring ControlProfileListView::ItemName(int index) {
  CComboUI* combo = window_.Find<CComboUI>(params_.combo);
  CControlUI* item = combo ? combo->GetItemAt(index) : nullptr;
  return item ? item->GetUserData().str() : std::wstring();
}

void ControlProfileListView::AppendItem(const std::wstring& name, ItemOrigin origin) {
  CComboUI* combo = window_.Find<CComboUI>(params_.combo);
  if (!combo) return;
  auto* item = new CListLabelElementUI;
  item->SetText(name.c_str());
  item->SetUserData(name.c_str());
  if (origin != ItemOrigin::Copied) item->SetFixedHeight(kItemHeight);
  combo->Add(item);
  if (origin == ItemOrigin::Added) item->SetAttribute(L"style", L"listex_item_style");
}

void ControlProfileListView::RenameItem(int index, const std::wstring& name) {
  CComboUI* combo = window_.Find<CComboUI>(params_.combo);
  CControlUI* item = combo ? combo->GetItemAt(index) : nullptr;
  if (!item) return;
  item->SetText(name.c_str());
  item->SetUserData(name.c_str());
  combo->NeedUpdate();
}

void ControlProfileListView::RemoveItem(int index) {
  if (CComboUI* combo = window_.Find<CComboUI>(params_.combo)) combo->RemoveAt(index);
}

int ControlProfileListView::SelectedIndex() {
  CComboUI* combo = window_.Find<CComboUI>(params_.combo);
  return combo ? combo->GetCurSel() : -1;
}

void ControlProfileListView::SelectIndex(int index) {
  if (CComboUI* combo = window_.Find<CComboUI>(params_.combo)) combo->SelectItem(index, false);
}

std::wstring ControlProfileListView::NameEditText() {
  CControlUI* edit = window_.Find(params_.nameEdit);
  return edit ? edit->GetText().str() : std::wstring();
}

void ControlProfileListView::SetNameEditText(const std::wstring& text) {
  if (CControlUI* edit = window_.Find(params_.nameEdit)) edit->SetText(text.c_str());
}

void ControlProfileListView::SetFileButtonsEnabled(bool enabled) {
  SetEnabled(params_.importButton, enabled);
  SetEnabled(params_.exportButton, enabled);
}

void ControlProfileListView::SetBrowseEnabled(bool enabled) { SetEnabled(params_.linkButton, enabled); }

bool ControlProfileListView::IsLinkChecked() {
  COptionUI* check = window_.Find<COptionUI>(params_.linkCheck);
  return check && check->IsSelected();
}

void ControlProfileListView::SetLinkChecked(bool checked, bool notify) {
  COptionUI* check = window_.Find<COptionUI>(params_.linkCheck);
  if (!check) return;
  check->Selected(checked, notify);
  check->NeedUpdate();
}

void ControlProfileListView::SetLinkText(const std::wstring& text) {
  if (CControlUI* edit = window_.Find(params_.linkEdit)) edit->SetText(text.c_str());
}

void ControlProfileListView::SetLinkRowShown(bool shown) {
  if (CControlUI* row = window_.Find(params_.linkRow)) row->SetVisible(shown);
}

int ControlProfileListView::ShowMessage(const wchar_t* textId) {
  return static_cast<int>(ShowMessageBox(window_.GetHWND(), nullptr, textId, true));
}

std::wstring ControlProfileListView::ChooseFile(bool open, const std::wstring& defaultExtension,
                                                const std::wstring& fileName, const std::wstring& filter) {
  return ShowFileDialog({open, nullptr, defaultExtension, fileName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter});
}

void ControlProfileListView::SetEnabled(const wchar_t* name, bool enabled) {
  if (CControlUI* control = window_.Find(name)) control->SetEnabled(enabled);
}
