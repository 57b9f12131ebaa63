#include "ui/tray_icon.h"

#include <shellapi.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "ui/paint_manager.h"

namespace {

constexpr UINT kIconId = 1;

std::mutex& IconsMutex() {
  static std::mutex mutex;
  return mutex;
}

// Every icon that is in the tray, so that a new taskbar gets them back.
std::vector<CTrayIcon*>& ShownIcons() {
  static auto* icons = new std::vector<CTrayIcon*>;
  return *icons;
}

NOTIFYICONDATAW IconData(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = window;
  data.uID = kIconId;
  return data;
}

}  // namespace

CTrayIcon::~CTrayIcon() { DeleteTrayIcon(); }

bool CTrayIcon::CreateTrayIcon(HWND window, UINT iconResource, LPCTSTR tip, UINT message) {
  DeleteTrayIcon();
  window_ = window;
  message_ = message ? message : UI_WM_TRAYICON;
  tip_ = tip ? tip : L"";
  HINSTANCE instance = CPaintManagerUI::GetInstance() ? CPaintManagerUI::GetInstance() : GetModuleHandleW(nullptr);
  icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconResource), IMAGE_ICON,
                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  if (!icon_) icon_ = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));  // the standard application icon
  if (!Add()) return false;
  created_ = true;
  std::lock_guard<std::mutex> lock(IconsMutex());
  ShownIcons().push_back(this);
  return true;
}

bool CTrayIcon::Add() {
  NOTIFYICONDATAW data = IconData(window_);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = message_;
  data.hIcon = icon_;
  wcsncpy(data.szTip, tip_.c_str(), sizeof(data.szTip) / sizeof(data.szTip[0]) - 1);
  return Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void CTrayIcon::DeleteTrayIcon() {
  {
    std::lock_guard<std::mutex> lock(IconsMutex());
    auto& icons = ShownIcons();
    icons.erase(std::remove(icons.begin(), icons.end(), this), icons.end());
  }
  if (created_) {
    NOTIFYICONDATAW data = IconData(window_);
    Shell_NotifyIconW(NIM_DELETE, &data);
  }
  created_ = false;
  if (icon_) DestroyIcon(icon_);
  icon_ = nullptr;
}

bool CTrayIcon::IsShown() const { return created_; }

UINT CTrayIcon::GetMessage() const { return message_; }

void CTrayIcon::RestoreIcons(HWND window) {
  std::lock_guard<std::mutex> lock(IconsMutex());
  for (CTrayIcon* icon : ShownIcons())
    if (icon->window_ == window) icon->Add();
}
