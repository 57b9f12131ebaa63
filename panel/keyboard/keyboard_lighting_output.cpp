// The keyboard's two lighting loops on the window side: the frame timer's sender, which turns the
// LED records into previews and the RGB frame, and the lighting thread around the core's pass.
#include "custom_controls.h"
#include "keyboard_led_frame.h"
#include "keyboard_lighting_pass.h"
#include "keyboard_page_state.h"
#include "main_wnd.h"
#include "worker_threads.h"

namespace {
constexpr DWORD kLightingStartPauseMs = 3000;
}

// The one-colour model's steps paint its previews themselves: its records carry no levels, and
// showing them would darken every key the steps light.
void CMainWnd::SendKeyboardLedFrame() {
  const KeyboardState& keyboard = KeyboardPageState();
  for (size_t key = 0; key < KEYBOARD_LED_COUNT && keyboard.model != KEYBOARD_MODEL_ONECOLOR; ++key) {
    CDeviceKeyButtonUI* button = m_keyboardKeyButtons[key];
    const LedColor record = m_keyboardLeds[key];
    if (button && button->IsVisible())
      button->SetLightState(PackPreviewColour(record.red, record.green, record.blue), record.level, 1);
  }
  // Also repaints what the one-colour steps painted from the lighting thread.
  RepaintChangedPreviews(m_hWnd, m_keyboardKeyButtons.data(), m_keyboardKeyButtons.size());
  uint8_t frame[KEYBOARD_RGB_FRAME_SIZE];
  BuildKeyboardLedFrame(keyboard.model, m_keyboardLeds, frame);
  m_keyboardFrameGate.Tick(m_keyboardChannel, keyboard.KeyboardLiveSettings[1], m_ledFramesEnabled != 0, frame);
}

// The steps that paint previews themselves give each key a tint of its own.
void CMainWnd::PaintKeyboardKeyPreviews(const KeyboardKeyPreviews& previews) {
  for (size_t key = 0; key < KEYBOARD_LED_COUNT; ++key) {
    CDeviceKeyButtonUI* button = m_keyboardKeyButtons[key];
    if (!button || !previews.painted[key]) continue;
    button->SetChangerColor(previews.colour[key]);
    button->SetChangerAlpha(previews.level[key]);
    button->SetLightState(previews.colour[key], previews.level[key], 1);
  }
}

unsigned __stdcall KeyboardLightingThreadProc(void* parameter) {
  const WorkerThreadParam& param = *static_cast<WorkerThreadParam*>(parameter);
  CMainWnd& window = *param.owner;
  KeyboardLightingPass pass(window.m_keyboardChannel, KeyboardPageState(), window.m_keyboardLeds,
                            [&window](const KeyboardKeyPreviews& previews) { window.PaintKeyboardKeyPreviews(previews); });
  return RunWorkerLoop(
      param.stopEvent, kLightingStartPauseMs, [&] { return pass.Run(param.stopEvent); },
      L"\u952e\u76d8\u706f\u5149\u7ebf\u7a0b\u8bbe\u5b9a\u9000\u51fa");  // "keyboard lighting thread told to end"
}
