#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Every open and save dialog of the panel goes through here, so that tests can choose a file
// without a person and see what was asked.

struct FileDialogRequest {
  bool open;                     // open dialog; false: save dialog
  HWND owner;
  std::wstring defaultExtension; // without the dot
  std::wstring fileName;         // shown in the name field at first
  DWORD flags;                   // OFN_ flags
  std::wstring filter;           // "(*.png) | *.png |(*.*)|*.*||": pairs of name and pattern
};

// The full path chosen, or empty when the dialog was cancelled.
std::wstring ShowFileDialog(const FileDialogRequest& request);

// The '|'-separated filter in the form the Windows dialogs take: each part ends with a 0, and one
// more 0 ends the list.
std::wstring WindowsDialogFilter(const std::wstring& barSeparated);

// Tests only: from now on every dialog is handed to `chooser`, whose answer is the chosen path
// (empty: cancelled); an empty function shows the dialogs again.
void AnswerFileDialogsWith(std::function<std::wstring(const FileDialogRequest&)> chooser);
