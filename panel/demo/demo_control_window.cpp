#include "demo_control_window.h"

#include <windows.h>

#include <string>

#include "demo_commands.h"
#include "demo_control_protocol.h"

namespace {
DemoRun* served = nullptr;

void Answer(HWND own, HWND sender, const std::string& reply) {
  COPYDATASTRUCT data{kDemoReplyTag, static_cast<DWORD>(reply.size()), const_cast<char*>(reply.data())};
  DWORD_PTR result = 0;
  SendMessageTimeoutW(sender, WM_COPYDATA, reinterpret_cast<WPARAM>(own), reinterpret_cast<LPARAM>(&data),
                      SMTO_NORMAL, 5000, &result);
}

LRESULT CALLBACK ControlProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_COPYDATA) return DefWindowProcW(window, msg, wParam, lParam);
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (data->dwData != kDemoCommandTag || !served) return FALSE;
  const std::string command(static_cast<const char*>(data->lpData), data->cbData);
  Answer(window, reinterpret_cast<HWND>(wParam), RunDemoCommand(*served, command));
  return TRUE;
}
}  // namespace

void StartDemoControlWindow(DemoRun& run) {
  served = &run;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ControlProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kDemoControlWindowClass;
  RegisterClassW(&windowClass);
  CreateWindowExW(0, kDemoControlWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance,
                  nullptr);
}
