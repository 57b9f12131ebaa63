#include "demo_control_client.h"

#include "demo_control_protocol.h"

namespace {
constexpr wchar_t kClientWindowClass[] = L"KarvoDemoControlClient";

// The answer arrives while SendMessageTimeoutW waits, on this thread.
thread_local std::string* pendingReply = nullptr;
thread_local bool replied = false;

LRESULT CALLBACK ClientProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data->dwData != kDemoReplyTag || !pendingReply) return FALSE;
    pendingReply->assign(static_cast<const char*>(data->lpData), data->cbData);
    replied = true;
    return TRUE;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

HWND MakeClientWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ClientProcedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClientWindowClass;
  RegisterClassW(&windowClass);  // fails harmlessly when this process registered it before
  return CreateWindowExW(0, kClientWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         windowClass.hInstance, nullptr);
}
}  // namespace

// A message-only window as it is made; a top-level one where the panel's desktop was not up yet
// when it was made (hidden, it answers all the same).
HWND FindDemoControlWindow() {
  if (HWND window = FindWindowExW(HWND_MESSAGE, nullptr, kDemoControlWindowClass, nullptr)) return window;
  return FindWindowW(kDemoControlWindowClass, nullptr);
}

bool SendDemoCommand(const std::string& command, std::string& reply, DWORD timeoutMs) {
  HWND target = FindDemoControlWindow();
  if (!target) return false;
  HWND own = MakeClientWindow();
  if (!own) return false;
  reply.clear();
  pendingReply = &reply;
  replied = false;
  COPYDATASTRUCT data{kDemoCommandTag, static_cast<DWORD>(command.size()), const_cast<char*>(command.data())};
  DWORD_PTR result = 0;
  const bool sent = SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(own),
                                        reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, timeoutMs, &result);
  pendingReply = nullptr;
  DestroyWindow(own);
  return sent && replied;
}
