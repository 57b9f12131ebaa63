#include "system_dialogs.h"

#include <mutex>
#include <utility>

namespace {
std::mutex answererLock;
std::function<int(const MessageBoxRequest&)> testAnswerer;

// The framework-style boxes are titled with the program's name.
const wchar_t* const kProgramName = L"Marvane";
}  // namespace

int SystemMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  std::function<int(const MessageBoxRequest&)> answerer;
  {
    std::lock_guard<std::mutex> guard(answererLock);
    answerer = testAnswerer;
  }
  if (answerer) return answerer(MessageBoxRequest{owner, text, caption, type});
  return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

int ProgramMessageBox(const std::wstring& text, UINT type) {
  return SystemMessageBox(nullptr, text, kProgramName, type);
}

void AnswerMessageBoxesWith(std::function<int(const MessageBoxRequest&)> answerer) {
  std::lock_guard<std::mutex> guard(answererLock);
  testAnswerer = std::move(answerer);
}
