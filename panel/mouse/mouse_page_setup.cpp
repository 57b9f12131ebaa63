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

// Until the mouse is found its working state holds no profile of the user's (start-up only shows
// the saved one), so a same-mode copy into it is not saved over theirs.
int CMainWnd::SaveMouseDeviceProfile() {
  if (!MouseProfileLoaded(MouseProfileKind::Device)) return 1;
  return SaveMouseProfile(MouseProfileKind::Device, GetMouseProfileFolder());
}

int CMainWnd::LoadMouseLightProfile(int n) {
  return LoadMouseProfile(MouseProfileKind::Light, GetMouseProfileFolder(), n);
}

int CMainWnd::SaveMouseLightProfile() {
  if (!MouseProfileLoaded(MouseProfileKind::Device) && !MouseProfileLoaded(MouseProfileKind::Light)) return 1;
  return SaveMouseProfile(MouseProfileKind::Light, GetMouseProfileFolder());
}

int CMainWnd::LoadMouseKeyProfile(int n) { return LoadMouseProfile(MouseProfileKind::Key, GetMouseProfileFolder(), n); }

int CMainWnd::SaveMouseKeyProfile() { return SaveMouseProfile(MouseProfileKind::Key, GetMouseProfileFolder()); }
