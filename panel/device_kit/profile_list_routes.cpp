#include "profile_list_routes.h"

#include <utility>

#include "main_wnd.h"

void AddProfileListRoutes(const NamedProfileListParams& params, const ProfileListOperations& list,
                          RouteAction cancelLink, RouteTable& routes) {
  const std::pair<const wchar_t*, void (CMainWnd::*)()> buttons[] = {
      {params.addButton, list.add},       {params.deleteButton, list.remove}, {params.copyButton, list.copy},
      {params.importButton, list.import}, {params.exportButton, list.exportTo}, {params.resetButton, list.reset},
      {params.renameButton, list.rename}, {params.linkButton, list.browseLink}};
  for (const auto& button : buttons)
    if (button.first && button.second) routes.push_back(ExactRoute(NotifyType::Click, button.first, Calls(button.second)));
  if (params.cancelLinkButton) routes.push_back(ExactRoute(NotifyType::Click, params.cancelLinkButton, std::move(cancelLink)));
  if (list.nameEditButton) {
    const wchar_t* panel = list.nameEditPanel;
    routes.push_back(ExactRoute(NotifyType::Click, list.nameEditButton,
                                [panel](CMainWnd& window, const RouteCall&) { window.ToggleVisible(panel); }));
  }
  routes.push_back(ExactRoute(NotifyType::ItemSelect, params.combo, Calls(list.select)));
  if (list.toggleLink)
    routes.push_back(
        ExactRoute(NotifyType::SelectChanged, params.linkCheck, Calls(list.toggleLink), SelectPhase::GuardThenAct));
}
