#include "foreground_program.h"

#include <tlhelp32.h>

#include <atomic>
#include <vector>

#include "diagnostics.h"

namespace {
class WindowsForegroundProgram : public ForegroundProgram {
 public:
  std::wstring Path() override {
    HWND window = GetForegroundWindow();
    DWORD processId = 0;
    if (!window || !GetWindowThreadProcessId(window, &processId) || processId == 0) return {};
    return cache_.PathOf(window, processId, [](DWORD id) {
      return ReadProcessPath(id, ProcessPathFromModuleSnapshot, ProcessPathFromImageName);
    });
  }

 private:
  ForegroundPathCache cache_;
};

std::atomic<ForegroundProgram*> installedProgram{nullptr};
}  // namespace

ForegroundProgram& CurrentForegroundProgram() {
  static WindowsForegroundProgram windowsProgram;
  ForegroundProgram* installed = installedProgram.load();
  return installed ? *installed : windowsProgram;
}

void InstallForegroundProgram(ForegroundProgram* program) { installedProgram.store(program); }

std::wstring ReadProcessPath(DWORD processId, ProcessPathReader first, ProcessPathReader fallback) {
  std::wstring path = first(processId);
  if (path.empty()) path = fallback(processId);
  if (path.empty()) DebugLine(L"\u6587\u4ef6\u540d\u5b57\u8bbf\u95ee\u5931\u8d25");  // "file name access failed"
  return path;
}

std::wstring ProcessPathFromModuleSnapshot(DWORD processId) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return {};
  MODULEENTRY32W module{};
  module.dwSize = sizeof(module);
  std::wstring path;
  if (Module32FirstW(snapshot, &module)) path = module.szExePath;  // the first module is the program
  CloseHandle(snapshot);
  return path;
}

std::wstring ProcessPathFromImageName(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  std::vector<wchar_t> buffer(MAX_PATH);
  std::wstring path;
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    if (QueryFullProcessImageNameW(process, 0, buffer.data(), &size)) {
      path.assign(buffer.data(), size);
      break;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || buffer.size() >= 32768) break;
    buffer.resize(buffer.size() * 2);
  }
  CloseHandle(process);
  return path;
}

std::wstring ForegroundPathCache::PathOf(HWND window, DWORD processId, const std::function<std::wstring(DWORD)>& read) {
  {
    std::lock_guard<std::mutex> hold(lock_);
    if (window == window_ && processId == processId_) return path_;
  }
  std::wstring path = read(processId);
  if (!path.empty()) {
    std::lock_guard<std::mutex> hold(lock_);
    window_ = window;
    processId_ = processId;
    path_ = path;
  }
  return path;
}
