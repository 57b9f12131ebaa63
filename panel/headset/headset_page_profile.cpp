// The first headset family's current profile file: which file the selected row names, and loading
// and saving the live records through it.
#include "data_folders.h"
#include "file_name_check.h"
#include "headset_page.h"
#include "headset_profile_json.h"
#include "main_wnd.h"
#include "profile_store.h"
#include "program_folder.h"

std::wstring CMainWnd::GetHeadsetProfileFolder() { return DeviceProfileFolder(m_hWnd, L"head"); }

std::wstring HeadsetProfileIndexPath(CMainWnd& window) {
  return window.GetHeadsetProfileFolder() + kHeadsetProfileIndexFile;
}

std::wstring HeadsetFactoryProfilePath() { return ProgramFolder() + kHeadsetFactoryProfileFile; }

// A profile's file is its name + ".json"; the row's user data is the name.
std::wstring CMainWnd::HeadsetProfilePath(int index) {
  auto* combo = Find<CComboUI>(L"hs_device_profile_combo");
  CControlUI* row = combo && index >= 0 ? combo->GetItemAt(index) : nullptr;
  if (!row) return std::wstring();
  return FileInFolder(GetHeadsetProfileFolder(), row->GetUserData().str(), L".json");
}

std::wstring CMainWnd::SelectedHeadsetProfilePath() {
  auto* combo = Find<CComboUI>(L"hs_device_profile_combo");
  return combo ? HeadsetProfilePath(combo->GetCurSel()) : std::wstring();
}

int CMainWnd::LoadHeadsetProfile(int index) {
  const std::wstring path = HeadsetProfilePath(index);
  if (path.empty()) return 0;
  const Json::Value root = ReadHeadsetProfileOrFactory(path, HeadsetFactoryProfilePath());
  ReadHeadsetLightInfo(root, HeadsetLight);
  if (root.isObject()) ReadHeadsetVoiceInfo(root["VoiceInfo"], HeadsetVoice);
  return 0;
}

void CMainWnd::SaveHeadsetLightInfo() {
  const std::wstring path = SelectedHeadsetProfilePath();
  if (!path.empty()) ::SaveHeadsetLightInfo(path, HeadsetLight);
}

void CMainWnd::SaveHeadsetVoiceInfo() {
  const std::wstring path = SelectedHeadsetProfilePath();
  if (!path.empty()) ::SaveHeadsetVoiceInfo(path, HeadsetVoice);
}
