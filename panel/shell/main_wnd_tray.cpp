// The tray icon's clicks, its menu and the menu's commands: languages, the about window and exit.
#include <new>
#include <string>

#include "about_window.h"
#include "diagnostics.h"
#include "main_wnd.h"
#include "msg_wnd.h"
#include "panel_settings.h"
#include "timer_ids.h"
#include "ui/tracked_allocations.h"

namespace {
// Set while the tray's "no device" box is open, independently of the registered message's.
bool trayNoDeviceBoxOpen = false;
constexpr LONG kTrayMenuAboveCursor = 50;
constexpr DWORD kTrayMenuAlignment = eMenuAlignment_Left | eMenuAlignment_Top;
constexpr UINT kRepaintAfterTrayClickMs = 10;

constexpr DWORD kAboutStyle = 0x96C80000;  // popup, visible, clipping, caption and system menu
constexpr DWORD kAboutExStyle = WS_EX_WINDOWEDGE;
constexpr int kAboutWidth = 800;
constexpr int kAboutHeight = 572;

struct MenuCommand {
  std::wstring name;
  std::wstring text;
};

// Copies the chosen item out of the record and frees it. False for a pointer that the menu did
// not hand out: it is neither read nor freed.
bool TakeMenuCommand(WPARAM wParam, MenuCommand& command) {
  auto* record = reinterpret_cast<MenuCommandRecord*>(wParam);
  if (!IsTrackedRecord(record)) return false;
  command.name = record->name;
  command.text = record->text;
  CPaintManagerUI::DeletePtr(record);
  return true;
}
}  // namespace

void CMainWnd::OnTrayIconNotify(UINT mouseMessage) {
  if (mouseMessage == WM_LBUTTONUP) {
    if (!AnyDeviceConnected()) {
      HideAndExplainNoDevice(trayNoDeviceBoxOpen);
      return;
    }
    ::ShowWindow(m_hWnd, SW_SHOW);
    SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    BlinkTopmost();
    InvalidateRect(m_hWnd, nullptr, TRUE);
    m_pm.NeedUpdate();
    SetTimer(m_hWnd, TIMER_REPAINT, kRepaintAfterTrayClickMs, nullptr);
  } else if (mouseMessage == WM_RBUTTONUP) {
    ShowTrayMenu();
  }
}

void CMainWnd::ShowTrayMenu() {
  POINT point{};
  GetCursorPos(&point);
  point.y -= kTrayMenuAboveCursor;
  // The previous menu is closed (if still open) and freed here.
  m_trayMenu.reset(new (std::nothrow) CMenuWnd);
  if (!m_trayMenu) return;
  m_trayMenu->Init(nullptr, L"menu1.xml", point, &m_pm, nullptr, kTrayMenuAlignment);
  if (CMenuUI* menu = m_trayMenu->GetMenuUI()) {
    const int language = ReadSkinImageNumber(MainIniPath(GetProfileRootFolder()), L"LANGUAGE");
    auto* exitItem = new CMenuElementUI;
    exitItem->SetName(L"exit");
    if (const PanelLanguage* named = PanelLanguageByValue(language)) exitItem->SetText(named->exitItemText);
    menu->AddAt(exitItem, 0);
  }
  m_trayMenu->ResizeMenu();
}

void CMainWnd::OnMenuCommand(WPARAM record) {
  if (!record) return;
  MenuCommand command;
  if (!TakeMenuCommand(record, command)) {
    DebugLine(L"a menu command without a record of the menu was ignored");
    return;
  }
  if (const PanelLanguage* language = PanelLanguageByMenuItem(command.name)) SwitchLanguage(*language);
  else if (EqualsNoCase(command.name, L"About_setting")) OpenAboutWindow();
  else if (command.name == L"exit") Close(0);
  else if (command.name == L"Menu_Import" || command.name == L"Menu_Export") return;
  else ShowMessageBox(m_hWnd, nullptr, command.text.c_str(), true);
}

void CMainWnd::SwitchLanguage(const PanelLanguage& language) {
  CResourceManager::GetInstance()->SetLanguage(language.uiLanguage);
  CResourceManager::GetInstance()->LoadLanguage(language.languageFile);
  WriteSkinImageValue(MainIniPath(GetProfileRootFolder()), L"LANGUAGE", std::to_wstring(language.value));
  if (WriteRegistryLanguage(language.registryValue)) DebugLine(L"\u5199\u6210\u529F\uFF01");
  CResourceManager::GetInstance()->ReloadText();
  InvalidateRect(m_hWnd, nullptr, TRUE);
  m_pm.NeedUpdate();
}

// One about window at a time: a second "About_setting" brings the open one forward.
void CMainWnd::OpenAboutWindow() {
  if (m_aboutWindow && IsWindow(m_aboutWindow->GetHWND())) {
    SetWindowPos(m_aboutWindow->GetHWND(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(m_aboutWindow->GetHWND());
    return;
  }
  m_aboutWindow.reset(new Ccopyright(L"CopyRight.xml"));  // the closed one is gone with its window
  m_aboutWindow->Create(m_hWnd, L"\u5173\u4E8E", kAboutStyle, kAboutExStyle, 0, 0, kAboutWidth, kAboutHeight);
  m_aboutWindow->CenterWindow();
  SetWindowPos(m_aboutWindow->GetHWND(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}
