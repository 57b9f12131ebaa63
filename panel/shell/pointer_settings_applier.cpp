#include "pointer_settings_applier.h"

#include <atomic>

#include "worker_threads.h"

namespace {
struct Applier {
  LPTHREAD_START_ROUTINE apply;
  std::atomic<bool> requested{false};
  std::atomic<bool> running{false};
};

Applier appliers[] = {{ApplyMouseSpeedThreadProc}, {ApplyWheelLinesThreadProc}};

Applier& ApplierOf(PointerSetting setting) { return appliers[setting == PointerSetting::Speed ? 0 : 1]; }

DWORD WINAPI ApplyWhileRequested(void* parameter) {
  Applier& applier = *static_cast<Applier*>(parameter);
  // A request that comes after the last look at `requested` but before `running` is cleared found
  // this thread still running and started none: it is taken up here.
  do {
    while (applier.requested.exchange(false)) applier.apply(nullptr);
    applier.running = false;
  } while (applier.requested && !applier.running.exchange(true));
  return 0;
}
}  // namespace

bool StartPointerSettingApplier(PointerSetting setting) {
  Applier& applier = ApplierOf(setting);
  applier.requested = true;
  if (applier.running.exchange(true)) return true;
  HANDLE thread = CreateThread(nullptr, 0, ApplyWhileRequested, &applier, 0, nullptr);
  if (!thread) {
    applier.running = false;
    return false;
  }
  CloseHandle(thread);
  return true;
}
