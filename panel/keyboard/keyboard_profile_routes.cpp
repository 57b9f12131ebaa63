#include "keyboard_profile_routes.h"

#include "keyboard_profile_lists.h"
#include "keyboard_profile_page.h"
#include "main_wnd.h"

namespace {
struct ListRoutes {
  KeyboardList which;
  void (CMainWnd::*add)();
  void (CMainWnd::*remove)();
  void (CMainWnd::*copy)();
  void (CMainWnd::*import)();
  void (CMainWnd::*exportTo)();
  void (CMainWnd::*reset)();
  void (CMainWnd::*rename)();
  void (CMainWnd::*select)();
  void (CMainWnd::*toggleLink)();
  void (CMainWnd::*browseLink)();
  const wchar_t* nameEditButton;  // toggles the list's name edit; null when the list has none
  const wchar_t* nameEditPanel;
};

const ListRoutes kLists[] = {
    {KeyboardList::Device, &CMainWnd::AddKeyboardDeviceProfile, &CMainWnd::DeleteKeyboardDeviceProfile,
     &CMainWnd::CopyKeyboardDeviceProfile, &CMainWnd::ImportKeyboardDeviceProfile,
     &CMainWnd::ExportKeyboardDeviceProfile, &CMainWnd::ResetKeyboardDeviceProfile,
     &CMainWnd::RenameKeyboardDeviceProfile, &CMainWnd::SelectKeyboardDeviceProfile,
     &CMainWnd::ToggleKeyboardDeviceProfileLink, &CMainWnd::BrowseKeyboardDeviceProfileLink, nullptr, nullptr},
    {KeyboardList::Light, &CMainWnd::AddKeyboardLightProfile, &CMainWnd::DeleteKeyboardLightProfile,
     &CMainWnd::CopyKeyboardLightProfile, &CMainWnd::ImportKeyboardLightProfile, &CMainWnd::ExportKeyboardLightProfile,
     &CMainWnd::ResetKeyboardLightProfile, &CMainWnd::RenameKeyboardLightProfile, &CMainWnd::SelectKeyboardLightProfile,
     &CMainWnd::ToggleKeyboardLightProfileLink, &CMainWnd::BrowseKeyboardLightProfileLink, L"kb_pro_deng_edit_btn",
     L"kb_deng_profile_edit"},
    {KeyboardList::Key, &CMainWnd::AddKeyboardKeyProfile, &CMainWnd::DeleteKeyboardKeyProfile,
     &CMainWnd::CopyKeyboardKeyProfile, &CMainWnd::ImportKeyboardKeyProfile, &CMainWnd::ExportKeyboardKeyProfile,
     &CMainWnd::ResetKeyboardKeyProfile, &CMainWnd::RenameKeyboardKeyProfile, &CMainWnd::SelectKeyboardKeyProfile,
     &CMainWnd::ToggleKeyboardKeyProfileLink, &CMainWnd::BrowseKeyboardKeyProfileLink, L"kb_pro_key_edit_btn",
     L"kb_key_profile_edit"},
};

const NamedProfileListParams& ParamsOf(KeyboardList which) {
  switch (which) {
    case KeyboardList::Light: return KeyboardLightProfiles().params;
    case KeyboardList::Key: return KeyboardKeyProfiles().params;
    default: return KeyboardDeviceProfiles().params;
  }
}

void AddListRoutes(const ListRoutes& list, RouteTable& routes) {
  const NamedProfileListParams& params = ParamsOf(list.which);
  const std::pair<const wchar_t*, void (CMainWnd::*)()> buttons[] = {
      {params.addButton, list.add},       {params.deleteButton, list.remove}, {params.copyButton, list.copy},
      {params.importButton, list.import}, {params.exportButton, list.exportTo}, {params.resetButton, list.reset},
      {params.renameButton, list.rename}, {params.linkButton, list.browseLink}};
  for (const auto& button : buttons) routes.push_back(ExactRoute(NotifyType::Click, button.first, Calls(button.second)));
  const KeyboardList which = list.which;
  routes.push_back(ExactRoute(NotifyType::Click, params.cancelLinkButton, [which](CMainWnd& window, const RouteCall&) {
    RunOnKeyboardList(window, which, &NamedProfileList::CancelLink);
  }));
  if (list.nameEditButton) {
    const wchar_t* panel = list.nameEditPanel;
    routes.push_back(ExactRoute(NotifyType::Click, list.nameEditButton,
                                [panel](CMainWnd& window, const RouteCall&) { window.ToggleVisible(panel); }));
  }
  routes.push_back(ExactRoute(NotifyType::ItemSelect, params.combo, Calls(list.select)));
  routes.push_back(
      ExactRoute(NotifyType::SelectChanged, params.linkCheck, Calls(list.toggleLink), SelectPhase::GuardThenAct));
}
}  // namespace

RouteTable KeyboardProfileRoutes() {
  RouteTable routes;
  for (const ListRoutes& list : kLists) AddListRoutes(list, routes);
  return routes;
}
