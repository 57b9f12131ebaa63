// The macro page's name list and store: add, delete, rename, save, cancel, import and export.
#include "macro_page.h"

#include <commdlg.h>

#include <algorithm>

#include "control_lookup.h"
#include "device_macro_image.h"
#include "diagnostics.h"
#include "file_dialogs.h"
#include "key_vocabulary.h"
#include "macro_files.h"
#include "macro_store_edits.h"
#include "msg_wnd.h"
#include "text_with_number.h"

namespace {
constexpr int kStartupNameHeight = 30;
constexpr int kAddedNameHeight = 25;
constexpr int kComboItemHeight = 30;
constexpr int kConfirmed = 1;
const wchar_t* const kMacroFileFilter = L"(*.mac) | *.mac ||";

CListLabelElementUI* NewComboItem(const std::wstring& name) {
  auto* item = new CListLabelElementUI;
  item->SetFixedHeight(kComboItemHeight);
  item->SetText(name.c_str());
  return item;
}

FileDialogRequest MacroFileDialog(bool open) {
  return {open, nullptr, L"mac", L"*.mac", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kMacroFileFilter};
}
}  // namespace

std::wstring ResolvedLanguageText(const CPaintManagerUI& manager, const wchar_t* id) {
  CControlUI* resolver = manager.FindControl(L"str_test");
  if (!resolver) return id;
  resolver->SetText(id);
  return resolver->GetText().str();
}

template <class T>
T* MacroPage::Find(const wchar_t* name) const {
  return name ? FindTypedControl<T>(pm_, name) : nullptr;
}
template CControlUI* MacroPage::Find<CControlUI>(const wchar_t*) const;

CListUI* MacroPage::Names() const { return Find<CListUI>(c_.nameList); }
CListUI* MacroPage::Actions() const { return Find<CListUI>(c_.actionList); }

bool MacroPage::EditPending() const {
  CControlUI* tab = Find(c_.saveOrCancel);
  return tab && tab->IsVisible();
}

bool MacroPage::RefusedWhilePending() {
  if (!EditPending()) return false;
  ShowMessageBox(owner_, nullptr, L"message_text_3", true);
  return true;
}

int MacroPage::MacroCount() {
  CListUI* names = Names();
  return names ? names->GetCount() : 0;
}

int MacroPage::SelectedMacro() {
  CListUI* names = Names();
  return names ? names->GetCurSel() : -1;
}

std::vector<std::wstring> MacroPage::ListedNames() {
  std::vector<std::wstring> names;
  if (CListUI* list = Names())
    for (int i = 0; i < list->GetCount(); ++i) names.push_back(list->GetItemAt(i)->GetUserData().str());
  return names;
}

void MacroPage::SetEnabled(const wchar_t* name, bool enabled) {
  if (CControlUI* control = Find(name)) control->SetEnabled(enabled);
}

void MacroPage::SetShown(const wchar_t* name, bool shown) {
  if (CControlUI* control = Find(name)) control->SetVisible(shown);
}

void MacroPage::EnableMacroControls(bool enabled) {
  for (const wchar_t* name : c_.macroControls) SetEnabled(name, enabled);
}

void MacroPage::ShowEditorPage(int page) {
  if (auto* pages = Find<CTabLayoutUI>(c_.editorPages)) pages->SelectItem(page);
}

void MacroPage::Init() {
  if (CListUI* actions = Actions()) actions->RemoveAll();
  const std::vector<std::wstring> names = ReadMacroNames(IndexFile());
  const int count = std::min(static_cast<int>(names.size()), MACRO_MOST_MACROS);
  if (count == 0) {
    EnableMacroControls(false);
    return;
  }
  CListUI* list = Names();
  auto* combo = Find<CComboUI>(c_.functionCombo);
  for (int i = 0; i < count; ++i) {
    auto* element = new CListTextElementUI;
    element->SetFixedHeight(kStartupNameHeight);
    element->SetUserData(names[i].c_str());
    if (list) list->Add(element);
    else delete element;
    element->SetText(0, names[i].c_str());
    if (combo) combo->Add(NewComboItem(names[i]));
  }
  if (list) list->SelectItem(count - 1);
}

