#pragma once
#include <windows.h>

#include "ui/ui.h"

// Calls into the UI library's colour palette and tray icon, which arrive with the library's second
// step. Until then these are the one place that stands in for them (see ui_library_pending.cpp).

// CColorPaletteUI::SetSelectColor on the named palette.
void SetPaletteSelectColor(CPaintManagerUI& manager, const wchar_t* paletteName, DWORD argb);

// CTrayIcon::CreateTrayIcon (window, icon resource, tip, message 0) and DeleteTrayIcon.
void CreatePanelTrayIcon(HWND window, UINT iconResource, const wchar_t* tip);
void DeletePanelTrayIcon();
