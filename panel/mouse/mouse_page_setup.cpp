// The mouse page's set-up and its profile loads and saves, as the window runs them: each calls the
// mouse core and fills or reads controls.
#include "main_wnd.h"
#include "mouse_first_run.h"
#include "mouse_profiles.h"
#include "msg_wnd.h"
#include "program_folder.h"

namespace {

constexpr int kProfileRowHeight = 25;

struct ProfileCombo {
  MouseProfileKind kind;
  const wchar_t* name;
};
const ProfileCombo kProfileCombos[] = {
    {MouseProfileKind::Device, L"ms_device_profile_combo"},
    {MouseProfileKind::Light, L"ms_deng_profile_combo"},
    {MouseProfileKind::Key, L"ms_key_profile_combo"},
};

void AddProfileRow(CComboUI& combo, const std::wstring& name) {
  auto* row = new CListLabelElementUI;
  row->SetText(name.c_str());
  row->SetUserData(name.c_str());
  row->SetFixedHeight(kProfileRowHeight);
  combo.Add(row);
}

}  // namespace

void CMainWnd::InitMousePage() {
  const std::wstring folder = GetMouseProfileFolder();
  const std::wstring programFolder = ProgramFolder();
  SeedMouseCursorScripts(programFolder, folder);
  InitMouseMacroPage();
  FillMouseKeyPage();
  for (const ProfileCombo& list : kProfileCombos) {
    const MouseListSeed seed = SeedMouseProfileList(list.kind, programFolder, folder);
    if (seed.result != MouseListSeedResult::Listed) {
      ShowMessageBox(m_hWnd, nullptr,
                     seed.result == MouseListSeedResult::FactoryMissing ? L"message_text_8" : L"message_text_9", true);
      return;
    }
    if (CComboUI* combo = Find<CComboUI>(list.name))
      for (const std::wstring& name : seed.names) AddProfileRow(*combo, name);
  }
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
