#include "standin_call_log.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {
// The log's lines, each ending in '\n', in storage taken whole at the first call: a polling thread
// of a long demo run neither grows it nor allocates per call. When full, the older half goes.
constexpr size_t kKeptBytes = 1 << 20;
std::mutex logLock;
std::string lines;

void AppendLine(const char* line) {
  const size_t length = strlen(line) + 1;
  if (lines.capacity() < kKeptBytes) lines.reserve(kKeptBytes);
  if (lines.size() + length > kKeptBytes) {
    const size_t halfEnd = lines.find('\n', lines.size() / 2);
    lines.erase(0, halfEnd == std::string::npos ? lines.size() : halfEnd + 1);
  }
  lines += line;
  lines += '\n';
}
}  // namespace

void LogStandinCall(const char* format, ...) {
  char line[512];
  va_list args;
  va_start(args, format);
  vsnprintf(line, sizeof line, format, args);
  va_end(args);
  std::lock_guard<std::mutex> guard(logLock);
  AppendLine(line);
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
    all = lines;
  }
  if (buffer && size > 0) {
    size_t n = std::min(all.size(), static_cast<size_t>(size - 1));
    memcpy(buffer, all.data(), n);
    buffer[n] = '\0';
  }
  return static_cast<int>(all.size());
}

extern "C" void StandinClearCallLog() { ClearStandinCallLog(); }
