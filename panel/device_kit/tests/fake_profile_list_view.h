#pragma once
// A profile list's page as plain data, with the notification rules of the real controls: a changed
// combo selection runs the list's Select, a changed link check box (when notifying) its link toggle.
#include <algorithm>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "profile_list_view.h"

struct FakeProfileListView : ProfileListView {
  struct Item {
    std::wstring text, name;
    ItemOrigin origin;
  };
  struct DialogRequest {
    bool open;
    std::wstring defaultExtension, fileName, filter;
  };

  std::vector<Item> items;
  int selected = -1;
  bool provisional = false;  // selected by a removal: the next selection notifies
  std::wstring nameEdit;
  bool fileButtonsEnabled = true, browseEnabled = true;
  bool linkChecked = false, linkRowShown = false;
  std::wstring linkText;

  std::vector<std::wstring> messages;
  int messageAnswer = 1;
  std::deque<std::wstring> dialogAnswers;  // empty answers cancel
  std::vector<DialogRequest> dialogs;
  std::function<void()> duringDialog;

  std::function<void()> onItemSelect, onLinkChanged;

  int Count() override { return static_cast<int>(items.size()); }
  std::wstring ItemText(int i) override { return items.at(i).text; }
  std::wstring ItemName(int i) override { return items.at(i).name; }
  void AppendItem(const std::wstring& name, ItemOrigin origin) override { items.push_back({name, name, origin}); }
  void RenameItem(int i, const std::wstring& name) override { items.at(i).text = items.at(i).name = name; }
  void RemoveItem(int i) override {
    items.erase(items.begin() + i);
    if (selected == i) {
      selected = std::min(i, Count() - 1);
      provisional = true;
    } else if (selected > i) {
      --selected;
    }
  }
  int SelectedIndex() override { return selected; }
  void SelectIndex(int index) override {
    if (index < -1 || index >= Count()) return;
    const bool changed = index != selected || provisional;
    selected = index;
    provisional = false;
    if (changed && index >= 0 && onItemSelect) onItemSelect();
  }
  void SelectIndexQuietly(int index) override {
    if (index < -1 || index >= Count()) return;
    selected = index;
    provisional = false;
  }
  std::wstring NameEditText() override { return nameEdit; }
  void SetNameEditText(const std::wstring& text) override { nameEdit = text; }
  void SetFileButtonsEnabled(bool enabled) override { fileButtonsEnabled = enabled; }
  void SetBrowseEnabled(bool enabled) override { browseEnabled = enabled; }
  bool IsLinkChecked() override { return linkChecked; }
  void SetLinkChecked(bool checked, bool notify) override {
    const bool changed = checked != linkChecked;
    linkChecked = checked;
    if (changed && notify && onLinkChanged) onLinkChanged();
  }
  void SetLinkText(const std::wstring& text) override { linkText = text; }
  void SetLinkRowShown(bool shown) override { linkRowShown = shown; }
  int ShowMessage(const wchar_t* textId) override {
    messages.push_back(textId);
    return messageAnswer;
  }
  std::wstring ChooseFile(bool open, const std::wstring& defaultExtension, const std::wstring& fileName,
                          const std::wstring& filter) override {
    dialogs.push_back({open, defaultExtension, fileName, filter});
    if (duringDialog) duringDialog();
    if (dialogAnswers.empty()) return {};
    std::wstring answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
  }

  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    for (const Item& item : items) names.push_back(item.name);
    return names;
  }
};
