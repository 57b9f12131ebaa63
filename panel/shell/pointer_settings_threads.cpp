// The two short-lived threads that hand the mouse page's pointer settings to Windows.
#include <algorithm>
#include <atomic>

#include "mouse_state.h"
#include "pointer_settings_applier.h"
#include "worker_threads.h"

namespace {
constexpr uint8_t kSlowestPointerSpeed = 1;
constexpr uint8_t kFastestPointerSpeed = 20;

void SetInWindows(UINT speed) {
  SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(speed)), SPIF_UPDATEINIFILE);
}
std::atomic<PointerSpeedSetter> speedSetter{SetInWindows};

void BroadcastWheelLinesChange() { SendMessageW(HWND_BROADCAST, WM_WININICHANGE, SPI_SETWHEELSCROLLLINES, 0); }

DWORD WINAPI AnnounceWheelLinesThreadProc(void*) {
  BroadcastWheelLinesChange();
  return 0;
}
}  // namespace

void SetWindowsPointerSpeed(UINT speed) { speedSetter.load()(speed); }
void InstallPointerSpeedSetter(PointerSpeedSetter setter) { speedSetter = setter ? setter : SetInWindows; }

DWORD WINAPI ApplyMouseSpeedThreadProc(void*) {
  const uint8_t speed = std::clamp(MousePointerSpeed.load(), kSlowestPointerSpeed, kFastestPointerSpeed);
  MousePointerSpeed = speed;
  SetWindowsPointerSpeed(speed);
  return 0;
}

// The broadcast waits for every top-level window, which is why this runs on a thread of its own.
DWORD WINAPI ApplyWheelLinesThreadProc(void*) {
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, MouseWheelLines.load(), nullptr, SPIF_UPDATEINIFILE);
  BroadcastWheelLinesChange();
  return 0;
}

bool AnnounceWheelLinesChange() {
  HANDLE thread = CreateThread(nullptr, 0, AnnounceWheelLinesThreadProc, nullptr, 0, nullptr);
  if (!thread) return false;
  CloseHandle(thread);
  return true;
}
