#pragma once
#include <windows.h>

#include <string>

// The message a tray icon sends its window when it was created with message 0.
constexpr UINT UI_WM_TRAYICON = 0x401;

// An icon in the notification area. Its mouse messages reach the window as the message given
// (lParam: the mouse message). When the taskbar is created anew ("TaskbarCreated", after the
// shell restarted), the icons of a window with a paint manager are added again.
class CTrayIcon {
 public:
  CTrayIcon() = default;
  ~CTrayIcon();  // removes the icon
  CTrayIcon(const CTrayIcon&) = delete;
  CTrayIcon& operator=(const CTrayIcon&) = delete;

  // The icon is the program's icon resource; a program without that resource gets the standard
  // application icon. False when the shell refused the icon.
  bool CreateTrayIcon(HWND window, UINT iconResource, LPCTSTR tip = nullptr, UINT message = 0);
  void DeleteTrayIcon();
  bool IsShown() const;
  UINT GetMessage() const;

  // Adds the window's icons again; the paint manager calls it on "TaskbarCreated".
  static void RestoreIcons(HWND window);

 private:
  bool Add();

  HWND window_ = nullptr;
  UINT message_ = 0;
  HICON icon_ = nullptr;
  std::wstring tip_;
  bool created_ = false;  // wanted in the tray (between CreateTrayIcon and DeleteTrayIcon)
};