void MacroPage::FillKeyChooser() {
  auto* keys = Find<CComboUI>(c_.keyCombo);
  if (!keys) return;
  for (int row = 0; row < KEYBOARD_KEY_ROWS_KEYS_ONLY; ++row) {
    auto* item = new CListLabelElementUI;
    item->SetText(KEYBOARD_KEY_LIST.nameIds[row]);
    item->SetResourceText(true);
    item->SetFixedHeight(kComboItemHeight);
    keys->Add(item);
  }
}

// False when the macro has no rows to show.
bool MacroPage::LoadRows(const std::wstring& name) {
  const auto records = ReadMacroActions(MacroFilePath(folder_, name), DEVICE_MACRO_MOST_ACTIONS);
  CListUI* actions = Actions();
  if (!records || records->empty() || !actions) return false;
  for (const std::wstring& record : *records) {
    CControlUI* row = AddRow(*actions, ParseMacroAction(record).value_or(MacroAction{}), -1);
    row->SetUserData(record.c_str());
  }
  return true;
}

void MacroPage::ShowSelected() {
  if (RefusedWhilePending()) return;
  CListUI* actions = Actions();
  if (actions) actions->RemoveAll();
  const int selected = SelectedMacro();
  if (selected < 0) return;
  const std::wstring name = ListedNames()[selected];
  if (CControlUI* edit = Find(c_.nameEdit)) edit->SetText(name.c_str());
  if (!LoadRows(name)) return;
  ShowEditorPage(0);
  if (actions) actions->SelectItem(-1);
}

void MacroPage::LockNameList(bool locked) {
  if (CListUI* names = Names()) {
    names->SetMouseEnabled(!locked);
    names->SetMouseChildEnabled(!locked);
    names->SetKeyboardEnabled(!locked);
    if (names->GetCount() > 0) SetShown(c_.saveOrCancel, locked);
  }
}

bool MacroPage::Add() {
  if (RefusedWhilePending()) return false;
  CListUI* list = Names();
  if (!list) return false;
  if (auto* listEx = dynamic_cast<CListExUI*>(list)) listEx->InitListCtrl();
  const int count = list->GetCount();
  if (count >= MACRO_MOST_MACROS) {
    const std::wstring text = FillNumberPlaceholder(ResolvedLanguageText(pm_, L"message_text_17"), MACRO_MOST_MACROS);
    ShowMessageBox(owner_, nullptr, text.c_str(), false);
    return false;
  }
  const std::wstring name = NextMacroName(ListedNames());
  auto* element = new CListTextElementUI;
  element->SetFixedHeight(kAddedNameHeight);
  element->SetUserData(name.c_str());
  list->AddAt(element, count);
  element->SetAttribute(L"style", L"listex_item_style");
  element->SetText(0, name.c_str());
  list->SelectItem(count);
  if (auto* combo = Find<CComboUI>(c_.functionCombo)) combo->Add(NewComboItem(name));
  WriteMacroIndexEntry(IndexFile(), count + 1, count, name);
  SetEnabled(c_.deleteMacroButton, true);
  EnableMacroControls(true);
  return true;
}

bool MacroPage::Delete(const MacroKeyTables& keys) {
  const int selected = SelectedMacro();
  if (selected < 0 || RefusedWhilePending()) return false;
  if (AnyKeyBindsMacro(keys, selected) && ShowMessageBox(owner_, nullptr, L"message_text_2", true) != kConfirmed)
    return false;
  if (ShowMessageBox(owner_, nullptr, L"message_text_4", true) != kConfirmed) return false;
  RepairKeysAfterMacroDeletion(keys, selected);

  std::vector<std::wstring> names = ListedNames();
  auto* combo = Find<CComboUI>(c_.functionCombo);
  if (combo) combo->RemoveAt(selected);
  DeleteFileW(MacroFilePath(folder_, names[selected]).c_str());
  names.erase(names.begin() + selected);
  Names()->RemoveAt(selected);
  if (CListUI* actions = Actions()) actions->RemoveAll();
  Names()->SelectItem(0);
  // Only the choice shown resets: its notification would store a macro into the key last shown.
  if (combo) combo->SelectItem1(0, false, false);
  RewriteMacroIndex(IndexFile(), names);
  if (c_.indexRewritten) c_.indexRewritten(folder_);
  if (names.empty()) EnableMacroControls(false);
  return true;
}

