// The two short-lived threads that hand the mouse page's pointer settings to Windows.
#include <algorithm>

#include "mouse_state.h"
#include "worker_threads.h"

namespace {
constexpr uint8_t kSlowestPointerSpeed = 1;
constexpr uint8_t kFastestPointerSpeed = 20;
}  // namespace

DWORD WINAPI ApplyMouseSpeedThreadProc(void*) {
  const uint8_t speed = std::clamp(MousePointerSpeed.load(), kSlowestPointerSpeed, kFastestPointerSpeed);
  MousePointerSpeed = speed;
  SystemParametersInfoW(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(speed)),
                        SPIF_UPDATEINIFILE);
  return 0;
}

// The broadcast waits for every top-level window, which is why this runs on a thread of its own.
DWORD WINAPI ApplyWheelLinesThreadProc(void*) {
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, MouseWheelLines.load(), nullptr, SPIF_UPDATEINIFILE);
  SendMessageW(HWND_BROADCAST, WM_WININICHANGE, SPI_SETWHEELSCROLLLINES, 0);
  return 0;
}
