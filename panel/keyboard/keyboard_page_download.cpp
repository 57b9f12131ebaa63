// The keyboard's macro and key-table download as the key page's save button runs it, and the
// mouse's: inside the download progress, with the refusals shown over the window.
#include "keyboard_download.h"
#include "keyboard_page_state.h"
#include "main_wnd.h"
#include "msg_wnd.h"
#include "text_with_number.h"
#include "window_messages.h"

namespace {
constexpr int kKeyboardDownload = 1;
constexpr int kMouseDownload = 2;

// A language text as the window shows it: the hidden label "str_test" resolves the id.
std::wstring ResolvedText(CMainWnd& window, const wchar_t* textId) {
  CControlUI* resolver = window.Find(L"str_test");
  if (!resolver) return textId;
  resolver->SetText(textId);
  return resolver->GetText().str();
}
}  // namespace

int CMainWnd::DownloadToDevice(int kind) {
  SendMessage(WM_SHOW_PROGRESS);
  if (kind == kKeyboardDownload) DownloadKeyboardMacros(0);
  if (kind == kMouseDownload) {
    DownloadMouseCursorScripts();
    DownloadMouseMacros();
  }
  SendMessage(WM_HIDE_PROGRESS);
  return -1;
}

int CMainWnd::DownloadKeyboardMacros(int flag) {
  const KeyboardDownloadOutcome outcome =
      ::DownloadKeyboardMacros(m_keyboardChannel, KeyboardPageState(), GetKeyboardProfileFolder(), flag != 0);
  ShowDownloadRefusal(outcome.messageId, outcome.messageNumber);
  return outcome.result;
}

void CMainWnd::ShowDownloadRefusal(const wchar_t* messageId, int messageNumber) {
  if (messageNumber > 0) {
    const std::wstring text = FillNumberPlaceholder(ResolvedText(*this, messageId), messageNumber);
    ShowMessageBox(m_hWnd, nullptr, text.c_str(), false);
  } else if (messageId) {
    ShowMessageBox(m_hWnd, nullptr, messageId, true);
  }
}
