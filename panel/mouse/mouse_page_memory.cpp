// The mouse's memory operations as the window runs them: each calls the mouse core and saves or
// shows what comes of it. The callers refresh the page.
#include "main_wnd.h"
#include "mouse_memory.h"

void CMainWnd::ReadMouseMemory() {
  if (::ReadMouseMemory(m_mouseChannel) != MouseReadResult::Read) return;
  SaveMouseKeyProfile();
  SaveMouseDeviceProfile();
}

void CMainWnd::ReloadActiveMouseProfile() {
  if (::ReloadActiveMouseProfile(m_mouseChannel)) SaveMouseDeviceProfile();
}

void CMainWnd::SwitchMouseOnboardProfile(int n) {
  if (!::SwitchMouseOnboardProfile(m_mouseChannel, n)) return;
  if (CControlUI* keyFunctions = Find(L"ms_tab_function")) keyFunctions->SetVisible(false);
  RefreshMousePage();
}
