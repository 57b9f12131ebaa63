// The exit sequence: the window is destroyed, the worker threads are stopped and the headsets'
// lights are left in a fixed state.
#include <array>
#include <cstdint>

#include "audio_control_library.h"
#include "diagnostics.h"
#include "exit_sequence.h"
#include "main_wnd.h"

namespace {
struct LedRegisterWrite {
  int slave;
  int reg;
  uint8_t value;
};

// The first headset family's two LED controllers, as the panel leaves them.
constexpr LedRegisterWrite kHeadsetExitWrites[] = {
    {0x11, 0x23, 2},    {0x22, 0x23, 2},    {0x11, 0x24, 0xFF}, {0x22, 0x24, 0xFF},
    {0x11, 0x25, 8},    {0x22, 0x25, 8},    {0x11, 0x2A, 0xFF}, {0x22, 0x2A, 0xFF},
};
constexpr int kI2CTimeoutMs = 1000;
constexpr int kI2CDeviceId = 0;
constexpr uint8_t kK27ExitTargets[] = {0x22, 0x44};
}  // namespace

void PutHeadsetLedsInExitState(const AudioControlLibraryLoader& library) {
  for (const LedRegisterWrite& write : kHeadsetExitWrites) {
    uint8_t value = write.value;
    library.Harkin_Write_I2C_ById(write.slave, write.reg, &value, 1, kI2CTimeoutMs, kI2CDeviceId);
  }
}

std::array<HeadsetK27Report, 2> HeadsetK27ExitReports() {
  std::array<HeadsetK27Report, 2> reports{};
  for (size_t i = 0; i < reports.size(); ++i) {
    reports[i][0] = 0xFF;
    reports[i][1] = kK27ExitTargets[i];
    reports[i][2] = 0x23;
    reports[i][3] = 0x04;
  }
  return reports;
}

// No channel lock: the K27 lighting thread sends the same way, on the handle its detection thread
// keeps open; the device itself keeps a close from pulling the handle away mid-call.
int SendHeadsetK27OutputReport(DeviceCommandChannel& channel, const HeadsetK27Report& report) {
  return channel.m_device.SetOutputReport(report.data(), static_cast<DWORD>(report.size()));
}

LRESULT CMainWnd::OnDestroy(UINT, WPARAM, LPARAM, BOOL& handled) {
  // First: while the exit waits for the worker threads this thread pumps no messages, and every key
  // pressed on the machine would wait for the keyboard hook's time-out.
  m_deviceHook.Uninstall();
  m_trayIcon.DeleteTrayIcon();
  PostQuitMessage(0);
  handled = FALSE;  // the exit sequence follows in HandleCustomMessage
  return 0;
}

void CMainWnd::RunExitSequence() {
  DebugLine(L"\u9000\u51FA\u6D4B\u8BD5");
  StopWorkerThreads();
  PutHeadsetLedsInExitState(AudioControlLibrary());
  for (const HeadsetK27Report& report : HeadsetK27ExitReports()) SendHeadsetK27OutputReport(m_headsetK27Channel, report);
  PostQuitMessage(0);
}
