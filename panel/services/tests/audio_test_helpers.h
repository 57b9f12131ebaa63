#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "system_dialogs.h"
#include "test_files.h"

// Answers every message box with OK while it lives, and keeps what each one said.
class MessageBoxRecorder {
 public:
  MessageBoxRecorder() {
    AnswerMessageBoxesWith([this](const MessageBoxRequest& box) {
      boxes.push_back(box);
      return IDOK;
    });
  }
  ~MessageBoxRecorder() { AnswerMessageBoxesWith(nullptr); }

  std::vector<MessageBoxRequest> boxes;
};

// Collects the debugger lines written while it lives.
class DebugLogCapture {
 public:
  DebugLogCapture() { SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", path().c_str()); }
  ~DebugLogCapture() { SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", nullptr); }

  std::string Text() const {
    std::vector<unsigned char> bytes = ReadBytes(path());
    return std::string(bytes.begin(), bytes.end());
  }

 private:
  std::wstring path() const { return folder_ / L"debug.log"; }
  TempFolder folder_;
};

// The folder of the running test program, with its trailing backslash.
inline std::wstring TestProgramFolder() {
  wchar_t path[MAX_PATH * 4];
  DWORD length = GetModuleFileNameW(nullptr, path, ARRAYSIZE(path));
  std::wstring full(path, length);
  return full.substr(0, full.find_last_of(L'\\') + 1);
}
