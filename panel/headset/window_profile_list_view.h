#pragma once
#include "named_profile_list.h"
#include "profile_list_view.h"

class CControlUI;
class CMainWnd;

// A named profile list's view on the main window's controls, found by the list's names.
class WindowProfileListView : public ProfileListView {
 public:
  WindowProfileListView(CMainWnd& window, const NamedProfileListParams& params);

  int Count() override;
  std::wstring ItemText(int index) override;
  std::wstring ItemName(int index) override;
  void AppendItem(const std::wstring& name, ItemOrigin origin) override;
  void RenameItem(int index, const std::wstring& name) override;
  void RemoveItem(int index) override;
  int SelectedIndex() override;
  void SelectIndex(int index) override;
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
  CControlUI* Row(int index);
  void SetEnabled(const wchar_t* name, bool enabled);

  CMainWnd& window_;
  const NamedProfileListParams& params_;
};
