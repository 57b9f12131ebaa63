#include "debug_log_capture.h"

#include <windows.h>

#include <sstream>

#include "diagnostics.h"

DebugLogCapture::DebugLogCapture() { SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", path().c_str()); }

DebugLogCapture::~DebugLogCapture() { SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", nullptr); }

std::string DebugLogCapture::Text() const {
  const std::vector<unsigned char> bytes = ReadBytes(path());
  return std::string(bytes.begin(), bytes.end());
}

int DebugLogCapture::Count(const std::wstring& line) const {
  std::istringstream stream(Text());
  const std::string wanted = ToUtf8(line);
  int count = 0;
  for (std::string read; std::getline(stream, read);)
    if (read == wanted) ++count;
  return count;
}
