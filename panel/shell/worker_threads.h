#pragma once
#include <windows.h>

#include "stop_protocol.h"

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
unsigned __stdcall KeyboardDeviceProfileWatchThreadProc(void* parameter);
unsigned __stdcall KeyboardKeyProfileWatchThreadProc(void* parameter);
unsigned __stdcall MouseDeviceProfileWatchThreadProc(void* parameter);
unsigned __stdcall MouseKeyProfileWatchThreadProc(void* parameter);
unsigned __stdcall MousePadLightProfileWatchThreadProc(void* parameter);
unsigned __stdcall HeadsetDetectThreadProc(void* parameter);
unsigned __stdcall HeadsetLightingThreadProc(void* parameter);
unsigned __stdcall HeadsetK27DetectThreadProc(void* parameter);
unsigned __stdcall HeadsetK27LightingThreadProc(void* parameter);

// A device tab selected by a detection thread, with its notification. The selection and the page its
// route shows happen under the window's tab lock: two detection threads finding their devices at
// once could otherwise leave one device's tab selected over another device's page.
void SelectDeviceTabFromWorker(CMainWnd& window, const wchar_t* tab);
// A found device's tab made visible, then selected as above.
void ShowDeviceTabFromWorker(CMainWnd& window, const wchar_t* tab);

// The body of a thread whose work is not built yet: the stop protocol around a pass that only
// waits for the stop.
unsigned RunUntilStopped(void* parameter, const wchar_t* exitLine);

// One pass of the synchronised-lighting thread.
WorkerPassResult RunSyncLightingPass(CMainWnd& wnd, HANDLE stopEvent);

// Short-lived threads, one SystemParametersInfoW call each; started with CreateThread, no argument.
DWORD WINAPI ApplyMouseSpeedThreadProc(void* unused);
DWORD WINAPI ApplyWheelLinesThreadProc(void* unused);
