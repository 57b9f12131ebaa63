#include "standin_call_log.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>

namespace {
constexpr size_t kKeptLines = 20000;
std::mutex logLock;
std::deque<std::string> lines;
}  // namespace

void LogStandinCall(const char* format, ...) {
  char line[512];
  va_list args;
  va_start(args, format);
  vsnprintf(line, sizeof line, format, args);
  va_end(args);
  std::lock_guard<std::mutex> guard(logLock);
  if (lines.size() == kKeptLines) lines.pop_front();
  lines.emplace_back(line);
}

void ClearStandinCallLog() {
  std::lock_guard<std::mutex> guard(logLock);
  lines.clear();
}

std::string StandinLogText(const wchar_t* text) {
  if (!text) return "(null)";
  std::string out;
  for (; *text; ++text) out += *text < 0x80 ? static_cast<char>(*text) : '?';
  return out;
}

// The log as lines ending in '\n', copied into `buffer` (cut to `size` - 1 and terminated).
// Returns the full length, so a caller can ask with size 0 first.
extern "C" int StandinCopyCallLog(char* buffer, int size) {
  std::string all;
  {
    std::lock_guard<std::mutex> guard(logLock);
    for (const std::string& line : lines) all += line + '\n';
  }
  if (buffer && size > 0) {
    size_t n = std::min(all.size(), static_cast<size_t>(size - 1));
    memcpy(buffer, all.data(), n);
    buffer[n] = '\0';
  }
  return static_cast<int>(all.size());
}

extern "C" void StandinClearCallLog() { ClearStandinCallLog(); }
