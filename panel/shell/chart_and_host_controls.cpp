// The chart, the child-window host and the voice-effect selector: small controls of the layouts.
#include <cwchar>
#include <string>

#include "custom_controls.h"
#include "notification_router.h"

// The chart's own attributes are handled here; the rest go to the base, which reports names it
// does not know.
void CChartViewUI::SetAttribute(LPCTSTR name, LPCTSTR value) {
  const std::wstring attribute = name ? name : L"";
  const std::wstring text = value ? value : L"";
  if (attribute == L"view") {
    if (text == L"pie") view_ = 0;
    else if (text == L"histpgram") view_ = 1;  // the spelling the layouts use
  } else if (attribute == L"shadowimage") {
    shadowImage_ = text.c_str();
  } else if (attribute == L"shadowimageheight") {
    shadowImageHeight_ = static_cast<int>(wcstol(text.c_str(), nullptr, 10));
  } else if (attribute == L"pillarimage") {
    pillarImage_ = text.c_str();
  } else if (attribute == L"pillarimagewidth") {
    pillarImageWidth_ = static_cast<int>(wcstol(text.c_str(), nullptr, 10));
  } else if (attribute == L"showhtml") {
    showHtml_ = text == L"true";
  } else if (attribute == L"showtext") {
    showText_ = text == L"true";
  } else if (attribute == L"font") {
    font_ = static_cast<int>(wcstol(text.c_str(), nullptr, 10));
  } else {
    CControlUI::SetAttribute(name, value);
  }
}

void CWndUI::Attach(HWND window) {
  hosted_ = window;
  SyncChildWindow();
}

void CWndUI::SetPos(RECT rc) {
  CControlUI::SetPos(rc);
  SyncChildWindow();
}

void CWndUI::SetVisible(bool visible) {
  CControlUI::SetVisible(visible);
  SyncChildWindow();
}

void CWndUI::SetInternVisible(bool visible) {
  CControlUI::SetInternVisible(visible);
  SyncChildWindow();
}

void CWndUI::SyncChildWindow() {
  if (!IsWindow(hosted_)) return;
  if (CPaintManagerUI* manager = GetManager()) {
    RECT rc = GetPos();
    HWND paintWindow = manager->GetPaintWindow();
    if (::GetParent(hosted_) != paintWindow) MapWindowPoints(paintWindow, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    SetWindowPos(hosted_, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::ShowWindow(hosted_, IsVisible() ? SW_SHOW : SW_HIDE);
}

// The selections run the voice routes (the level and the switch sent, the choice stored) as code:
// a profile applied on arrival or by the user's pick must not meet the pending-edit guard.
void CMagicControlUI::SetMagicVoiceState(bool open, int selection) {
  CPaintManagerUI* manager = GetManager();
  if (!manager) return;
  CodeMadeNotifications applying;
  if (CControlUI* check = manager->FindSubControlByName(this, L"magic_check")) check->SetEnabled(open);
  if (open) {
    const std::wstring name = L"magic_check_" + std::to_wstring(selection);
    if (auto* option = dynamic_cast<COptionUI*>(manager->FindSubControlByName(this, name.c_str())))
      option->Selected(true, true);
  }
  if (auto* voiceOpen = dynamic_cast<COptionUI*>(manager->FindSubControlByName(this, L"magic_voice_open")))
    voiceOpen->Selected(open, true);
}
