// The mouse's macro and key-table download as the key page's save button runs it (inside
// DownloadToDevice), with its refusals shown over the window.
#include "main_wnd.h"
#include "mouse_download.h"

int CMainWnd::DownloadMouseMacros() {
  const MouseDownloadOutcome outcome = ::DownloadMouseMacros(m_mouseChannel, GetMouseProfileFolder());
  ShowDownloadRefusal(outcome.messageId, outcome.messageNumber);
  return outcome.result;
}
