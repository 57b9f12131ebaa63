#pragma once
#include <vector>

#include "notification_router.h"

// The profile bar of a device page: the controls that its page tabs open and close.
struct ProfileBar {
  const wchar_t* edit;
  const wchar_t* spreadButton;
  const wchar_t* selectTab;
  const wchar_t* spreadTab;
};

enum class ProfileBarChange { Keep, Open, Close };

// An option of a device page's tab bar and the page of its tab layout that it shows.
struct PageTab {
  const wchar_t* option;
  const wchar_t* layout;
  int page;
  const wchar_t* revealFirst;  // shown before the page is switched to; null for none
  const ProfileBar* bar;
  ProfileBarChange barChange;
};

// The shell's own routes: the panel buttons, the profile bars' spread buttons, the device tabs and
// the page tabs.
RouteTable ShellRoutes();

// Every route table of the panel; each device's table is listed here, nothing registers itself.
std::vector<RouteTable> AllRouteTables();

// The index that the main window's entry points use, built from AllRouteTables on first use.
const RouteIndex& PanelRoutes();
// Tests only: routes in place of the panel's; null restores the panel's.
void UseRoutesInstead(const RouteIndex* routes);
