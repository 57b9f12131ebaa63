#include "file_dialogs.h"

#include <commdlg.h>

#include <mutex>
#include <utility>
#include <vector>

namespace {
std::mutex chooserLock;
std::function<std::wstring(const FileDialogRequest&)> testChooser;

constexpr DWORD kPathChars = 32768;  // the longest path Windows takes

std::wstring RunWindowsDialog(const FileDialogRequest& request) {
  const std::wstring filter = WindowsDialogFilter(request.filter);
  std::vector<wchar_t> path(kPathChars, L'\0');
  request.fileName.copy(path.data(), kPathChars - 1);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = request.owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kPathChars;
  dialog.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  dialog.Flags = request.flags | OFN_EXPLORER;
  const BOOL chosen = request.open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
  return chosen ? std::wstring(path.data()) : std::wstring();
}
}  // namespace

std::wstring WindowsDialogFilter(const std::wstring& barSeparated) {
  std::wstring filter = barSeparated;
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  // The final "||" already gives the two closing zeros; a filter without them gets its own.
  while (filter.size() < 2 || filter[filter.size() - 1] != L'\0' || filter[filter.size() - 2] != L'\0')
    filter.push_back(L'\0');
  return filter;
}

std::wstring ShowFileDialog(const FileDialogRequest& request) {
  std::function<std::wstring(const FileDialogRequest&)> chooser;
  {
    std::lock_guard<std::mutex> guard(chooserLock);
    chooser = testChooser;
  }
  return chooser ? chooser(request) : RunWindowsDialog(request);
}

void AnswerFileDialogsWith(std::function<std::wstring(const FileDialogRequest&)> chooser) {
  std::lock_guard<std::mutex> guard(chooserLock);
  testChooser = std::move(chooser);
}
