#include "demo_reports.h"

#include <psapi.h>

#include <cstdio>

#include "audio_standin_steering.h"
#include "diagnostics.h"
#include "main_wnd.h"

namespace {
const char* const kWorkerThreadNames[kWorkerThreadCount] = {
    "keyboard-detection",      "mouse-detection",        "mousepad-detection",
    "mouse-sync-reader",       "keyboard-sync-reader",   "keyboard-lighting",
    "mouse-lighting",          "mousepad-lighting",      "sync-lighting",
    "keyboard-device-watcher", "keyboard-key-watcher",   "mouse-device-watcher",
    "mouse-key-watcher",       "mousepad-light-watcher", "headset-detection",
    "headset-lighting",        "k27-detection",          "k27-lighting"};

std::string RectText(HWND window, RECT rect) {
  POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
  MapWindowPoints(window, nullptr, corners, 2);
  char text[80];
  std::snprintf(text, sizeof text, "rect=%ld,%ld,%ld,%ld", corners[0].x, corners[0].y, corners[1].x,
                corners[1].y);
  return text;
}

// The state that a control of this class has, as "selected=" and "value=" fields.
std::string StateFields(CControlUI& control) {
  std::string selected = "-", value = "-";
  if (auto* option = dynamic_cast<COptionUI*>(&control)) selected = option->IsSelected() ? "1" : "0";
  else if (auto* list = dynamic_cast<IListOwnerUI*>(&control)) selected = std::to_string(list->GetCurSel());
  else if (auto* tabs = dynamic_cast<CTabLayoutUI*>(&control)) selected = std::to_string(tabs->GetCurSel());
  if (auto* progress = dynamic_cast<CProgressUI*>(&control)) value = std::to_string(progress->GetValue());
  return "selected=" + selected + " value=" + value;
}

ULONGLONG Milliseconds(const FILETIME& time) {
  return ((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000;
}
}  // namespace

CMainWnd* DemoMainWindow() {
  if (!MainWindowHandle || !IsWindow(MainWindowHandle)) return nullptr;
  // The UI library keeps each window's object in its user data, until the window is gone.
  auto* window = reinterpret_cast<CWindowWnd*>(GetWindowLongPtrW(MainWindowHandle, GWLP_USERDATA));
  return dynamic_cast<CMainWnd*>(window);
}

std::string ReportControl(CMainWnd& window, const std::wstring& name) {
  CControlUI* control = window.Find(name);
  if (!control) return "error: no control \"" + ToUtf8(name) + "\"";
  return std::string("visible=") + (control->IsVisible() ? "1" : "0") + " " +
         RectText(window.GetHWND(), control->GetPos()) + " " + StateFields(*control) +
         " text=" + ToUtf8(control->GetText().GetData());
}

std::string ReportMainWindow(CMainWnd& window) {
  RECT client{};
  GetClientRect(window.GetHWND(), &client);
  return std::string("visible=") + (IsWindowVisible(window.GetHWND()) ? "1" : "0") + " " +
         RectText(window.GetHWND(), client);
}

std::string ReportWorkerThreads(CMainWnd& window) {
  std::string lines;
  for (int i = 0; i < kWorkerThreadCount; ++i) {
    HANDLE thread = window.m_threadHandles[i];
    FILETIME created{}, exited{}, kernel{}, user{};
    const bool timed = thread && GetThreadTimes(thread, &created, &exited, &kernel, &user);
    char line[160];
    std::snprintf(line, sizeof line, "thread=%d name=%s cpu_ms=%llu running=%d\n", i + 1, kWorkerThreadNames[i],
                  timed ? Milliseconds(kernel) + Milliseconds(user) : 0ull,
                  thread && WaitForSingleObject(thread, 0) == WAIT_TIMEOUT ? 1 : 0);
    lines += line;
  }
  lines.pop_back();
  return lines;
}

std::string ReportMemory() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
  // Wine leaves PrivateUsage at 0; its committed private memory is what it reports as PagefileUsage.
  const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  return "private_bytes=" + std::to_string(static_cast<unsigned long long>(privateBytes));
}

std::string WireLogText(const SimulatedDevice& device) {
  std::string text;
  for (const WireRecord& record : device.WireLog()) text += FormatWireRecord(record) + "\n";
  return text;
}

std::string CallLogText(HMODULE standin) {
  if (!standin) return "";
  std::string text;
  for (const std::string& line : StandinLibrary(standin).CallLog()) text += line + "\n";
  return text;
}

bool WriteTextFile(const std::wstring& path, const std::string& text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool done = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
  CloseHandle(file);
  return done;
}
