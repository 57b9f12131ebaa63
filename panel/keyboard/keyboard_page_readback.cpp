// The keyboard's read-back operations as the window runs them: each calls the core and shows or
// saves what comes of it.
#include "diagnostics.h"
#include "keyboard_device_profile.h"
#include "keyboard_page_state.h"
#include "keyboard_readback.h"
#include "main_wnd.h"
#include "msg_wnd.h"
#include "program_folder.h"

KeyboardState& KeyboardPageState() {
  static KeyboardState state;
  return state;
}

void CMainWnd::ReadKeyboardMemory() {
  if (::ReadKeyboardMemory(m_keyboardChannel, KeyboardPageState()) == KeyboardReadResult::TooManySlots)
    ShowKeyboardReadRefusal();
}

void CMainWnd::ShowKeyboardReadRefusal() { ShowMessageBox(m_hWnd, nullptr, L"message_text_11", true); }

void CMainWnd::ReloadActiveKeyboardProfile() {
  KeyboardState& state = KeyboardPageState();
  if (::ReloadActiveKeyboardProfile(m_keyboardChannel, state)) SaveKeyboardDeviceProfile(state, GetKeyboardProfileFolder());
}

void CMainWnd::StoreKeyboardFactoryKeyProfile() {
  ::StoreKeyboardFactoryKeyProfile(m_keyboardChannel, KeyboardPageState(), ProgramFolder());
}

void CMainWnd::OnRenewDevice() { DebugLine(L"12312312312312"); }
