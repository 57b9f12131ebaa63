#include "install_progress.h"

void BroadcastInstallProgress(DWORD code) {
  const UINT message = RegisterWindowMessageW(L"WM_INSTALL7D1_RESULT");
  SendMessageTimeoutW(HWND_BROADCAST, message, code, 0, SMTO_NORMAL, 100, nullptr);
}
