// The one list of operations that the shell already calls but whose own work comes later: the
// keyboard, mouse, mouse-pad and headset pages and the worker threads that serve them. Each moves
// out of this file when it is built; nothing here does device work. The worker threads keep the
// stop protocol, so start-up and exit run as they will.
#include "main_wnd.h"
#include "worker_threads.h"

// Mouse and mouse-pad pages.
void CMainWnd::SendMouseLedFrame() {}
void CMainWnd::RefreshMousePage() {}
void CMainWnd::RelabelMouseKeys(int) {}
void CMainWnd::CaptureMouseKeyAssignment(WPARAM, LPARAM) {}
void CMainWnd::RecordMouseMacroKeyEvent(WPARAM, LPARAM) {}
void CMainWnd::RecordMouseMacroMouseEvent(WPARAM, LPARAM) {}

// Worker thread bodies (the synchronised-lighting thread is built: sync_lighting_thread.cpp).
unsigned __stdcall MouseLightingThreadProc(void* p) { return RunUntilStopped(p, L"mouse lighting ended"); }
unsigned __stdcall MouseDeviceProfileWatchThreadProc(void* p) {
  return RunUntilStopped(p, L"mouse device profile watcher ended");
}
unsigned __stdcall MouseKeyProfileWatchThreadProc(void* p) {
  return RunUntilStopped(p, L"mouse key profile watcher ended");
}
