// Placeholders for the UI library's second step. Each body says what it will call.
#include "ui_library_pending.h"

// Will be: static_cast<CColorPaletteUI*>(manager.FindControl(paletteName))->SetSelectColor(argb).
// The layout already names the palettes; the library skips the tag until it knows the class.
void SetPaletteSelectColor(CPaintManagerUI&, const wchar_t*, DWORD) {}

// Will be: the window's CTrayIcon::CreateTrayIcon(window, iconResource, tip, 0), whose
// notifications arrive as the library's tray message 0x401.
void CreatePanelTrayIcon(HWND, UINT, const wchar_t*) {}

// Will be: CTrayIcon::DeleteTrayIcon on the same object.
void DeletePanelTrayIcon() {}
