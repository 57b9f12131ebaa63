#include "file_replace.h"

#include <windows.h>

#include <atomic>
#include <string>

#include "diagnostics.h"

namespace {
std::atomic<long long> failWritesAfter{-1};

bool WriteAll(HANDLE file, const char* data, size_t size) {
  long long limit = failWritesAfter.load();
  size_t allowed = (limit >= 0 && static_cast<size_t>(limit) < size) ? static_cast<size_t>(limit) : size;
  DWORD written = 0;
  if (allowed > 0 && (!WriteFile(file, data, static_cast<DWORD>(allowed), &written, nullptr) || written != allowed))
    return false;
  return allowed == size;
}

// A reader holding the old file open (another thread loading the profile) keeps it from being
// replaced for a moment; Windows then answers "access denied", a scanner holding the new file a
// sharing or lock violation. Such a failure is worth a few more tries before it is reported.
constexpr ULONGLONG kMoveRetryMs = 500;
constexpr DWORD kMoveRetryPauseMs = 10;

bool IsMomentaryMoveFailure(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}

bool MoveOver(const std::wstring& from, const std::wstring& to) {
  const ULONGLONG giveUp = GetTickCount64() + kMoveRetryMs;
  for (;;) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    if (!IsMomentaryMoveFailure(GetLastError()) || GetTickCount64() >= giveUp) return false;
    Sleep(kMoveRetryPauseMs);
  }
}

std::wstring TemporaryPathBeside(const std::wstring& path) {
  // Unique per thread, so two threads saving the same profile never share a temporary file.
  return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"." +
         std::to_wstring(GetCurrentThreadId()) + L".tmp";
}

bool WriteBesideThenMoveOver(const std::wstring& path, const void* data, size_t size) {
  const std::wstring temporary = TemporaryPathBeside(path);
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = WriteAll(file, static_cast<const char*>(data), size) && FlushFileBuffers(file);
  CloseHandle(file);
  if (ok) ok = MoveOver(temporary, path);
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}
}  // namespace

bool IsReadOnlyFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

bool ReplaceFileContents(const std::wstring& path, const void* data, size_t size) {
  if (path.empty()) return false;
  if (!IsReadOnlyFile(path) && WriteBesideThenMoveOver(path, data, size)) return true;
  DebugLine(L"file cannot be written, left as it was: " + path);
  return false;
}

void file_replace_testing::FailWritesAfter(long long bytes) { failWritesAfter = bytes; }
