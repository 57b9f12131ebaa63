// The capture hooks with real input: SendInput events reach the hook procedures, which post their
// messages to a target window and swallow keys the way capture needs. An earlier low-level hook of
// the test's own sees what the capture hook passes on; only the test's own events (marked in their
// extra information) are counted.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "device_hook.h"
#include "test_files.h"

namespace {

constexpr ULONG_PTR kOurEvent = 0x4B415256;
constexpr UINT kPassedOnKey = WM_APP + 1;  // what the observing hook saw: wParam the key

struct Received {
  UINT message;
  WPARAM wParam;
  DWORD virtualKey;  // keyboard messages: the event's key, read while the message is handled
  LONG x;            // mouse messages: the event's position
};
std::vector<Received> received;

bool IsMouseHookMessage(UINT message) { return message == WM_HOOK_KEY_MACRO_MOUSE || message == WM_HOOK_MOU_MACRO_MOUSE; }

// Takes the hook's copy of each event the way the panel's window does.
LRESULT CALLBACK RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPassedOnKey) {
    received.push_back({message, 0, static_cast<DWORD>(wParam), 0});
  } else if (IsMouseHookMessage(message)) {
    MSLLHOOKSTRUCT event;
    if (TakeCapturedMouseEvent(lParam, event) && event.dwExtraInfo == kOurEvent)
      received.push_back({message, wParam, 0, event.pt.x});
  } else if (message >= WM_HOOK_KEY_SINGLEKEY && message <= WM_HOOK_MOU_MACRO) {
    KBDLLHOOKSTRUCT event;
    if (TakeCapturedKeyEvent(lParam, event) && event.dwExtraInfo == kOurEvent)
      received.push_back({message, wParam, event.vkCode, 0});
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND observerTarget = nullptr;

// Installed before the capture hook, so Windows calls it only for keys the capture hook passes on.
LRESULT CALLBACK ObservingHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto& event = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (code == HC_ACTION && event.dwExtraInfo == kOurEvent && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN))
    PostMessageW(observerTarget, kPassedOnKey, event.vkCode, 0);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

class CaptureHook : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = RecordingProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HookTarget";
    RegisterClassW(&wc);
    window = CreateWindowExW(0, L"HookTarget", L"target", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                             wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    observerTarget = window;
    observer = SetWindowsHookExW(WH_KEYBOARD_LL, ObservingHook, GetModuleHandleW(nullptr), 0);
    ASSERT_NE(observer, nullptr);
    received.clear();
  }
  void TearDown() override {
    hook.Uninstall();
    SetHooksWith(nullptr);
    UnhookWindowsHookEx(observer);
    DestroyWindow(window);
  }

  // Input comes from another thread while this one pumps: Windows calls the hooks on the thread
  // that installed them, from its message loop.
  void Inject(std::vector<INPUT> inputs) {
    std::thread sender([&inputs] { SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)); });
    Pump(300);
    sender.join();
    Pump(100);
  }
  static void Pump(DWORD ms) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < ms) {
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
  }
  std::vector<Received> Of(UINT message) const {
    std::vector<Received> found;
    for (const Received& r : received)
      if (r.message == message) found.push_back(r);
    return found;
  }

  CDeviceHook hook;
  HWND window = nullptr;
  HHOOK observer = nullptr;
};

INPUT Key(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  input.ki.dwExtraInfo = kOurEvent;
  return input;
}

INPUT MouseMove(int dx) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dwFlags = MOUSEEVENTF_MOVE;
  input.mi.dwExtraInfo = kOurEvent;
  return input;
}

TEST(CaptureHookMessages, EachModeHasItsKeyboardAndMouseMessage) {
  const struct {
    int mode;
    UINT keyboard;
    UINT mouse;
  } cases[] = {
      {0, 0, 0},
      {HOOK_MODE_KEY_SINGLEKEY, WM_HOOK_KEY_SINGLEKEY, 0},
      {HOOK_MODE_KEY_HITKEY, WM_HOOK_KEY_KBHITKEY, 0},
      {HOOK_MODE_KEY_MACRO, WM_HOOK_KEY_MACRO, WM_HOOK_KEY_MACRO_MOUSE},
      {8, 0, 0},
      {HOOK_MODE_MOU_SINGLEKEY, WM_HOOK_MOU_SINGLEKEY, 0},
      {HOOK_MODE_MOU_HITKEY, WM_HOOK_MOU_HitKEY, 0},
      {HOOK_MODE_MOU_MACRO, WM_HOOK_MOU_MACRO, WM_HOOK_MOU_MACRO_MOUSE},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(KeyboardHookMessage(c.mode), c.keyboard) << c.mode;
    EXPECT_EQ(MouseHookMessage(c.mode), c.mouse) << c.mode;
  }
  EXPECT_TRUE(IsLockKey(VK_CAPITAL) && IsLockKey(VK_NUMLOCK) && IsLockKey(VK_SCROLL));
  EXPECT_FALSE(IsLockKey('A') || IsLockKey(VK_SHIFT));
}

