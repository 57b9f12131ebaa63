#include "window_profile_list_view.h"

#include <windows.h>
#include <commdlg.h>

#include "file_dialogs.h"
#include "main_wnd.h"
#include "msg_wnd.h"

namespace {
constexpr int kRowHeight = 25;
constexpr DWORD kFileDialogFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

std::wstring Text(const CDuiString& text) { return std::wstring(text.GetData()); }
}  // namespace

WindowProfileListView::WindowProfileListView(CMainWnd& window, const NamedProfileListParams& params)
    : window_(window), params_(params) {}

CControlUI* WindowProfileListView::Row(int index) {
  auto* combo = window_.Find<CComboUI>(params_.combo);
  return combo && index >= 0 ? combo->GetItemAt(index) : nullptr;
}

void WindowProfileListView::SetEnabled(const wchar_t* name, bool enabled) {
  if (CControlUI* control = name ? window_.Find(name) : nullptr) control->SetEnabled(enabled);
}

int WindowProfileListView::Count() {
  auto* combo = window_.Find<CComboUI>(params_.combo);
  return combo ? combo->GetCount() : 0;
}

std::wstring WindowProfileListView::ItemText(int index) {
  CControlUI* row = Row(index);
  return row ? Text(row->GetText()) : std::wstring();
}

std::wstring WindowProfileListView::ItemName(int index) {
  CControlUI* row = Row(index);
  return row ? Text(row->GetUserData()) : std::wstring();
}

void WindowProfileListView::AppendItem(const std::wstring& name, ItemOrigin origin) {
  auto* combo = window_.Find<CComboUI>(params_.combo);
  if (!combo) return;
  auto* row = new CListLabelElementUI;
  row->SetText(name.c_str());
  row->SetUserData(name.c_str());
  if (origin != ItemOrigin::Copied) row->SetFixedHeight(kRowHeight);
  combo->Add(row);
}

void WindowProfileListView::RenameItem(int index, const std::wstring& name) {
  if (CControlUI* row = Row(index)) {
    row->SetText(name.c_str());
    row->SetUserData(name.c_str());
  }
}

void WindowProfileListView::RemoveItem(int index) {
  if (auto* combo = window_.Find<CComboUI>(params_.combo)) combo->RemoveAt(index);
}

int WindowProfileListView::SelectedIndex() {
  auto* combo = window_.Find<CComboUI>(params_.combo);
  return combo ? combo->GetCurSel() : -1;
}

void WindowProfileListView::SelectIndex(int index) {
  if (auto* combo = window_.Find<CComboUI>(params_.combo)) combo->SelectItem(index, false);
}

std::wstring WindowProfileListView::NameEditText() {
  CControlUI* edit = window_.Find(params_.nameEdit);
  return edit ? Text(edit->GetText()) : std::wstring();
}

void WindowProfileListView::SetNameEditText(const std::wstring& text) {
  if (CControlUI* edit = window_.Find(params_.nameEdit)) edit->SetText(text.c_str());
}

void WindowProfileListView::SetFileButtonsEnabled(bool enabled) {
  SetEnabled(params_.importButton, enabled);
  SetEnabled(params_.exportButton, enabled);
}

void WindowProfileListView::SetBrowseEnabled(bool enabled) { SetEnabled(params_.linkButton, enabled); }

bool WindowProfileListView::IsLinkChecked() {
  auto* check = window_.Find<COptionUI>(params_.linkCheck);
  return check && check->IsSelected();
}

void WindowProfileListView::SetLinkChecked(bool checked, bool notify) {
  if (auto* check = window_.Find<COptionUI>(params_.linkCheck)) check->Selected(checked, notify);
}

void WindowProfileListView::SetLinkText(const std::wstring& text) {
  if (CControlUI* edit = window_.Find(params_.linkEdit)) edit->SetText(text.c_str());
}

void WindowProfileListView::SetLinkRowShown(bool shown) {
  if (CControlUI* row = window_.Find(params_.linkRow)) row->SetVisible(shown);
}

int WindowProfileListView::ShowMessage(const wchar_t* textId) {
  return static_cast<int>(ShowMessageBox(window_.GetHWND(), nullptr, textId, true));
}

std::wstring WindowProfileListView::ChooseFile(bool open, const std::wstring& defaultExtension,
                                               const std::wstring& fileName, const std::wstring& filter) {
  return ShowFileDialog(FileDialogRequest{open, window_.GetHWND(), defaultExtension, fileName, kFileDialogFlags, filter});
}
