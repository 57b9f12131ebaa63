#pragma once
#include <windows.h>

#include "device_hook.h"
#include "ui/menu.h"
#include "ui/tray_icon.h"

// The main window's own messages (the capture hook's are in device_hook.h).
constexpr UINT WM_TRAYICON_NOTIFY = UI_WM_TRAYICON;   // lParam: the mouse message
constexpr UINT WM_MENU_COMMAND = UI_WM_MENUCOMMAND;   // wParam: the library's MenuCommandRecord
constexpr UINT WM_MOUSE_DEVICE_CHANGED = 0x901;
constexpr UINT WM_MOUSE_SETTINGS_CHANGED = 0x902;
constexpr UINT WM_MOUSEPAD_DEVICE_CHANGED = 0xA01;
constexpr UINT WM_MOUSEPAD_SETTINGS_CHANGED = 0xA02;
constexpr UINT WM_MOUSEPAD_KEY_COLOR = 0xA03;  // wParam: preview button 0..14, lParam: packed colour
constexpr UINT WM_MOUSEPAD_KEY_ALPHA = 0xA04;  // wParam: preview button 0..14, lParam: level
constexpr UINT WM_KEYBOARD_DEVICE_CHANGED = 0xB01;
constexpr UINT WM_KEYBOARD_SETTINGS_CHANGED = 0xB02;
constexpr UINT WM_KEYBOARD_STORE_FACTORY_KEYS = 0xB03;
constexpr UINT WM_KEYBOARD_READ_REFUSED = 0xB04;  // posted by the keyboard's detection: its box opens here
constexpr UINT WM_SHOW_PROGRESS = 0xC00;
constexpr UINT WM_HIDE_PROGRESS = 0xC01;
constexpr UINT WM_LAST_DEVICE_LOST = 0xC05;
