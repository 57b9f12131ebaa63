#pragma once
#include "named_profile_list.h"
#include "notification_router.h"

class CMainWnd;

// The page operations of one named profile list, as its routes call them.
struct ProfileListOperations {
  void (CMainWnd::*add)();
  void (CMainWnd::*remove)();
  void (CMainWnd::*copy)();
  void (CMainWnd::*import)();
  void (CMainWnd::*exportTo)();
  void (CMainWnd::*reset)();
  void (CMainWnd::*rename)();  // null when the list has no rename
  void (CMainWnd::*select)();
  void (CMainWnd::*toggleLink)();  // null when the link check box only shows the link
  void (CMainWnd::*browseLink)();
  const wchar_t* nameEditButton;  // toggles the list's name edit panel; null when the list has none
  const wchar_t* nameEditPanel;
};

// A list's routes: the clicks of its buttons (those it names), its combo's item select, its link
// check's select change (after the pending-edit guard) when it acts, the name edit toggle when it
// has one, and `cancelLink` for its cancel-link button when its parameters name one.
void AddProfileListRoutes(const NamedProfileListParams& params, const ProfileListOperations& operations,
                          RouteAction cancelLink, RouteTable& routes);
