#include "standin_call_log.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

namespace {
// The log's lines, each ending in '\n', in storage of a fixed size that is written through once
// when the library loads. Storage only reserved would be committed page by page as a polling
// thread's lines reach it, a steady growth for the first minutes of a long run. When full, the
// older half goes.
constexpr size_t kKeptBytes = 1 << 20;
std::mutex logLock;
std::vector<char> storage(kKeptBytes);  // value-initialised: every page touched now
size_t used = 0;

void DropOlderHalf() {
  const auto begin = storage.begin();
  const auto halfEnd = std::find(begin + used / 2, begin + used, '\n');
  const auto kept = halfEnd == begin + used ? halfEnd : halfEnd + 1;
  used = std::copy(kept, begin + used, begin) - begin;
}

void AppendLine(const char* line) {
  const size_t length = strlen(line);
  if (used + length + 1 > kKeptBytes) DropOlderHalf();
  std::copy(line, line + length, storage.begin() + used);
  used += length;
  storage[used++] = '\n';
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
  used = 0;
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
  std::lock_guard<std::mutex> guard(logLock);
  if (buffer && size > 0) {
    const size_t n = std::min(used, static_cast<size_t>(size - 1));
    std::copy(storage.begin(), storage.begin() + n, buffer);
    buffer[n] = '\0';
  }
  return static_cast<int>(used);
}

extern "C" void StandinClearCallLog() { ClearStandinCallLog(); }
