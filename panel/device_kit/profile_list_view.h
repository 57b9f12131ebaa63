#pragma once
#include <string>

// What a named profile list needs of its page: the combo of profile names (the working copy of the
// list), the name edit, the link controls, message boxes and file dialogs. The window implements it
// on its controls; tests implement it on plain data.
class ProfileListView {
 public:
  virtual ~ProfileListView() = default;

  // How an item was made: at start-up, by add, by copy (each looks a little different).
  enum class ItemOrigin { Filled, Added, Copied };

  virtual int Count() = 0;
  // The item's text (compared when a name is chosen) and user data (the name that files follow).
  virtual std::wstring ItemText(int index) = 0;
  virtual std::wstring ItemName(int index) = 0;
  virtual void AppendItem(const std::wstring& name, ItemOrigin origin) = 0;
  // Text and user data together.
  virtual void RenameItem(int index, const std::wstring& name) = 0;
  virtual void RemoveItem(int index) = 0;
  // -1 when none.
  virtual int SelectedIndex() = 0;
  // Raises the combo's item-select notification, which runs the list's Select, when the selection
  // changes; the first selection after a removal always counts as a change. -1 clears it.
  virtual void SelectIndex(int index) = 0;
  // Selects without the notification: nothing is applied.
  virtual void SelectIndexQuietly(int index) = 0;

  virtual std::wstring NameEditText() = 0;
  virtual void SetNameEditText(const std::wstring& text) = 0;
  virtual void SetFileButtonsEnabled(bool enabled) = 0;  // import and export
  virtual void SetBrowseEnabled(bool enabled) = 0;

  virtual bool IsLinkChecked() = 0;
  // With `notify` a change raises the check box's select-changed notification, which runs the
  // list's link toggle.
  virtual void SetLinkChecked(bool checked, bool notify) = 0;
  virtual void SetLinkText(const std::wstring& text) = 0;
  virtual void SetLinkRowShown(bool shown) = 0;

  // A language text id; 1 when the user confirmed.
  virtual int ShowMessage(const wchar_t* textId) = 0;
  // The chosen full path, empty when cancelled.
  virtual std::wstring ChooseFile(bool open, const std::wstring& defaultExtension, const std::wstring& fileName,
                                  const std::wstring& filter) = 0;
};
