// Notification dispatch by type, and the start-up sequence that the first "windowinit" runs.
#include <functional>
#include <map>
#include <string>

#include "clock.h"
#include "diagnostics.h"
#include "keyboard_identity.h"
#include "main_wnd.h"
#include "mouse_identities.h"
#include "panel_settings.h"
#include "timer_ids.h"

namespace {
constexpr DWORD kPauseBeforeLanguageMs = 100;

void SetIdentity(DeviceCommandChannel& channel, const DeviceIdentity& identity) {
  channel.SetIdentity(identity.vendorId, identity.productId, identity.usage, identity.usagePage);
}

using Handler = void (CMainWnd::*)(CControlUI*);

// Notification types handed to one handler each.
const std::map<std::wstring, Handler>& HandlersByType() {
  static const std::map<std::wstring, Handler> handlers = {
      {L"colorchanged", &CMainWnd::HandleColorChanged},
      {L"msleave", &CMainWnd::HandleMouseLeave},
      {L"msenter", &CMainWnd::HandleMouseEnter},
      {L"selectchanged", &CMainWnd::HandleSelectChanged},
      {L"valuechanged", &CMainWnd::HandleValueChanged},
      {L"movevaluechanged", &CMainWnd::HandleMoveValueChanged},
      {L"itemselect", &CMainWnd::HandleItemSelect},
      {L"itemclick", &CMainWnd::HandleItemClick},
      {L"killfocus", &CMainWnd::HandleKillFocus},
      {L"setfocus", &CMainWnd::HandleSetFocus},
      {L"textchanged", &CMainWnd::HandleTextChanged},
  };
  return handlers;
}
}  // namespace

void CMainWnd::Notify(TNotifyUI& msg) {
  CControlUI* sender = msg.pSender;
  const std::wstring name = sender ? sender->GetName().str() : std::wstring();
  DebugLine(msg.sType.str());
  DebugLine(name);
  const std::wstring& type = msg.sType.str();
  if (type == L"windowinit") {
    RunStartupSequence();
  } else if (type == L"click") {
    if (EqualsNoCase(name, L"closebtn")) {
      ShowWindow(false, true);  // the panel stays in the tray
      return;
    }
    const struct {
      CControlUI* button;
      WPARAM command;
    } kCaptionCommands[] = {{m_captionButtons[3], SC_MINIMIZE}, {m_captionButtons[1], SC_MAXIMIZE},
                            {m_captionButtons[2], SC_RESTORE}};
    for (const auto& caption : kCaptionCommands) {
      if (sender && sender == caption.button) {
        SendMessage(WM_SYSCOMMAND, caption.command, 0);
        return;
      }
    }
    if (sender && sender == m_captionButtons[4]) OpenSkinPicker(sender);
    HandleClick(sender);
  } else {
    const auto& handlers = HandlersByType();
    auto handler = handlers.find(type);
    if (handler != handlers.end()) (this->*handler->second)(sender);
  }
  WindowImplBase::Notify(msg);
}

void CMainWnd::RunStartupSequence() {
  const std::wstring iniPath = MainIniPath(GetProfileRootFolder());
  ApplyStoredBackground();

  InitKeyboardPage();
  InitMousePage();
  InitMousePadPage();
  InitHeadsetProfileList();
  InitHeadsetK27Audio();

  SetIdentity(m_mouseChannel, kMouseIdentity);
  SetIdentity(m_mousePadChannel, kMousePadIdentity);
  SetIdentity(m_keyboardChannel, kKeyboardIdentity);
  CurrentClock().Sleep(kPauseBeforeLanguageMs);

  HandOverRegistryLanguage(iniPath);
  ShowWindow(false, true);  // the panel starts in the notification area
  StartWorkerThreads();
  SetTimer(MainWindowHandle, TIMER_LEAVE_SYNC, 100, nullptr);
  SetTimer(MainWindowHandle, TIMER_KEYBOARD_STARTUP_READ, 500, nullptr);
  SetTimer(MainWindowHandle, TIMER_MOUSEPAD_STARTUP_READ, 500, nullptr);

  if (const PanelLanguage* language = PanelLanguageByValue(ReadSkinImageNumber(iniPath, L"LANGUAGE"))) {
    CResourceManager::GetInstance()->SetLanguage(language->uiLanguage);
    CResourceManager::GetInstance()->LoadLanguage(language->languageFile);
    // The controls built so far show the chosen language too, not only those built later.
    CResourceManager::GetInstance()->ReloadText();
  }
}

void CMainWnd::ApplyStoredBackground() {
  const std::wstring iniPath = MainIniPath(GetProfileRootFolder());
  if (ReadSkinImageNumber(iniPath, L"FLAGS") != 1) return;
  const std::wstring image = ReadSkinImageText(iniPath, L"IMAGE");
  if (CControlUI* root = Find(L"root")) {
    root->SetBkColor(0);
    root->SetBkImage(image.c_str());
  }
}
