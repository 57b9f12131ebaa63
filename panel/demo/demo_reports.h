#pragma once
#include <windows.h>

#include <string>

#include "simulated_device.h"

class CMainWnd;

// What the demo's control channel reports and writes. Each answer is text: one or more lines of
// key=value fields, or a line starting with "error:".

// The running main window, or null before it is created and once it is gone.
CMainWnd* DemoMainWindow();

// "visible=1 rect=L,T,R,B selected=1 value=- text=..." of the named control: its rectangle in
// screen coordinates, whether it and every parent are shown, the state of an option or check box
// (selected), the row of a combo or list or the page of a tab layout (selected), a slider's or
// progress bar's value, and its text last.
std::string ReportControl(CMainWnd& window, const std::wstring& name);
// "visible=1 rect=L,T,R,B": the main window itself.
std::string ReportMainWindow(CMainWnd& window);
// One line per worker thread in start order: "thread=N name=... cpu_ms=N running=0|1".
std::string ReportWorkerThreads(CMainWnd& window);
// "private_bytes=N": the process's committed private memory.
std::string ReportMemory();

// The lines of a device's wire log, oldest first.
std::string WireLogText(const SimulatedDevice& device);
// A stand-in audio library's call log (empty when the library is not loaded).
std::string CallLogText(HMODULE standin);
// False when the file cannot be written.
bool WriteTextFile(const std::wstring& path, const std::string& text);
