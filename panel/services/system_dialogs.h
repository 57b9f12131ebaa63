#pragma once
#include <windows.h>

#include <functional>
#include <string>

// Every modal message box of the panel goes through here instead of MessageBoxW, so that tests
// can answer it without a person and see what it said.

struct MessageBoxRequest {
  HWND owner;
  std::wstring text;
  std::wstring caption;
  UINT type;
};

// MessageBoxW, or the test's answerer when one is set; returns the button pressed (IDOK, ...).
int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);

// The framework-style box: no owner, titled with the program's name.
int ProgramMessageBox(const std::wstring& text, UINT type = MB_OK);

// Tests only: from now on every box is handed to `answerer` instead of being shown; an empty
// function shows them again.
void AnswerMessageBoxesWith(std::function<int(const MessageBoxRequest&)> answerer);
