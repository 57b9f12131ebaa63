#pragma once
#include <string>

#include "test_files.h"

// Collects the diagnostics lines written while it lives (through KARVO_DEBUG_LOG, in UTF-8).
class DebugLogCapture {
 public:
  DebugLogCapture();
  ~DebugLogCapture();
  DebugLogCapture(const DebugLogCapture&) = delete;
  DebugLogCapture& operator=(const DebugLogCapture&) = delete;

  std::string Text() const;
  // How many lines are exactly `line`.
  int Count(const std::wstring& line) const;

 private:
  std::wstring path() const { return folder_ / L"debug.log"; }
  TempFolder folder_;
};
