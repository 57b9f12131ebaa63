#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "debug_log_capture.h"
#include "system_dialogs.h"

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
