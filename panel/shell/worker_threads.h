#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>

class CMainWnd;

// What each worker thread is given: its owner and its own stop event.
struct WorkerThreadParam {
  CMainWnd* owner;
  HANDLE stopEvent;
};

constexpr int kWorkerThreadCount = 18;

using WorkerThreadProc = unsigned(__stdcall*)(void* parameter);

// The worker threads in start order.
extern const WorkerThreadProc kWorkerThreadProcs[kWorkerThreadCount];

unsigned __stdcall KeyboardDetectThreadProc(void* parameter);
unsigned __stdcall MouseDetectThreadProc(void* parameter);
unsigned __stdcall MousePadDetectThreadProc(void* parameter);
unsigned __stdcall MouseSyncReaderThreadProc(void* parameter);
unsigned __stdcall KeyboardSyncReaderThreadProc(void* parameter);
unsigned __stdcall KeyboardLightingThreadProc(void* parameter);
unsigned __stdcall MouseLightingThreadProc(void* parameter);
unsigned __stdcall MousePadLightingThreadProc(void* parameter);
unsigned __stdcall SyncLightingThreadProc(void* parameter);
// One pass of the synchronised-lighting thread after its stop test; false when it is to end.
bool RunSyncLightingPass(CMainWnd& wnd, const WorkerThreadParam& param);
unsigned __stdcall KeyboardDeviceProfileWatchThreadProc(void* parameter);
unsigned __stdcall KeyboardKeyProfileWatchThreadProc(void* parameter);
unsigned __stdcall MouseDeviceProfileWatchThreadProc(void* parameter);
unsigned __stdcall MouseKeyProfileWatchThreadProc(void* parameter);
unsigned __stdcall MousePadLightProfileWatchThreadProc(void* parameter);
unsigned __stdcall HeadsetDetectThreadProc(void* parameter);
unsigned __stdcall HeadsetLightingThreadProc(void* parameter);
unsigned __stdcall HeadsetK27DetectThreadProc(void* parameter);
unsigned __stdcall HeadsetK27LightingThreadProc(void* parameter);

// The stop protocol. A thread never sets or clears its own stop event.
// The top of every pass: a wait of at most 1 ms; true when the thread is to end (the event is
// set or the wait failed).
bool StopRequested(const WorkerThreadParam& param);
// A pause inside a pass is a wait on the stop event, so that a stop ends it at once; true when
// the thread is to end.
bool PauseUnlessStopped(const WorkerThreadParam& param, DWORD milliseconds);
// The body of a thread whose work is not built yet: it only waits for its stop.
unsigned RunUntilStopped(void* parameter, const wchar_t* exitLine);

// The Windows pointer settings that the mouse page applies; shared with the mouse profiles.
extern std::atomic<uint8_t> MousePointerSpeed;
extern std::atomic<uint8_t> MouseWheelLines;
// Short-lived threads, one SystemParametersInfoW call each; started with CreateThread, no argument.
DWORD WINAPI ApplyMouseSpeedThreadProc(void* unused);
DWORD WINAPI ApplyWheelLinesThreadProc(void* unused);
