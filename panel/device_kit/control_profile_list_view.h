#pragma once
#include "named_profile_list.h"
#include "profile_list_view.h"

class CControlUI;
class CMainWnd;

// A named profile list's page on the main window's controls, found by the names of the list's
// parameters. A missing control (or a name the list leaves null) reads as empty and ignores what
// it is told.
class ControlProfileListView : public ProfileListView {
 public:
  ControlProfileListView(CMainWnd& window, const NamedProfileListParams& params);

  // Whether the list's combo exists (a watcher without it has nothing to watch).
  bool HasCombo() const;

  int Count() override;
  std::wstring ItemText(int index) override;
  std::wstring ItemName(int index) override;
  void AppendItem(const std::wstring& name, ItemOrigin origin) override;
  void RenameItem(int index, const std::wstring& name) override;
  void RemoveItem(int index) override;
  int SelectedIndex() override;
  void SelectIndex(int index) override;
  void SelectIndexQuietly(int index) override;
  std::wstring NameEditText() override;
  void SetNameEditText(const std::wstring& text) override;
  void SetFileButtonsEnabled(bool enabled) override;
  void SetBrowseEnabled(bool enabled) override;
  bool IsLinkChecked() override;
  void SetLinkChecked(bool checked, bool notify) override;
  void SetLinkText(const std::wstring& text) override;
  void SetLinkRowShown(bool shown) override;
  int ShowMessage(const wchar_t* textId) override;
  std::wstring ChooseFile(bool open, const std::wstring& defaultExtension, const std::wstring& fileName,
                          const std::wstring& filter) override;

 private:
  template <class T = CControlUI>
  T* Control(const wchar_t* name) const;
  CControlUI* Item(int index) const;
  void SetEnabled(const wchar_t* name, bool enabled);

  CMainWnd& window_;
  const NamedProfileListParams& params_;
};
