// The K27 headset's profile list: the shared named profile list over whole JSON light files in
// "headK27", with "hsK27Profile.ini" as its index. Each profile also keeps a voice INI, named by its
// [VOICEPROFILENAME] entry, with its equaliser choice. Selecting a profile loads its lighting and
// re-applies its equaliser choice.
#include <memory>

#include "control_profile_list_view.h"
#include "file_replace.h"
#include "headset_k27_eq.h"
#include "headset_k27_routes.h"
#include "headset_k27_voice_names.h"
#include "headset_page.h"
#include "ini_values.h"
#include "main_wnd.h"
#include "msg_wnd.h"
#include "named_profile_list.h"
#include "profile_list_routes.h"

namespace {
constexpr wchar_t kCombo[] = L"hs_device_profile_combo_K27";
constexpr wchar_t kLinkEdit[] = L"hs_device_profile_link_edit_K27";

const NamedProfileListParams& HeadsetK27ListParams() {
  static const NamedProfileListParams params = [] {
    NamedProfileListParams p = HeadsetProfileListBase(kHeadsetK27ProfileIndexFile);
    p.combo = kCombo;
    p.nameEdit = L"hs_device_profile_name_edit_K27";  // shows the name; the list has no rename
    p.addButton = L"hsK27_pro_device_add_btn";
    p.deleteButton = L"hsK27_pro_device_sub_btn";
    p.copyButton = L"hsK27_pro_device_copy_btn";
    p.importButton = L"hsK27_pro_device_import_btn";
    p.exportButton = L"hsK27_pro_device_export_btn";
    p.resetButton = L"hsK27_pro_device_reset_btn";
    p.linkCheck = L"hs_device_profile_link_check_K27";
    p.linkEdit = kLinkEdit;
    p.linkRow = L"hs_device_profile_link_name_hor_K27";
    p.linkButton = L"hs_device_profile_link_btn_K27";
    p.cancelLinkButton = L"hs_device_cancle_link_btn_K27";
    p.repeatedCopySuffix = L"copy";
    p.importReloadsInPlace = true;
    p.companionSection = L"VOICEPROFILENAME";
    p.companionExtension = L".ini";
    return p;
  }();
  return params;
}

// The selection has written [PROFILESELECT] already: the light file and the voice INI follow it.
void ApplyHeadsetK27Profile(CMainWnd& window, int index) {
  window.LoadHeadsetK27LightInfo();
  window.RefreshHeadsetK27LightPage();
  window.RefreshHeadsetK27EqPage();
  ClearLinkTextUnlessLinked(window, HeadsetK27IndexPath(window.GetHeadsetK27ProfileFolder()), index, kLinkEdit);
}

// The factory lighting over the selected profile's file, and the equaliser back to preset 0.
void ResetHeadsetK27ProfileFrom(CMainWnd& window, const std::vector<uint8_t>& factory) {
  auto* combo = window.Find<CComboUI>(kCombo);
  if (!combo || combo->GetCurSel() < 0) return;
  const std::wstring folder = window.GetHeadsetK27ProfileFolder();
  if (!ReplaceFileContents(HeadsetK27ProfilePath(folder), factory.data(), factory.size())) {
    ShowMessageBox(window.GetHWND(), nullptr, L"message_text_8", true);
    return;
  }
  WriteHeadsetK27EqSelect(HeadsetK27VoiceIniPath(folder), 0);
  window.LoadHeadsetK27LightInfo();
  window.RefreshHeadsetK27LightPage();
  window.RefreshHeadsetK27EqPage();
}
}  // namespace

struct HeadsetK27ProfileList {
  HeadsetK27ProfileList(CMainWnd& window)
      : hooks{[] { return HeadsetK27FactoryProfilePath(); },
              nullptr,
              [&window](int index) { ApplyHeadsetK27Profile(window, index); },
              [&window](const std::vector<uint8_t>& factory) { ResetHeadsetK27ProfileFrom(window, factory); },
              [&window](ProfileListView::ItemOrigin origin, int index, const std::wstring& name) {
                return HeadsetK27VoiceName(window.GetHeadsetK27ProfileFolder(), origin, index, name);
              }},
        view(window, HeadsetK27ListParams()),
        list(HeadsetK27ListParams(), hooks, window.GetHeadsetK27ProfileFolder(), view) {}

  NamedProfileListHooks hooks;
  ControlProfileListView view;
  NamedProfileList list;
};

NamedProfileList& CMainWnd::HeadsetK27Profiles() {
  if (!m_headsetK27ProfileList) m_headsetK27ProfileList = std::make_shared<HeadsetK27ProfileList>(*this);
  return m_headsetK27ProfileList->list;
}

// The saved profile is selected here, headset or not, so that its lighting and equaliser choice
// fill the pages; a saved index outside the list selects the first profile.
void CMainWnd::InitHeadsetK27ProfileList() {
  if (!HeadsetK27Profiles().Fill()) return;
  auto* combo = Find<CComboUI>(kCombo);
  if (!combo || combo->GetCount() == 0) return;
  combo->SelectItem(
      SavedProfileIndex(HeadsetK27IndexPath(GetHeadsetK27ProfileFolder()), L"PROFILESELECT", combo->GetCount()), false);
}

void CMainWnd::OnHeadsetK27ProfileSelected() { HeadsetK27Profiles().Select(); }
void CMainWnd::AddHeadsetK27Profile() { HeadsetK27Profiles().Add(); }
void CMainWnd::DeleteHeadsetK27Profile() { HeadsetK27Profiles().Delete(); }
void CMainWnd::CopyHeadsetK27Profile() { HeadsetK27Profiles().Copy(); }
void CMainWnd::ImportHeadsetK27Profile() { HeadsetK27Profiles().Import(); }
void CMainWnd::ExportHeadsetK27Profile() { HeadsetK27Profiles().Export(); }
void CMainWnd::ResetHeadsetK27Profile() { HeadsetK27Profiles().Reset(); }
void CMainWnd::LinkHeadsetK27ProfileToExe() { HeadsetK27Profiles().BrowseLink(); }
void CMainWnd::CancelHeadsetK27ProfileLink() { HeadsetK27Profiles().CancelLink(); }

// The link check box only shows the link; the name edit only shows the name.
RouteTable HeadsetK27ProfileListRoutes() {
  const ProfileListOperations operations{&CMainWnd::AddHeadsetK27Profile,    &CMainWnd::DeleteHeadsetK27Profile,
                                         &CMainWnd::CopyHeadsetK27Profile,   &CMainWnd::ImportHeadsetK27Profile,
                                         &CMainWnd::ExportHeadsetK27Profile, &CMainWnd::ResetHeadsetK27Profile,
                                         nullptr,                            &CMainWnd::OnHeadsetK27ProfileSelected,
                                         nullptr,                            &CMainWnd::LinkHeadsetK27ProfileToExe,
                                         nullptr,                            nullptr};
  RouteTable routes;
  AddProfileListRoutes(HeadsetK27ListParams(), operations, Calls(&CMainWnd::CancelHeadsetK27ProfileLink), routes);
  return routes;
}
