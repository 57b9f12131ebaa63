#pragma once
#include <windows.h>

#include <functional>
#include <mutex>
#include <string>

// The program whose window is in the foreground, as the profile-link watchers ask for it. The
// Windows lookup is used unless a test installs another.
class ForegroundProgram {
 public:
  virtual ~ForegroundProgram() = default;
  // The full path of the foreground window's program; empty when no window is in the foreground or
  // its program cannot be read.
  virtual std::wstring Path() = 0;
};

ForegroundProgram& CurrentForegroundProgram();
// Null restores the Windows lookup.
void InstallForegroundProgram(ForegroundProgram* program);

// How the Windows lookup reads a process's program path: the first module of a Toolhelp snapshot
// of the process, and when that gives nothing (a 32-bit program cannot snapshot a 64-bit one) the
// process's image name. Each reader returns an empty path when it fails; when both fail, the
// diagnostics say so.
using ProcessPathReader = std::wstring (*)(DWORD processId);
std::wstring ReadProcessPath(DWORD processId, ProcessPathReader first, ProcessPathReader fallback);
std::wstring ProcessPathFromModuleSnapshot(DWORD processId);
std::wstring ProcessPathFromImageName(DWORD processId);

// The program path last read for a window in front. A window belongs to one process for its whole
// life, so while the same window of the same process stays in front its program is the one read
// before: a module snapshot costs milliseconds, and every profile watcher asks each second. A path
// that could not be read is not kept.
class ForegroundPathCache {
 public:
  std::wstring PathOf(HWND window, DWORD processId, const std::function<std::wstring(DWORD)>& read);

 private:
  std::mutex lock_;
  HWND window_ = nullptr;
  DWORD processId_ = 0;
  std::wstring path_;
};
