// The first headset's profile list: the shared named profile list over whole JSON files in "head",
// with "hsProfile.ini" as its index. Selecting a profile loads it and applies voice, lighting and
// the magic voice. The JSON files and the link text are shared with the K27's list.
#include <memory>

#include "control_profile_list_view.h"
#include "file_replace.h"
#include "headset_page.h"
#include "headset_profile_json.h"
#include "headset_routes.h"
#include "headset_state.h"
#include "ini_values.h"
#include "main_wnd.h"
#include "named_profile_list.h"
#include "profile_list_routes.h"
#include "profile_store.h"

namespace {
ProfilePayloadFormat WholeJsonFiles() {
  ProfilePayloadFormat format;
  format.read = [](const std::wstring& path, bool isImport, std::vector<uint8_t>& payload) {
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return 1;
    if (isImport && !IsHeadsetProfile(ReadJsonFile(path))) return -1;
    const std::string text = ReadTextFile(path, kMostJsonFileBytes);
    if (text.empty()) return 1;
    payload.assign(text.begin(), text.end());
    return 0;
  };
  format.write = [](const std::wstring& path, const std::vector<uint8_t>& payload) {
    return ReplaceFileContents(path, payload.data(), payload.size());
  };
  return format;
}
}  // namespace

NamedProfileListParams HeadsetProfileListBase(const wchar_t* indexFile) {
  NamedProfileListParams p{};
  p.indexFile = indexFile;
  p.countSection = L"PROFILECOUNT";
  p.nameSection = L"PROFILENAME";
  p.selectionSection = L"PROFILESELECT";
  p.linkFlagSection = L"PROFILELIKEDENGEXE";
  p.linkPathSection = L"DENGPROCESS";
  p.newNamePrefix = L"profile";
  p.extension = L".json";
  p.fileFilter = L"(*.json) | *.json ||";
  p.format = WholeJsonFiles();
  p.deleteRemovesFormerLastEntries = true;
  return p;
}

void ClearLinkTextUnlessLinked(CMainWnd& window, const std::wstring& indexFile, int index, const wchar_t* linkEdit) {
  if (ReadIniNumber(indexFile, L"PROFILELIKEDENGEXE", std::to_wstring(index)) == 0)
    if (CControlUI* edit = window.Find(linkEdit)) edit->SetText(L"");
}

namespace {
const NamedProfileListParams& HeadsetListParams() {
  static const NamedProfileListParams params = [] {
    NamedProfileListParams p = HeadsetProfileListBase(kHeadsetProfileIndexFile);
    p.combo = L"hs_device_profile_combo";
    p.nameEdit = L"hs_device_profile_name_edit";
    p.addButton = L"hs_pro_device_add_btn";
    p.deleteButton = L"hs_pro_device_sub_btn";
    p.copyButton = L"hs_pro_device_copy_btn";
    p.importButton = L"hs_pro_device_import_btn";
    p.exportButton = L"hs_pro_device_export_btn";
    p.resetButton = L"hs_pro_device_reset_btn";
    p.renameButton = L"hs_device_profile_edit_save_btn";
    p.linkCheck = L"hs_device_profile_link_check";
    p.linkEdit = L"hs_device_profile_link_edit";
    p.linkRow = L"hs_device_profile_link_name_hor";
    p.linkButton = L"hs_device_profile_link_btn";
    p.cancelLinkButton = L"hs_device_cancle_link_btn";
    p.renameKeepsOldFile = true;
    return p;
  }();
  return params;
}

void ApplyHeadsetProfile(CMainWnd& window, int index) {
  window.LoadHeadsetProfile(index);
  window.ApplyHeadsetVoiceSettings();
  window.RefreshHeadsetLightPage();
  window.RestoreHeadsetMagicVoice();
  ClearLinkTextUnlessLinked(window, HeadsetProfileIndexPath(window), index, L"hs_device_profile_link_edit");
}

// The factory settings into the selected profile; a profile whose file is gone or does not parse
// gets the factory file first, so that the saves below have a file to write into.
void ResetHeadsetProfileFrom(CMainWnd& window, const std::vector<uint8_t>& factory) {
  const std::wstring path = window.SelectedHeadsetProfilePath();
  if (path.empty()) return;
  if (ReadJsonFile(path).isNull()) ReplaceFileContents(path, factory.data(), factory.size());
  const Json::Value root = ReadJsonFile(HeadsetFactoryProfilePath());
  ReadHeadsetLightInfo(root, HeadsetLight);
  if (root.isObject()) ReadHeadsetVoiceInfo(root["VoiceInfo"], HeadsetVoice);
  window.SaveHeadsetLightInfo();
  window.SaveHeadsetVoiceInfo();
  window.ApplyHeadsetVoiceSettings();
  window.RefreshHeadsetLightPage();
}
}  // namespace

struct HeadsetProfileList {
  HeadsetProfileList(CMainWnd& window)
      : hooks{[] { return HeadsetFactoryProfilePath(); },
              nullptr,
              [&window](int index) { ApplyHeadsetProfile(window, index); },
              [&window](const std::vector<uint8_t>& factory) { ResetHeadsetProfileFrom(window, factory); },
              nullptr},
        view(window, HeadsetListParams()),
        list(HeadsetListParams(), hooks, window.GetHeadsetProfileFolder(), view) {}

  NamedProfileListHooks hooks;
  ControlProfileListView view;
  NamedProfileList list;
};

NamedProfileList& CMainWnd::HeadsetProfiles() {
  if (!m_headsetProfileList) m_headsetProfileList = std::make_shared<HeadsetProfileList>(*this);
  return m_headsetProfileList->list;
}

// No row is selected here: the detection thread selects the saved one when the headset arrives.
void CMainWnd::InitHeadsetProfileList() { HeadsetProfiles().Fill(); }
void CMainWnd::OnHeadsetProfileSelected() { HeadsetProfiles().Select(); }
void CMainWnd::AddHeadsetProfile() { HeadsetProfiles().Add(); }
void CMainWnd::DeleteHeadsetProfile() { HeadsetProfiles().Delete(); }
void CMainWnd::CopyHeadsetProfile() { HeadsetProfiles().Copy(); }
void CMainWnd::ImportHeadsetProfile() { HeadsetProfiles().Import(); }
void CMainWnd::ExportHeadsetProfile() { HeadsetProfiles().Export(); }
void CMainWnd::ResetHeadsetProfile() { HeadsetProfiles().Reset(); }
void CMainWnd::RenameHeadsetProfile() { HeadsetProfiles().Rename(); }
void CMainWnd::LinkHeadsetProfileToExe() { HeadsetProfiles().BrowseLink(); }
void CMainWnd::CancelHeadsetProfileLink() { HeadsetProfiles().CancelLink(); }

// The link check box only shows the link.
RouteTable HeadsetProfileListRoutes() {
  const ProfileListOperations operations{&CMainWnd::AddHeadsetProfile,     &CMainWnd::DeleteHeadsetProfile,
                                         &CMainWnd::CopyHeadsetProfile,    &CMainWnd::ImportHeadsetProfile,
                                         &CMainWnd::ExportHeadsetProfile,  &CMainWnd::ResetHeadsetProfile,
                                         &CMainWnd::RenameHeadsetProfile,  &CMainWnd::OnHeadsetProfileSelected,
                                         nullptr,                          &CMainWnd::LinkHeadsetProfileToExe,
                                         nullptr,                          nullptr};
  RouteTable routes;
  AddProfileListRoutes(HeadsetListParams(), operations, Calls(&CMainWnd::CancelHeadsetProfileLink), routes);
  return routes;
}
