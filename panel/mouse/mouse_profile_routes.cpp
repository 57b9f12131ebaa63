#include "mouse_profile_routes.h"

#include "main_wnd.h"
#include "mouse_profile_lists.h"
#include "mouse_profile_page.h"
#include "profile_list_routes.h"

namespace {
struct ListRoutes {
  MouseProfileKind kind;
  ProfileListOperations operations;
};

// The device list's name edit is shown by the page tabs; the other two have a toggle button.
const ListRoutes kLists[] = {
    {MouseProfileKind::Device,
     {&CMainWnd::AddMouseDeviceProfile, &CMainWnd::DeleteMouseDeviceProfile, &CMainWnd::CopyMouseDeviceProfile,
      &CMainWnd::ImportMouseDeviceProfile, &CMainWnd::ExportMouseDeviceProfile, &CMainWnd::ResetMouseDeviceProfile,
      &CMainWnd::RenameMouseDeviceProfile, &CMainWnd::SelectMouseDeviceProfile, &CMainWnd::ToggleMouseDeviceProfileLink,
      &CMainWnd::BrowseMouseDeviceProfileLink, nullptr, nullptr}},
    {MouseProfileKind::Light,
     {&CMainWnd::AddMouseLightProfile, &CMainWnd::DeleteMouseLightProfile, &CMainWnd::CopyMouseLightProfile,
      &CMainWnd::ImportMouseLightProfile, &CMainWnd::ExportMouseLightProfile, &CMainWnd::ResetMouseLightProfile,
      &CMainWnd::RenameMouseLightProfile, &CMainWnd::SelectMouseLightProfile, &CMainWnd::ToggleMouseLightProfileLink,
      &CMainWnd::BrowseMouseLightProfileLink, L"ms_pro_deng_edit_btn", L"ms_deng_profile_edit"}},
    {MouseProfileKind::Key,
     {&CMainWnd::AddMouseKeyProfile, &CMainWnd::DeleteMouseKeyProfile, &CMainWnd::CopyMouseKeyProfile,
      &CMainWnd::ImportMouseKeyProfile, &CMainWnd::ExportMouseKeyProfile, &CMainWnd::ResetMouseKeyProfile,
      &CMainWnd::RenameMouseKeyProfile, &CMainWnd::SelectMouseKeyProfile, &CMainWnd::ToggleMouseKeyProfileLink,
      &CMainWnd::BrowseMouseKeyProfileLink, L"ms_pro_key_edit_btn", L"ms_key_profile_edit"}},
};

// Focus on any of these folds the panel of profile buttons away.
const wchar_t* const kSubPageTabs[] = {L"ms_deng_Op_tab", L"ms_key_Op_tab", L"ms_rich_Op_tab", L"ms_macro_Op_tab",
                                       L"ms_cursor_Op_tab"};

void HideProfilePanel(CMainWnd& window, const RouteCall&) {
  if (CControlUI* panel = window.Find(L"ms_profile_fun_spead_tab")) panel->SetVisible(false);
}
}  // namespace

RouteTable MouseProfileRoutes() {
  RouteTable routes;
  for (const ListRoutes& list : kLists) {
    const MouseProfileKind kind = list.kind;
    AddProfileListRoutes(MouseProfileListParams(kind), list.operations,
                         [kind](CMainWnd& window, const RouteCall&) {
                           RunOnMouseList(window, kind, &NamedProfileList::CancelLink);
                         },
                         routes);
  }
  for (const wchar_t* tab : kSubPageTabs) routes.push_back(ExactRoute(NotifyType::SetFocus, tab, HideProfilePanel));
  return routes;
}