TEST_F(CaptureHook, SingleKeyCaptureSendsDownAndUpAndSwallowsAllButLockKeys) {
  ASSERT_EQ(hook.Install(HOOK_MODE_KEY_SINGLEKEY, window, true, false), 1);
  Inject({Key('A', false), Key('A', true), Key(VK_SCROLL, false), Key(VK_SCROLL, true)});
  const auto captured = Of(WM_HOOK_KEY_SINGLEKEY);
  ASSERT_EQ(captured.size(), 4u);
  EXPECT_EQ(captured[0].wParam, static_cast<WPARAM>(WM_KEYDOWN));
  EXPECT_EQ(captured[0].virtualKey, static_cast<DWORD>('A'));
  EXPECT_EQ(captured[1].wParam, static_cast<WPARAM>(WM_KEYUP));
  EXPECT_EQ(captured[2].virtualKey, static_cast<DWORD>(VK_SCROLL));
  ASSERT_EQ(Of(kPassedOnKey).size(), 1u) << "only the lock key was passed on";
  EXPECT_EQ(Of(kPassedOnKey)[0].virtualKey, static_cast<DWORD>(VK_SCROLL));
  Inject({Key(VK_SCROLL, false), Key(VK_SCROLL, true)});  // toggled back

  hook.Uninstall();
  received.clear();
  Inject({Key('B', false), Key('B', true)});
  EXPECT_TRUE(Of(WM_HOOK_KEY_SINGLEKEY).empty());
  EXPECT_EQ(Of(kPassedOnKey).size(), 1u) << "keys work again once the hook is gone";
}

TEST_F(CaptureHook, MacroRecordingWithTheMouseHookAlonePostsMovesAndLeavesTheKeyboardAlone) {
  ASSERT_EQ(hook.Install(HOOK_MODE_KEY_MACRO, window, false, true), 1);
  Inject({MouseMove(5), MouseMove(-5), Key('D', false), Key('D', true)});
  const auto moves = Of(WM_HOOK_KEY_MACRO_MOUSE);
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].wParam, static_cast<WPARAM>(WM_MOUSEMOVE));
  EXPECT_TRUE(Of(WM_HOOK_KEY_MACRO).empty());
  EXPECT_EQ(Of(kPassedOnKey).size(), 1u);
}

HHOOK WINAPI MouseHookRefused(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread) {
  if (kind == WH_MOUSE_LL) return nullptr;
  return SetWindowsHookExW(kind, procedure, module, thread);
}

TEST_F(CaptureHook, AFailedMouseHookLeavesNoKeyboardHookBehind) {
  ASSERT_EQ(hook.Install(HOOK_MODE_KEY_SINGLEKEY, window, true, false), 1);
  SetHooksWith(MouseHookRefused);
  EXPECT_EQ(hook.Install(HOOK_MODE_KEY_MACRO, window, true, true), 0);
  Inject({Key('E', false), Key('E', true), MouseMove(3)});
  EXPECT_TRUE(Of(WM_HOOK_KEY_MACRO).empty());
  EXPECT_TRUE(Of(WM_HOOK_KEY_SINGLEKEY).empty()) << "the earlier capture is gone too";
  EXPECT_EQ(Of(kPassedOnKey).size(), 1u) << "the key was not swallowed";
}

TEST_F(CaptureHook, InstallingNothingRemovesTheHooksAndSucceeds) {
  ASSERT_EQ(hook.Install(HOOK_MODE_KEY_SINGLEKEY, window, true, false), 1);
  EXPECT_TRUE(hook.IsInstalled());
  EXPECT_EQ(hook.Install(HOOK_MODE_KEY_MACRO, window, false, false), 1);
  EXPECT_FALSE(hook.IsInstalled());
  Inject({Key('F', false), Key('F', true)});
  EXPECT_TRUE(Of(WM_HOOK_KEY_SINGLEKEY).empty());
  EXPECT_EQ(Of(kPassedOnKey).size(), 1u);
  hook.Uninstall();
  hook.Uninstall();  // nothing installed: nothing happens
}

// The diagnostics lines written while the object lives.
class DiagnosticsLog {
 public:
  DiagnosticsLog() {
    SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", (folder_ / L"debug.log").c_str());
  }
  ~DiagnosticsLog() { SetEnvironmentVariableW(L"KARVO_DEBUG_LOG", nullptr); }
  int CountContaining(const std::string& part) const {
    const auto bytes = ReadBytes(folder_ / L"debug.log");
    const std::string text(bytes.begin(), bytes.end());
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
  }

 private:
  TempFolder folder_;
};

// The hooks keep 256 copies of each kind. A window that handles its messages only after two more
// events than that finds the two oldest copies overwritten: those events are dropped with a
// diagnostics line each, and every later one arrives intact and in order.
TEST_F(CaptureHook, AReaderAWholeRingBehindDropsTheOverwrittenEventsOnly) {
  ASSERT_EQ(hook.Install(HOOK_MODE_KEY_MACRO, window, false, false), 1);  // mode and target only
  DiagnosticsLog log;
  constexpr DWORD kEvents = 256 + 2;
  for (DWORD i = 0; i < kEvents; ++i) {
    KBDLLHOOKSTRUCT key{};
    key.vkCode = 0x1000 + i;
    key.dwExtraInfo = kOurEvent;
    KeyboardHookProc(HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&key));
    MSLLHOOKSTRUCT move{};
    move.pt.x = static_cast<LONG>(i);
    move.dwExtraInfo = kOurEvent;
    MouseHookProc(HC_ACTION, WM_MOUSEMOVE, reinterpret_cast<LPARAM>(&move));
  }
  Pump(200);

  const auto keys = Of(WM_HOOK_KEY_MACRO);
  const auto moves = Of(WM_HOOK_KEY_MACRO_MOUSE);
  ASSERT_EQ(keys.size(), 256u);
  ASSERT_EQ(moves.size(), 256u);
  for (size_t i = 0; i < keys.size(); ++i) {
    EXPECT_EQ(keys[i].virtualKey, 0x1002 + i) << i;
    EXPECT_EQ(moves[i].x, static_cast<LONG>(2 + i)) << i;
  }
  EXPECT_EQ(log.CountContaining("captured key event"), 2);
  EXPECT_EQ(log.CountContaining("captured mouse event"), 2);

  KBDLLHOOKSTRUCT forged;
  EXPECT_FALSE(TakeCapturedKeyEvent(0, forged)) << "0 numbers no event";
}

}  // namespace
