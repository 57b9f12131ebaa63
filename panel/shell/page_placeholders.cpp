// The one list of operations that the shell already calls but whose own work comes later: the
// keyboard, mouse, mouse-pad and headset pages and the worker threads that serve them. Each moves
// out of this file when it is built; nothing here does device work. The worker threads keep the
// stop protocol, so start-up and exit run as they will.
#include "main_wnd.h"
#include "worker_threads.h"

// Keyboard pages.
void CMainWnd::CaptureKeyboardKeyAssignment(WPARAM, LPARAM) {}
void CMainWnd::RecordKeyboardMacroKeyEvent(WPARAM, LPARAM) {}
void CMainWnd::RecordKeyboardMacroMouseEvent(WPARAM, LPARAM) {}

// Mouse and mouse-pad pages.
void CMainWnd::InitMousePadPage() {}
int CMainWnd::ReadMousePadMemory() { return 0; }
void CMainWnd::RefreshMousePadLightPage() {}
void CMainWnd::SendMouseLedFrame() {}
void CMainWnd::SendMousePadLedFrame() {}
void CMainWnd::RefreshMousePage() {}
void CMainWnd::RelabelMouseKeys(int) {}
void CMainWnd::ReloadActiveMousePadProfile() {}
void CMainWnd::CaptureMouseKeyAssignment(WPARAM, LPARAM) {}
void CMainWnd::RecordMouseMacroKeyEvent(WPARAM, LPARAM) {}
void CMainWnd::RecordMouseMacroMouseEvent(WPARAM, LPARAM) {}

// Headset pages.
void CMainWnd::InitHeadsetProfileList() {}
void CMainWnd::InitHeadsetK27Audio() {}

// Worker thread bodies (the synchronised-lighting thread is built: sync_lighting_thread.cpp).
unsigned __stdcall MousePadDetectThreadProc(void* p) { return RunUntilStopped(p, L"mouse pad detection ended"); }
unsigned __stdcall MouseLightingThreadProc(void* p) { return RunUntilStopped(p, L"mouse lighting ended"); }
unsigned __stdcall MousePadLightingThreadProc(void* p) { return RunUntilStopped(p, L"mouse pad lighting ended"); }
unsigned __stdcall MousePadLightProfileWatchThreadProc(void* p) {
  return RunUntilStopped(p, L"mouse pad light profile watcher ended");
}
unsigned __stdcall HeadsetDetectThreadProc(void* p) { return RunUntilStopped(p, L"headset detection ended"); }
unsigned __stdcall HeadsetLightingThreadProc(void* p) { return RunUntilStopped(p, L"headset lighting ended"); }
unsigned __stdcall HeadsetK27DetectThreadProc(void* p) { return RunUntilStopped(p, L"K27 detection ended"); }
unsigned __stdcall HeadsetK27LightingThreadProc(void* p) { return RunUntilStopped(p, L"K27 lighting ended"); }
