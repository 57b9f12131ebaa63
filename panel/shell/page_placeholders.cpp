// The one list of operations that the shell already calls but whose own work comes later: the
// keyboard, mouse, mouse-pad and headset pages, the worker threads that serve them, and the
// notification handlers. Each moves out of this file when it is built; nothing here does device
// work. The worker threads keep the stop protocol, so start-up and exit run as they will.
#include "exit_sequence.h"
#include "main_wnd.h"
#include "worker_threads.h"

// Keyboard pages.
void CMainWnd::RefreshKeyboardLightPage() {}
void CMainWnd::SendKeyboardLedFrame() {}
void CMainWnd::CaptureKeyboardKeyAssignment(WPARAM, LPARAM) {}
void CMainWnd::RecordKeyboardMacroKeyEvent(WPARAM, LPARAM) {}
void CMainWnd::RecordKeyboardMacroMouseEvent(WPARAM, LPARAM) {}

// Mouse and mouse-pad pages.
void CMainWnd::InitMousePage() {}
void CMainWnd::InitMousePadPage() {}
int CMainWnd::ReadMousePadMemory() { return 0; }
void CMainWnd::RefreshMousePadLightPage() {}
void CMainWnd::SendMouseLedFrame() {}
void CMainWnd::SendMousePadLedFrame() {}
void CMainWnd::ReadMouseMemory() {}
void CMainWnd::ReloadActiveMouseProfile() {}
void CMainWnd::RefreshMousePage() {}
void CMainWnd::ReloadActiveMousePadProfile() {}
void CMainWnd::CaptureMouseKeyAssignment(WPARAM, LPARAM) {}
void CMainWnd::RecordMouseMacroKeyEvent(WPARAM, LPARAM) {}
void CMainWnd::RecordMouseMacroMouseEvent(WPARAM, LPARAM) {}

// Headset pages.
void CMainWnd::InitHeadsetProfileList() {}
void CMainWnd::InitHeadsetK27Audio() {}
// Needs an output-report call on HidDevice, which comes with the K27 headset's page; until then
// the K27 channel is never open, so the exit's reports would fail without effect anyway.
void SendHeadsetK27OutputReport(DeviceCommandChannel&, const HeadsetK27Report&) {}

// Notification handlers.
void CMainWnd::HandleClick(CControlUI*) {}
void CMainWnd::HandleMouseLeave(CControlUI*) {}
void CMainWnd::HandleMouseEnter(CControlUI*) {}
void CMainWnd::HandleKillFocus(CControlUI*) {}
void CMainWnd::HandleSetFocus(CControlUI*) {}
void CMainWnd::HandleItemSelect(CControlUI*) {}
void CMainWnd::HandleSelectChanged(CControlUI*) {}
void CMainWnd::HandleValueChanged(CControlUI*) {}
void CMainWnd::HandleMoveValueChanged(CControlUI*) {}
void CMainWnd::HandleTextChanged(CControlUI*) {}
void CMainWnd::HandleColorChanged(CControlUI*) {}
void CMainWnd::HandleItemClick(CControlUI*) {}

// Worker thread bodies (the synchronised-lighting thread is built: sync_lighting_thread.cpp).
unsigned __stdcall MouseDetectThreadProc(void* p) { return RunUntilStopped(p, L"mouse detection ended"); }
unsigned __stdcall MousePadDetectThreadProc(void* p) { return RunUntilStopped(p, L"mouse pad detection ended"); }
unsigned __stdcall MouseSyncReaderThreadProc(void* p) { return RunUntilStopped(p, L"mouse change reader ended"); }
unsigned __stdcall KeyboardLightingThreadProc(void* p) { return RunUntilStopped(p, L"keyboard lighting ended"); }
unsigned __stdcall MouseLightingThreadProc(void* p) { return RunUntilStopped(p, L"mouse lighting ended"); }
unsigned __stdcall MousePadLightingThreadProc(void* p) { return RunUntilStopped(p, L"mouse pad lighting ended"); }
unsigned __stdcall KeyboardDeviceProfileWatchThreadProc(void* p) {
  return RunUntilStopped(p, L"keyboard device profile watcher ended");
}
unsigned __stdcall KeyboardKeyProfileWatchThreadProc(void* p) {
  return RunUntilStopped(p, L"keyboard key profile watcher ended");
}
unsigned __stdcall MouseDeviceProfileWatchThreadProc(void* p) {
  return RunUntilStopped(p, L"mouse device profile watcher ended");
}
unsigned __stdcall MouseKeyProfileWatchThreadProc(void* p) {
  return RunUntilStopped(p, L"mouse key profile watcher ended");
}
unsigned __stdcall MousePadLightProfileWatchThreadProc(void* p) {
  return RunUntilStopped(p, L"mouse pad light profile watcher ended");
}
unsigned __stdcall HeadsetDetectThreadProc(void* p) { return RunUntilStopped(p, L"headset detection ended"); }
unsigned __stdcall HeadsetLightingThreadProc(void* p) { return RunUntilStopped(p, L"headset lighting ended"); }
unsigned __stdcall HeadsetK27DetectThreadProc(void* p) { return RunUntilStopped(p, L"K27 detection ended"); }
unsigned __stdcall HeadsetK27LightingThreadProc(void* p) { return RunUntilStopped(p, L"K27 lighting ended"); }