bool MacroPage::Rename() {
  const int selected = SelectedMacro();
  if (selected < 0) return false;
  if (!state_.renameIdle) return true;
  state_.renameIdle = 0;
  CControlUI* edit = Find(c_.nameEdit);
  const std::wstring newName = edit ? edit->GetText().str() : std::wstring();
  std::vector<std::wstring> names = ListedNames();
  const MacroRenameCheck check = CheckMacroRename(names, selected, newName);
  const std::wstring oldFile = MacroFilePath(folder_, names[selected]);
  const bool moved = check == MacroRenameCheck::Accepted && MoveRowsToRenamedFile(oldFile, MacroFilePath(folder_, newName));
  if (check != MacroRenameCheck::Unchanged && !moved) {
    ShowMessageBox(owner_, nullptr, L"message_text_5", true);
    if (edit) edit->SetText(names[selected].c_str());
  }
  if (moved) {
    if (c_.storesOwnName) WriteMacroOwnName(MacroFilePath(folder_, newName), newName);
    WriteMacroIndexName(IndexFile(), selected, newName);
    auto* element = static_cast<CListTextElementUI*>(Names()->GetItemAt(selected));
    element->SetUserData(newName.c_str());
    element->SetText(0, newName.c_str());
    if (auto* combo = Find<CComboUI>(c_.functionCombo))
      if (CControlUI* item = combo->GetItemAt(selected)) item->SetText(newName.c_str());
  }
  state_.renameIdle = 1;
  return moved;
}

// The rows shown are stored only once the file has its new name, so a refused move leaves the
// stored rows as they were. A macro never saved has no file yet: it gets one first, which goes
// again when the move is refused.
bool MacroPage::MoveRowsToRenamedFile(const std::wstring& oldFile, const std::wstring& newFile) {
  const bool stored = GetFileAttributesW(oldFile.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (!stored) WriteMacroActions(oldFile, RowRecords());
  if (!MoveMacroFile(oldFile, newFile)) {
    if (!stored) DeleteFileW(oldFile.c_str());
    return false;
  }
  if (stored) WriteMacroActions(newFile, RowRecords());
  return true;
}

void MacroPage::EndEdit() {
  SetShown(c_.saveOrCancel, false);
  ShowEditorPage(0);
  SetEnabled(c_.deleteMacroButton, true);
  if (CListUI* names = Names()) {
    names->SetEnabled(true);
    names->SetMouseEnabled(true);
    names->SetMouseChildEnabled(true);
    names->SetKeyboardEnabled(true);
  }
}

void MacroPage::Save() {
  EndEdit();
  const std::vector<std::wstring> names = ListedNames();
  if (!names.empty()) WriteMacroIndexEntry(IndexFile(), static_cast<int>(names.size()), static_cast<int>(names.size()) - 1, names.back());
  const int selected = SelectedMacro();
  if (selected < 0) return;
  const std::wstring file = MacroFilePath(folder_, names[selected]);
  WriteMacroActions(file, RowRecords());
  if (c_.storesOwnName) WriteMacroOwnName(file, ReadMacroName(IndexFile(), selected));
}

void MacroPage::Cancel() {
  EndEdit();
  CListUI* actions = Actions();
  if (actions) {
    actions->RemoveAll();
    actions->SelectItem(-1);
  }
  const int selected = SelectedMacro();
  if (selected >= 0 && ReadMacroCount(IndexFile()) == MacroCount()) LoadRows(ListedNames()[selected]);
}

void MacroPage::Export() {
  const int selected = SelectedMacro();
  if (selected < 0) return;
  const std::wstring target = ShowFileDialog(MacroFileDialog(false));
  if (!target.empty()) CopyMacroFileBytes(MacroFilePath(folder_, ListedNames()[selected]), target);
}

// An import that its add refuses stops there, so the copy never lands in another macro's file; a
// file too large to be a macro is refused before anything is added.
void MacroPage::Import() {
  if (MacroCount() > 0 && SelectedMacro() < 0) return;
  const std::wstring source = ShowFileDialog(MacroFileDialog(true));
  if (!source.empty()) {
    if (MacroFileTooLarge(source, DEVICE_MACRO_MOST_ACTIONS)) {
      DebugLine(L"macro import larger than a macro can be, refused: " + source);
      return;
    }
    if (!Add()) return;
    CopyMacroFileBytes(source, MacroFilePath(folder_, ListedNames()[SelectedMacro()]));
  }
  ShowSelected();
}
