#include "keyboard_profile_routes.h"

#include "keyboard_profile_lists.h"
#include "keyboard_profile_page.h"
#include "main_wnd.h"
#include "profile_list_routes.h"

namespace {
struct ListRoutes {
  KeyboardList which;
  ProfileListOperations operations;
};

const ListRoutes kLists[] = {
    {KeyboardList::Device,
     {&CMainWnd::AddKeyboardDeviceProfile, &CMainWnd::DeleteKeyboardDeviceProfile, &CMainWnd::CopyKeyboardDeviceProfile,
      &CMainWnd::ImportKeyboardDeviceProfile, &CMainWnd::ExportKeyboardDeviceProfile,
      &CMainWnd::ResetKeyboardDeviceProfile, &CMainWnd::RenameKeyboardDeviceProfile,
      &CMainWnd::SelectKeyboardDeviceProfile, &CMainWnd::ToggleKeyboardDeviceProfileLink,
      &CMainWnd::BrowseKeyboardDeviceProfileLink, nullptr, nullptr}},
    {KeyboardList::Light,
     {&CMainWnd::AddKeyboardLightProfile, &CMainWnd::DeleteKeyboardLightProfile, &CMainWnd::CopyKeyboardLightProfile,
      &CMainWnd::ImportKeyboardLightProfile, &CMainWnd::ExportKeyboardLightProfile,
      &CMainWnd::ResetKeyboardLightProfile, &CMainWnd::RenameKeyboardLightProfile,
      &CMainWnd::SelectKeyboardLightProfile, &CMainWnd::ToggleKeyboardLightProfileLink,
      &CMainWnd::BrowseKeyboardLightProfileLink, L"kb_pro_deng_edit_btn", L"kb_deng_profile_edit"}},
    {KeyboardList::Key,
     {&CMainWnd::AddKeyboardKeyProfile, &CMainWnd::DeleteKeyboardKeyProfile, &CMainWnd::CopyKeyboardKeyProfile,
      &CMainWnd::ImportKeyboardKeyProfile, &CMainWnd::ExportKeyboardKeyProfile, &CMainWnd::ResetKeyboardKeyProfile,
      &CMainWnd::RenameKeyboardKeyProfile, &CMainWnd::SelectKeyboardKeyProfile,
      &CMainWnd::ToggleKeyboardKeyProfileLink, &CMainWnd::BrowseKeyboardKeyProfileLink, L"kb_pro_key_edit_btn",
      L"kb_key_profile_edit"}},
};

const NamedProfileListParams& ParamsOf(KeyboardList which) {
  switch (which) {
    case KeyboardList::Light: return KeyboardLightProfiles().params;
    case KeyboardList::Key: return KeyboardKeyProfiles().params;
    default: return KeyboardDeviceProfiles().params;
  }
}
}  // namespace

RouteTable KeyboardProfileRoutes() {
  RouteTable routes;
  for (const ListRoutes& list : kLists) {
    const KeyboardList which = list.which;
    AddProfileListRoutes(ParamsOf(which), list.operations,
                         [which](CMainWnd& window, const RouteCall&) {
                           RunOnKeyboardList(window, which, &NamedProfileList::CancelLink);
                         },
                         routes);
  }
  return routes;
}
