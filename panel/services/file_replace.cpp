#include "file_replace.h"

#include <windows.h>

#include <atomic>
#include <string>

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

std::wstring TemporaryPathBeside(const std::wstring& path) {
  // Unique per thread, so two threads saving the same profile never share a temporary file.
  return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"." +
         std::to_wstring(GetCurrentThreadId()) + L".tmp";
}
}  // namespace

bool ReplaceFileContents(const std::wstring& path, const void* data, size_t size) {
  const std::wstring temporary = TemporaryPathBeside(path);
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = WriteAll(file, static_cast<const char*>(data), size) && FlushFileBuffers(file);
  CloseHandle(file);
  if (ok) ok = MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}

void file_replace_testing::FailWritesAfter(long long bytes) { failWritesAfter = bytes; }
