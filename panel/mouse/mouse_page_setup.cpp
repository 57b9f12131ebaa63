// The mouse page's set-up and its profile loads and saves, as the window runs them: each calls the
// mouse core and fills or reads controls.
#include "main_wnd.h"
#include "mouse_first_run.h"
#include "mouse_profile_page.h"
#include "mouse_profiles.h"
#include "program_folder.h"

void CMainWnd::InitMousePage() {
  SeedMouseCursorScripts(ProgramFolder(), GetMouseProfileFolder());
  InitMouseMacroPage();
  FillMouseKeyPage();
  if (!FillMouseProfileLists(*this)) return;
  if (CControlUI* functionTab = Find(L"ms_tab_function")) functionTab->SetEnabled(false);
}

int CMainWnd::LoadMouseDeviceProfile(int n) {
  return LoadMouseProfile(MouseProfileKind::Device, GetMouseProfileFolder(), n);
}

int CMainWnd::SaveMouseDeviceProfile() { return SaveMouseProfile(MouseProfileKind::Device, GetMouseProfileFolder()); }

int CMainWnd::LoadMouseLightProfile(int n) {
  return LoadMouseProfile(MouseProfileKind::Light, GetMouseProfileFolder(), n);
}

int CMainWnd::SaveMouseLightProfile() { return SaveMouseProfile(MouseProfileKind::Light, GetMouseProfileFolder()); }

int CMainWnd::LoadMouseKeyProfile(int n) { return LoadMouseProfile(MouseProfileKind::Key, GetMouseProfileFolder(), n); }

int CMainWnd::SaveMouseKeyProfile() { return SaveMouseProfile(MouseProfileKind::Key, GetMouseProfileFolder()); }
